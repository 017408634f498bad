# SPDX-License-Identifier: MIT

"""The steps of Orbiclock's run on Wayland (e2e_orbiclock.py --tray wayland): weston's headless
back end with a StatusNotifierItem host. There is no pointer or keyboard there: buttons are
pressed and text is typed through the accessibility interface, and the tray is used as a host
uses it, over the session bus. weston's scene graph says which windows it shows."""

import os
import re
import subprocess
import time

from desktop_session import Failure, WaylandDesktop, wait_for
from e2e_orbiclock import HOME_INDEX, TITLE, Run

SHEET = 'Set Home Country'
EXIT = 'E_xit Orbiclock'


class WaylandRun(Run):
    def make_desktop(self, shots, tray):
        return WaylandDesktop(shots, os.path.join(self.home, 'runtime'))

    def spawn(self, *args, **more_env):
        # Qt 6.4's Wayland text input asks the seat, and a headless weston has none: a focused
        # text field would crash it at its first paint. Compose input needs no seat.
        return super().spawn(*args, QT_QPA_PLATFORM='wayland', QT_IM_MODULE='compose', **more_env)

    def main_window(self):
        return next((w for w in self.desktop.toplevels() or [] if w['name'] == TITLE), None)

    def press(self, parent, name):
        """Presses the enabled button of that name, as a screen reader's user does."""
        enabled = self.desktop.Atspi.StateType.ENABLED
        node = wait_for(f'an enabled {name} button', lambda: next(
            (n for n in [self.desktop.find(parent, role='push button', name=name)]
             if n is not None and n.get_state_set().contains(enabled)), None))
        action = node.get_action_iface()
        action.do_action([action.get_action_name(i)
                          for i in range(action.get_n_actions())].index('Press'))

    def hide(self):
        self.press(self.dialog(TITLE), 'Hide')
        wait_for('the main window to go', lambda: self.main_window() is None)

    def menu(self):
        return wait_for('the tray icon\'s menu', self.desktop.sni_menu)

    def find_sheet(self, parent, caption, text, button):
        self.press(parent, 'Find Country')
        find = wait_for(f'the {caption} sheet', lambda: self.dialog(caption))
        if text:
            wait_for('the search field', lambda: self.desktop.find(
                find, role='text')).get_editable_text_iface().set_text_contents(text)
        menu = self.menu()
        self.press(find, button)
        wait_for('the Find sheet to close', lambda: self.dialog(caption) is None)
        return menu

    def step1_first_start(self):
        """first start: window and Set Home sheet; a home found by name; home clocks right"""
        self.start()
        wait_for('the main window on the screen', self.main_window, timeout=20)
        sheet = wait_for('the Set Home sheet', lambda: self.dialog(SHEET))
        wait_for('the sheet on the screen', lambda: any(
            w['name'].startswith(SHEET) for w in self.desktop.toplevels()))
        if self.menu()[EXIT]:
            raise Failure(f'the tray offers Exit while Set Home runs: {self.menu()}')
        self.find_sheet(sheet, 'Find Home Country/Region', 'new south wales', 'OK')
        self.press(sheet, 'OK')
        wait_for('the Set Home sheet to close', lambda: self.dialog(SHEET) is None)
        if self.stored_home() not in (None, HOME_INDEX):
            raise Failure(f'home {self.stored_home()} stored, not {HOME_INDEX}')
        self.check_home_clocks()

    def step2_tray_menu(self):
        """the tray's menu over D-Bus: Show brings the window back; no Exit past a sheet"""
        if self.menu() != {'_Show Orbiclock': True, EXIT: True, '_Cancel': True}:
            raise Failure(f'the tray icon\'s menu holds {self.menu()}')
        self.hide()
        self.desktop.sni_menu('_Show Orbiclock')
        wait_for('the main window back after Show in the tray\'s menu', self.main_window)
        if self.find_sheet(self.dialog(TITLE), 'Find Country/Region', '', 'Cancel')[EXIT]:
            raise Failure('the tray offers Exit while the Find sheet is open')

    def step3_activate(self):
        """Activate: the host's with its token; a second start's with XDG_ACTIVATION_TOKEN"""
        from gi.repository import GLib
        d, item = self.desktop, 'org.kde.StatusNotifierItem'
        self.hide()
        d.bus_call(*d.sni_item(), item, 'ProvideXdgActivationToken', GLib.Variant('(s)', ('t1',)))
        d.bus_call(*d.sni_item(), item, 'Activate', GLib.Variant('(ii)', (0, 0)))
        wait_for('the main window back after the host\'s Activate', self.main_window)
        self.hide()
        with open(os.path.join(self.out, 'activate-monitor.log'), 'w+') as log:
            monitor = subprocess.Popen(['dbus-monitor', '--session', "interface='org.freedesktop."
                                        "Application',member='Activate'"], env=d.env, stdout=log)
            time.sleep(0.5)  # the monitor is listening
            second = self.spawn(XDG_ACTIVATION_TOKEN='token-of-the-second-start')
            try:
                code = second.wait(30)
            except subprocess.TimeoutExpired:
                second.kill()
                code = 'nothing after 30 s'
            wait_for('the main window back after a second start', self.main_window)
            time.sleep(0.5)
            monitor.terminate()
            monitor.wait(5)
            log.seek(0)
            said = log.read()
        if code != 0 or self.proc.poll() is not None or len(d.sni_items()) != 1:
            raise Failure(f'a second start ended with {code}, the first with {self.proc.poll()}, '
                          f'{len(d.sni_items())} tray icons')
        if not re.search(r'"activation-token"\s+variant\s+string "token-of-the-second-start"',
                         said):
            raise Failure(f'the second start\'s Activate carried no activation token: {said!r}')


STEPS = [step for name, step in vars(WaylandRun).items() if name.startswith('step')]
