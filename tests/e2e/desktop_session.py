# SPDX-License-Identifier: MIT

"""A private desktop for end-to-end tests: Xvfb, a notification area (trayer, or a
StatusNotifierItem host), a session bus with the accessibility bus. Input goes in through xdotool;
what the program shows is read back through the accessibility interface and from the X server."""

import contextlib
import ctypes
import os
import re
import signal
import subprocess
import time


class Failure(Exception):
    pass


def wait_for(what, predicate, timeout=10.0, interval=0.1):
    """Polls predicate until it returns something true; raises Failure naming what."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure(f'timed out after {timeout:.0f} s waiting for {what}')
        time.sleep(interval)


class Desktop:
    def __init__(self, shots, tray='trayer'):
        self.shots = shots
        self.tray = tray
        self._conn = None
        self.procs = []
        self.bus_pid = None
        os.makedirs(shots, exist_ok=True)
        try:
            self._start()
        except BaseException:
            self.close()  # nothing started may outlive a desktop that never came up
            raise

    def _start(self):
        self.display = self._start_xvfb()
        self.env = dict(os.environ, DISPLAY=self.display, LC_ALL='C.UTF-8', NO_AT_BRIDGE='0')
        for var in ('WAYLAND_DISPLAY', 'DBUS_SESSION_BUS_ADDRESS', 'SESSION_MANAGER'):
            self.env.pop(var, None)
        self._start_bus_and_tray()

    def _start_bus_and_tray(self):
        self._start_session_bus()
        if self.tray == 'sni':
            here = os.path.dirname(os.path.abspath(__file__))
            self._spawn(['/usr/bin/python3', os.path.join(here, 'sni_host.py')])
            wait_for('the StatusNotifierItem host', lambda: self.sni_items() is not None)
        else:  # at the right, so that a menu can open to the left of the pointer
            self._spawn(['trayer', '--edge', 'bottom', '--align', 'right', '--widthtype', 'pixel',
                         '--width', '100', '--heighttype', 'pixel', '--height', '26'])
            wait_for('the notification area', lambda: self.xdotool(
                'search', '--class', '^trayer$', check=False), timeout=20)
        # Everything this process asks of the accessibility interface goes to this desktop.
        os.environ.update(DBUS_SESSION_BUS_ADDRESS=self.env['DBUS_SESSION_BUS_ADDRESS'])
        if self.display:
            os.environ['DISPLAY'] = self.display
        self._spawn(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'])
        import gi
        gi.require_version('Atspi', '2.0')
        from gi.repository import Atspi
        self.Atspi = Atspi

    # --- set-up and tear-down -------------------------------------------------------------

    def _start_xvfb(self):
        # Xvfb picks a free display itself and writes its number once it accepts clients. It
        # must not reset when its last client leaves: on the StatusNotifierItem host nothing
        # else holds the display, and the program's first start could meet a server resetting.
        read, write = os.pipe()
        proc = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-screen', '0', '1280x1024x24',
                                 '-nolisten', 'tcp', '-noreset'], pass_fds=(write,),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        self.procs.append(proc)
        with os.fdopen(read) as f:
            number = f.readline().strip()
        if not number:
            raise Failure('Xvfb did not start')
        return f':{number}'

    def _start_session_bus(self):
        out = subprocess.run(['dbus-daemon', '--session', '--fork', '--print-address=1',
                              '--print-pid=1'], env=self.env, capture_output=True, text=True,
                             check=True).stdout.split()
        self.env['DBUS_SESSION_BUS_ADDRESS'] = out[0]
        self.bus_pid = int(out[1])

    def _spawn(self, argv):
        proc = subprocess.Popen(argv, env=self.env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        self.procs.append(proc)
        return proc

    def close(self):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(3)
                except subprocess.TimeoutExpired:
                    proc.kill()
        if self.bus_pid is not None:
            with contextlib.suppress(ProcessLookupError):
                os.kill(self.bus_pid, signal.SIGTERM)

    # --- looking -----------------------------------------------------------------------------

    def screenshot(self, name):
        path = os.path.join(self.shots, name + '.png')
        subprocess.run(['import', '-display', self.display, '-window', 'root', path], check=False)

    def windows(self, wm_class):
        """Viewable windows of the class, embedded ones included: id, name, place on screen."""
        found = []

        def ask(*args):  # windows come and go between the questions
            return self.xdotool(*args, check=False)
        for wid in ask('search', '--onlyvisible', '--class', f'^{wm_class}$').split():
            g = dict(kv.split('=', 1) for kv in ask('getwindowgeometry', '--shell', wid).split())
            if 'X' in g:
                found.append(dict(id=wid, name=ask('getwindowname', wid).strip(), x=int(g['X']),
                                  y=int(g['Y']), width=int(g['WIDTH']), height=int(g['HEIGHT'])))
        return found

    def tray_icons(self, wm_class):
        """The program's windows inside the notification area."""
        return [w for p in self.windows('trayer') for w in self.windows(wm_class)
                if 0 <= w['x'] - p['x'] < p['width'] and 0 <= w['y'] - p['y'] < p['height']]

    def tray_icon(self, wm_class):
        return next(iter(self.tray_icons(wm_class)), None)

    def shown_window(self, wm_class, title):
        """A viewable window of the class with the title, not counting the tray icon."""
        tray = self.tray_icon(wm_class)
        return next((w for w in self.windows(wm_class) if w['name'] == title and w != tray), None)

    def is_popup(self, window):
        """A window placed by the program itself, as pop-up menus (and trayer's icons) are."""
        info = subprocess.run(['xwininfo', '-id', window['id'], '-display', self.display],
                              capture_output=True, text=True).stdout
        return 'Override Redirect State: yes' in info

    # --- the session bus ------------------------------------------------------------------------

    def bus_call(self, name, path, iface, method, args):
        from gi.repository import Gio
        if self._conn is None:
            flags = (Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
                     Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
            self._conn = Gio.DBusConnection.new_for_address_sync(
                self.env['DBUS_SESSION_BUS_ADDRESS'], flags, None, None)
        return self._conn.call_sync(name, path, iface, method, args, None, 0, 5000, None).unpack()

    def sni_item(self):
        """The first registered StatusNotifierItem as (bus name, object path), or None."""
        item = next(iter(self.sni_items() or []), None)
        if item is None:
            return None
        name, _, path = item.partition('/')
        return name, '/' + path if path else '/StatusNotifierItem'

    def sni_menu(self, click=None):
        """What the item's menu holds, as a host reads it over com.canonical.dbusmenu: each
        entry's label (mnemonics as underscores) and whether it is enabled; None while the item
        publishes no menu. With click, clicks the entry of that label as a host does."""
        from gi.repository import GLib
        if self.sni_item() is None:
            return None
        name, path = self.sni_item()
        menu = self.bus_call(name, path, 'org.freedesktop.DBus.Properties', 'Get',
                             GLib.Variant('(ss)', ('org.kde.StatusNotifierItem', 'Menu')))[0]
        if menu in ('', '/', '/NO_DBUSMENU'):
            return None
        iface = 'com.canonical.dbusmenu'
        self.bus_call(name, menu, iface, 'AboutToShow', GLib.Variant('(i)', (0,)))
        entries = self.bus_call(name, menu, iface, 'GetLayout',
                                GLib.Variant('(iias)', (0, -1, [])))[1][2]
        if click:
            self.bus_call(name, menu, iface, 'Event', GLib.Variant('(isvu)', (next(
                i for i, p, _ in entries if p.get('label') == click), 'clicked',
                GLib.Variant('s', ''), 0)))
        return {p['label']: p.get('enabled', True) for _, p, _ in entries if 'label' in p}

    def sni_items(self):
        """The StatusNotifierItems registered with the host, or None while it is not there."""
        from gi.repository import GLib
        watcher = 'org.kde.StatusNotifierWatcher'
        try:
            return self.bus_call(watcher, '/StatusNotifierWatcher',
                                 'org.freedesktop.DBus.Properties', 'Get',
                                 GLib.Variant('(ss)', (watcher, 'RegisteredStatusNotifierItems')))[0]
        except GLib.Error:
            return None

    # --- the accessibility tree -----------------------------------------------------------

    def application(self, name):
        desktop = self.Atspi.get_desktop(0)
        desktop.clear_cache()
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        return None

    def find(self, node, role=None, name=None, match=None, depth=8):
        """First showing descendant with the role and name (or name matching the regex)."""
        if node is None or depth < 0:
            return None
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is None:
                continue
            try:
                r, n = child.get_role_name(), child.get_name()
                showing = child.get_state_set().contains(self.Atspi.StateType.SHOWING)
            except Exception:
                continue
            if showing and (role is None or r == role) and (name is None or n == name) and \
                    (match is None or re.fullmatch(match, n)):
                return child
            found = self.find(child, role, name, match, depth - 1)
            if found is not None:
                return found
        return None

    def name_changes(self, action, seconds):
        """The new names of every object whose accessible name changed while action ran and in
        the seconds after, as a screen reader is told of them."""
        from gi.repository import GLib
        names = []
        listener = self.Atspi.EventListener.new(lambda e: names.append(e.source.get_name()))
        listener.register('object:property-change:accessible-name')
        action()
        loop = GLib.MainLoop()
        GLib.timeout_add(int(seconds * 1000), loop.quit)
        loop.run()
        listener.deregister('object:property-change:accessible-name')
        return names

    def centre(self, node):
        ext = node.get_component_iface().get_extents(self.Atspi.CoordType.SCREEN)
        return ext.x + ext.width // 2, ext.y + ext.height // 2

    # --- input ---------------------------------------------------------------------------------

    def xdotool(self, *args, check=True):
        return subprocess.run(['xdotool', *map(str, args)], env=self.env, check=check,
                              capture_output=True, text=True).stdout

    def click(self, node_or_point, repeat=1):
        x, y = node_or_point if isinstance(node_or_point, tuple) else self.centre(node_or_point)
        self.xdotool('mousemove', x, y)
        time.sleep(0.1)
        self.xdotool('click', '--repeat', repeat, '--delay', 120, 1)

    def key(self, *keys):
        self.xdotool('key', '--delay', 60, *keys)

    def request_close(self, window_id):
        """What a window manager's close button sends: WM_DELETE_WINDOW to the window."""
        x = ctypes.cdll.LoadLibrary('libX11.so.6')
        x.XOpenDisplay.restype = x.XInternAtom.restype = ctypes.c_ulong  # pointer-wide, unsigned
        dpy = ctypes.c_void_p(x.XOpenDisplay(self.display.encode()))
        if not dpy.value:
            raise Failure('cannot open the display to send WM_DELETE_WINDOW')
        wid = int(window_id)
        # An XClientMessageEvent as 24 longs (64-bit layout): type 33, serial, send_event,
        # display, window, message_type, format 32, then data: the protocol and CurrentTime.
        ev = (ctypes.c_long * 24)(33, 0, 0, 0, wid, x.XInternAtom(dpy, b'WM_PROTOCOLS', 0), 32,
                                  x.XInternAtom(dpy, b'WM_DELETE_WINDOW', 0), 0)
        x.XSendEvent(dpy, ctypes.c_ulong(wid), 0, ctypes.c_long(0), ev)
        x.XFlush(dpy)
        x.XCloseDisplay(dpy)


class WaylandDesktop(Desktop):
    """The same on Wayland: weston's headless back end (no input devices, no X server), a
    StatusNotifierItem host for the tray. weston's debug protocol reports where it put each
    window (its scene graph); the accessibility bus and the host report the rest."""

    def __init__(self, shots, runtime):
        self.runtime = runtime
        super().__init__(shots, tray='sni')

    def _start(self):
        self.display = None
        self.env = dict(os.environ, LC_ALL='C.UTF-8', NO_AT_BRIDGE='0',
                        XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY='orbiclock-e2e')
        for var in ('DISPLAY', 'DBUS_SESSION_BUS_ADDRESS', 'SESSION_MANAGER'):
            self.env.pop(var, None)
        os.environ.pop('DISPLAY', None)  # the accessibility bus is found on the session bus
        self.weston_log = os.path.join(self.shots, 'weston.log')
        log = open(self.weston_log, 'w')
        self.procs.append(subprocess.Popen(
            ['weston', '--backend=headless-backend.so', '--socket=orbiclock-e2e', '--idle-time=0',
             '--debug', '--width=1280', '--height=1024'], env=self.env, stdout=log, stderr=log))
        wait_for('weston', lambda: os.path.exists(os.path.join(self.runtime, 'orbiclock-e2e')) and
                 self.toplevels() is not None, timeout=20)
        self._start_bus_and_tray()

    def toplevels(self):
        """weston's top-level windows, top first: title and place, or None before it answers."""
        run = subprocess.run(['weston-debug', 'scene-graph'], env=self.env, capture_output=True,
                             text=True, timeout=10)
        if run.returncode != 0 or 'Weston scene graph' not in run.stdout:
            return None
        found = re.findall(r"role xdg_toplevel, PID \d+, surface ID \d+, top-level window "
                           r"'(.*)' of [^\n]*\n\s*position: \((-?\d+), (-?\d+)\) -> "
                           r"\((-?\d+), (-?\d+)\)", run.stdout)
        return [dict(name=n, x=int(x), y=int(y), width=int(r) - int(x), height=int(b) - int(y))
                for n, x, y, r, b in found]

    def screenshot(self, name):
        """What weston shows, as text: its scene graph."""
        path = os.path.join(self.shots, name + '-scene.txt')
        with open(path, 'w') as f:
            subprocess.run(['weston-debug', 'scene-graph'], env=self.env, stdout=f, check=False,
                           timeout=10)
