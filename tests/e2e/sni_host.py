#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""A StatusNotifierWatcher with its host registered, as KDE Plasma and GNOME's AppIndicator
extension run one on the session bus: programs then put their tray icons here as
StatusNotifierItems, which the test reads from RegisteredStatusNotifierItems."""

from gi.repository import Gio, GLib

NAME = 'org.kde.StatusNotifierWatcher'
XML = f'''<node><interface name="{NAME}">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
</interface></node>'''
items = []


def method(conn, sender, path, iface, name, args, invocation):
    if name == 'RegisterStatusNotifierItem':
        items.append(args.unpack()[0])
    invocation.return_value(None)


def get_property(conn, sender, path, iface, name):
    return {'RegisteredStatusNotifierItems': GLib.Variant('as', items),
            'IsStatusNotifierHostRegistered': GLib.Variant('b', True),
            'ProtocolVersion': GLib.Variant('i', 0)}[name]


def acquired(conn, name):
    info = Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0]
    conn.register_object('/StatusNotifierWatcher', info, method, get_property, None)


Gio.bus_own_name(Gio.BusType.SESSION, NAME, Gio.BusNameOwnerFlags.NONE, acquired, None, None)
GLib.MainLoop().run()
