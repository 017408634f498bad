#!/usr/bin/python3
"""Orbiclock on Wayland: weston's headless back end with a StatusNotifierItem host, step by
step. There is no pointer or keyboard there: buttons are pressed and text is typed through the
accessibility interface, the tray is used as a host uses it, over the session bus. weston's
scene graph says which windows it shows. A failed step leaves that scene graph in --out."""

import argparse
import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_session import Failure, WaylandDesktop, wait_for  # noqa: E402
from e2e_orbiclock import APP, HOME_INDEX, TITLE, Run  # noqa: E402

SHEET = 'Set Home Country'
FIND = 'Find Country/Region'
FIND_HOME = 'Find Home Country/Region'


class WaylandRun(Run):
    def make_desktop(self, shots, tray):
        return WaylandDesktop(shots, os.path.join(self.home, 'runtime'))

    def spawn(self, *args, **more_env):
        # Qt 6.4's Wayland text input asks the seat, and a headless weston has none: a focused
        # text field would crash it at its first paint. Compose input needs no seat.
        return super().spawn(*args, QT_QPA_PLATFORM='wayland', QT_IM_MODULE='compose',
                             **more_env)

    def main_window(self):
        """The main window as weston shows it."""
        return next((w for w in self.desktop.toplevels() or [] if w['name'] == TITLE), None)

    def press(self, parent, name):
        """Presses the enabled button of that name, as a screen reader's user does."""
        states = self.desktop.Atspi.StateType

        def button():
            node = self.desktop.find(parent, role='push button', name=name)
            return node if node is not None and node.get_state_set().contains(
                states.ENABLED) else None
        node = wait_for(f'an enabled {name} button', button)
        action = node.get_action_iface()
        action.do_action(next(i for i in range(action.get_n_actions())
                              if action.get_action_name(i) == 'Press'))

    def hide(self):
        self.press(self.dialog(TITLE), 'Hide')
        wait_for('the main window to go', lambda: self.main_window() is None)

    def menu(self):
        return {label: enabled for _, label, enabled in wait_for(
            'the tray icon\'s menu', self.desktop.sni_menu)}

    # --- the steps -----------------------------------------------------------------------------

    def step1_first_start(self):
        """first start: window and Set Home sheet; a home found by name; home clocks right"""
        self.start()
        wait_for('the main window on the screen', self.main_window, timeout=20)
        sheet = wait_for('the Set Home sheet', lambda: self.dialog(SHEET))
        wait_for('the sheet on the screen', lambda: any(
            w['name'].startswith(SHEET) for w in self.desktop.toplevels()))
        # The tray's menu, while no home is chosen: no exit past the sheet.
        if self.menu().get('E_xit Orbiclock', True):
            raise Failure(f'the tray offers Exit while Set Home runs: {self.menu()}')
        self.press(sheet, 'Find Country')
        find = wait_for('the Find sheet', lambda: self.dialog(FIND_HOME))
        edit = wait_for('the search field', lambda: self.desktop.find(
            find, role='text', name='Country to search for'))
        edit.get_editable_text_iface().set_text_contents('new south wales')
        self.press(find, 'OK')
        wait_for('the Find sheet to close', lambda: self.dialog(FIND_HOME) is None)
        self.press(sheet, 'OK')
        wait_for('the Set Home sheet to close', lambda: self.dialog(SHEET) is None)
        if self.stored_home() not in (None, HOME_INDEX):
            raise Failure(f'home {self.stored_home()} stored, not {HOME_INDEX}')
        self.check_home_clocks()

    def step2_tray_menu(self):
        """the tray's menu over D-Bus: Show brings the hidden window back, no Exit past a sheet"""
        menu = self.menu()
        if menu != {'_Show Orbiclock': True, 'E_xit Orbiclock': True, '_Cancel': True}:
            raise Failure(f'the tray icon\'s menu holds {menu}')
        self.hide()
        self.desktop.sni_menu_click('_Show Orbiclock')
        wait_for('the main window back after Show in the tray\'s menu', self.main_window)
        self.press(self.dialog(TITLE), 'Find Country')
        find = wait_for('the Find sheet', lambda: self.dialog(FIND))
        if self.menu().get('E_xit Orbiclock', True):
            raise Failure('the tray offers Exit while the Find sheet is open')
        self.press(find, 'Cancel')
        wait_for('the Find sheet to close', lambda: self.dialog(FIND) is None)

    def step3_activate(self):
        """Activate: the host's, with its activation token, and a second start's, which hands
        its XDG_ACTIVATION_TOKEN to the running copy and ends"""
        from gi.repository import GLib
        d = self.desktop
        self.hide()
        name, path = d.sni_item()
        iface = 'org.kde.StatusNotifierItem'
        d.bus_call(name, path, iface, 'ProvideXdgActivationToken',
                   GLib.Variant('(s)', ('e2e-token-host',)))
        d.bus_call(name, path, iface, 'Activate', GLib.Variant('(ii)', (0, 0)))
        wait_for('the main window back after the host\'s Activate', self.main_window)

        self.hide()
        monitor_log = os.path.join(self.out, 'activate-monitor.log')
        with open(monitor_log, 'w') as log:
            monitor = subprocess.Popen(
                ['dbus-monitor', '--session',
                 "type='method_call',interface='org.freedesktop.Application',member='Activate'"],
                env=d.env, stdout=log, stderr=subprocess.DEVNULL)
        try:
            time.sleep(0.5)  # the monitor is listening
            second = self.spawn(XDG_ACTIVATION_TOKEN='e2e-token-start')
            try:
                code = second.wait(30)
            except subprocess.TimeoutExpired:
                second.kill()
                raise Failure('a second start still runs after 30 s')
            if code != 0:
                raise Failure(f'a second start ended with {code}')
            wait_for('the main window back after a second start', self.main_window)
            time.sleep(0.5)
        finally:
            monitor.terminate()
            monitor.wait(5)
        with open(monitor_log) as f:
            said = f.read()
        if not re.search(r'string "activation-token"\s+variant\s+string "e2e-token-start"', said):
            raise Failure(f'the second start\'s Activate carried no activation token: {said!r}')
        if len(d.sni_items()) != 1:
            raise Failure(f'{len(d.sni_items())} tray icons after a second start, expected one')
        if self.proc.poll() is not None:
            raise Failure(f'the running copy ended with {self.proc.returncode}')


STEPS = [step for name, step in vars(WaylandRun).items() if name.startswith('step')]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--binary', required=True)
    parser.add_argument('--out', required=True)
    args = parser.parse_args()
    os.environ.pop('DISPLAY', None)  # the accessibility bus is found on the session bus
    run = WaylandRun(os.path.abspath(args.binary), os.path.abspath(args.out), 'sni')
    try:
        for number, step in enumerate(STEPS, 1):
            started, title = time.monotonic(), ' '.join(step.__doc__.split())
            try:
                step(run)
            except Failure as e:
                run.desktop.screenshot(f'{number}-failed')
                print(f'step {number}: FAILED: {e} ({title})')
                return 1
            finally:
                sys.stdout.flush()
            print(f'step {number}: passed in {time.monotonic() - started:.1f} s ({title})')
    finally:
        run.close()
        print(f'scene graphs and logs: {args.out}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
