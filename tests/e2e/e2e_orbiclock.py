#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Orbiclock as a person meets it, in a real X server with a notification area, step by step
(each step's docstring says what it checks). A failed step leaves a screenshot in --out. On a
StatusNotifierItem host (--tray sni), the first two steps; on Wayland (--tray wayland), the
steps of e2e_wayland.py."""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import time
from datetime import datetime
from zoneinfo import ZoneInfo

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_session import Desktop, Failure, wait_for  # noqa: E402

APP = 'orbiclock'  # the window class and the accessible application name
TITLE = 'Orbiclock'
# New South Wales, Oceania / Australia in the tree, entry 17. By default the program takes its
# times from the system's time-zone database, where New South Wales is Australia/Sydney.
HOME_PATH = ('Oceania', 'Australia', 'New South Wales')
HOME_INDEX = 17
HOME_ZONE = 'Australia/Sydney'
EXIT_QUESTION = 'Are you sure you want to exit Orbiclock ?'


def read_bytes(path):
    try:
        with open(path, 'rb') as f:
            return f.read()
    except OSError:
        return None


class Run:
    def __init__(self, binary, out, tray):
        self.binary = binary
        self.out = out
        shutil.rmtree(out, ignore_errors=True)
        self.home = os.path.join(out, 'home')
        self.config = os.path.join(self.home, 'config')
        for d in ('config', 'data', 'cache', 'runtime'):  # private, as XDG_RUNTIME_DIR must be
            os.makedirs(os.path.join(self.home, d), mode=0o700)
        self.settings = os.path.join(self.config, 'Brambleway', 'Orbiclock.conf')
        self.zone_store = os.path.join(self.config, 'Brambleway', 'zone')
        # The machine's zone file as the program watches it, standing in for /etc/localtime.
        self.machine_zone = os.path.join(self.home, 'machine-localtime')
        shutil.copyfile('/usr/share/zoneinfo/UTC', self.machine_zone)
        self.desktop = self.make_desktop(os.path.join(out, 'screenshots'), tray)
        self.proc = None
        self.starts = 0

    def make_desktop(self, shots, tray):
        return Desktop(shots, tray)

    # --- the program ---------------------------------------------------------------------------

    def spawn(self, *args, **more_env):
        self.starts += 1
        env = dict(self.desktop.env, HOME=self.home, XDG_CONFIG_HOME=self.config,
                   XDG_DATA_HOME=os.path.join(self.home, 'data'),
                   XDG_CACHE_HOME=os.path.join(self.home, 'cache'),
                   XDG_RUNTIME_DIR=os.path.join(self.home, 'runtime'),
                   QT_QPA_PLATFORM='xcb', QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
                   ORBICLOCK_MACHINE_ZONE_FILE=self.machine_zone)
        env.pop('TZ', None)
        env.update(more_env)
        log = open(os.path.join(self.out, f'orbiclock-{self.starts}.log'), 'w')
        return subprocess.Popen([self.binary, *args], env=env, stdout=log, stderr=log)

    def start(self, *args):
        self.proc = self.spawn(*args)
        wait_for('Orbiclock on the accessibility bus', self.app, timeout=20)

    def app(self):
        if self.proc is not None and self.proc.poll() is not None:
            raise Failure(f'Orbiclock ended with {self.proc.returncode}')
        return self.desktop.application(APP)

    def main_window(self):
        return self.desktop.shown_window(APP, TITLE)

    def dialog(self, name):
        return self.desktop.find(self.app(), role='dialog', name=name, depth=1)

    def settings_text(self):
        return (read_bytes(self.settings) or b'').decode()

    def stored_home(self):
        m = re.search(r'^Home%20Country=(-?\d+)$', self.settings_text(), re.M)
        return int(m.group(1)) if m else None

    def close(self):
        if self.proc is not None and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()
        self.desktop.close()

    # --- checks shared by steps ------------------------------------------------------------------

    def check_home_clocks(self):
        """The home time clock shows the home's time, as the system's zone database gives it."""
        def read():
            node = self.desktop.find(self.dialog(TITLE), match=r'Home time \d\d:\d\d:\d\d', depth=2)
            return node.get_name().split()[-1] if node is not None else None
        shown = wait_for('the home time clock with seconds', read)
        expected = datetime.now(ZoneInfo(HOME_ZONE)).strftime('%H:%M:%S')
        diff = (datetime.strptime(shown, '%H:%M:%S') - datetime.strptime(expected, '%H:%M:%S'))
        if min(diff.seconds, 86400 - diff.seconds) > 2:
            raise Failure(f'home time clock shows {shown}, {HOME_ZONE} is at {expected}')
        print(f'  home time clock: {shown} (date: {expected})')

    # --- the steps -----------------------------------------------------------------------------

    def step1_first_start(self):
        """first start: Set Home sheet, home chosen, home clocks on home time"""
        self.start()
        d = self.desktop
        wait_for('the main window', self.main_window)
        sheet = wait_for('the Set Home sheet', lambda: self.dialog('Set Home Country'))
        tree = wait_for('the sheet\'s country tree', lambda: d.find(
            sheet, role='tree', name='Available Countries/Regions'))
        # Click the region, then walk down with the keyboard as a person would, opening each
        # level with Right; the tree scrolls along.
        d.click(wait_for(f'"{HOME_PATH[0]}" in the tree', lambda: d.find(
            tree, role='table cell', name=HOME_PATH[0], depth=2)))
        for name in HOME_PATH[1:]:
            d.key('Right')
            for _ in range(80):
                d.key('Down')
                if self._selected_cell(tree) == name:
                    break
            else:
                raise Failure(f'"{name}" not found under the previous level of the tree')
        self._press(sheet, 'OK')
        wait_for('the sheet to close', lambda: self.dialog('Set Home Country') is None)
        self.check_home_clocks()

    def _selected_cell(self, tree):
        selected = self.desktop.Atspi.StateType.SELECTED
        tree.clear_cache()
        for i in range(tree.get_child_count()):
            cell = tree.get_child_at_index(i)
            if cell is not None and cell.get_state_set().contains(selected):
                return cell.get_name()
        return None

    def _press(self, parent, name):
        """Clicks the enabled button of that name in parent, or in the window of that title."""
        enabled = self.desktop.Atspi.StateType.ENABLED

        def button():
            node = self.desktop.find(self.dialog(parent) if isinstance(parent, str) else parent,
                                     role='push button', name=name)
            return node if node is not None and node.get_state_set().contains(enabled) else None
        self.desktop.click(wait_for(f'an enabled {name} button', button))

    def _icon_centre(self):
        icon = wait_for('the tray icon', lambda: self.desktop.tray_icon(APP))
        return icon['x'] + icon['width'] // 2, icon['y'] + icon['height'] // 2

    def _open_from_tray(self, why):
        """A left click on the icon as the host delivers it: a double-click on trayer's, where a
        single click shows nothing; the item's Activate on a StatusNotifierItem host."""
        d = self.desktop
        if d.tray == 'sni':
            from gi.repository import GLib
            item = wait_for('the icon on the host', d.sni_items)[-1]
            d.bus_call(item, '/StatusNotifierItem', 'org.kde.StatusNotifierItem', 'Activate',
                       GLib.Variant('(ii)', (0, 0)))
        else:
            d.click(self._icon_centre(), repeat=2)
        return wait_for(f'the main window back after a click on the icon {why}', self.main_window)

    def _popup(self):
        """A pop-up menu of the program on the screen."""
        tray = self.desktop.tray_icon(APP)
        return next((w for w in self.desktop.windows(APP)
                     if w != tray and self.desktop.is_popup(w)), None)

    def _ended_cleanly(self, after, term=False):
        if term:
            self.proc.send_signal(signal.SIGTERM)
        try:
            code = self.proc.wait(10)
        except subprocess.TimeoutExpired:
            raise Failure(f'Orbiclock still runs 10 s after {after}')
        if code != 0:
            raise Failure(f'Orbiclock ended with {code} after {after}')
        wait_for('the tray icon to go', lambda: self.desktop.tray_icon(APP) is None)

    def step2_hide_and_tray(self):
        """moved, then Hide: window gone; the tray icon brings it back where it was"""
        d = self.desktop
        d.xdotool('windowmove', wait_for('the main window', self.main_window)['id'], 134, 99)
        wait_for('the window moved', lambda: self.main_window()['x'] == 134)
        self._press(TITLE, 'Hide')
        wait_for('the main window to go', lambda: self.main_window() is None)
        back = self._open_from_tray('after Hide')
        if (back['x'], back['y']) != (134, 99):
            raise Failure(f'shown again at ({back["x"]}, {back["y"]}), not where it was (134, 99)')

    def _question(self):
        return self.desktop.find(self.app(), name=EXIT_QUESTION, depth=4)

    def _answer(self, button):
        self.desktop.request_close(wait_for('the main window', self.main_window)['id'])
        question = wait_for('the exit question', self._question)
        self._press(question.get_parent(), button)
        if button == 'Yes':
            self._ended_cleanly('Yes')

    def step3_close(self):
        """Close: question; No keeps running with settings written; Yes ends"""
        if os.path.exists(self.settings):
            os.remove(self.settings)
        self._answer('No')
        wait_for('the question to go', lambda: self._question() is None)
        time.sleep(0.5)
        if self.proc.poll() is not None:
            raise Failure(f'Orbiclock ended ({self.proc.returncode}) after No')
        if self.stored_home() != HOME_INDEX:
            raise Failure(f'settings after No hold home {self.stored_home()}, not {HOME_INDEX}')
        if not self.main_window():
            raise Failure('the main window went away after No')
        self._answer('Yes')

    def step4_hidden_start(self):
        """"Show At Startup" off: a person's start shows the window, the login's only the icon"""
        if not re.search(r'^Show%20At%20Startup=0$', self.settings_text(), re.M):
            raise Failure('"Show At Startup" is not stored as 0 after the first run')
        self.start()
        wait_for('the window at a start from the menu or a terminal', self.main_window)
        self._answer('Yes')
        self.start('--autostart')
        wait_for('the tray icon', lambda: self.desktop.tray_icon(APP), timeout=15)
        time.sleep(1.0)  # a window shown late would be as wrong as one shown at once
        tray = self.desktop.tray_icon(APP)
        shown = [w for w in self.desktop.windows(APP)
                 if w != tray and w['width'] > 1 and w['height'] > 1]
        if shown:
            raise Failure(f'windows shown at a hidden start: {[w["name"] for w in shown]}')

    def step5_machine_zone_replaced(self):
        """replaced machine zone file: re-check and recompute while running"""
        # The program keeps the zone it applied in its store (the record and the compiled zone
        # file); take them away, so that only a re-check can bring them back, then replace the
        # machine's zone file the way tools do.
        paths = [os.path.join(self.zone_store, name) for name in ('record', 'localtime')]
        store = {path: read_bytes(path) for path in paths}
        if None in store.values():
            raise Failure(f'no zone store files {paths}')
        for path in paths:
            os.remove(path)
        time.sleep(1.0)
        if any(os.path.exists(path) for path in paths):
            raise Failure('the zone store came back without any notice')
        replacement = self.machine_zone + '.new'
        shutil.copyfile('/usr/share/zoneinfo/Asia/Tokyo', replacement)
        os.rename(replacement, self.machine_zone)
        wait_for('the zone store rewritten after the machine zone changed',
                 lambda: all(read_bytes(path) == data for path, data in store.items()))
        # The clocks still give home time: show the window and read them.
        self._open_from_tray('after the zone change')
        self.check_home_clocks()

    def step6_tray_beside_sheet(self):
        """Find sheet open: the tray menu opens at the pointer, Show works"""
        d = self.desktop
        self._press(TITLE, 'Find Country')
        sheet = wait_for('the Find sheet', lambda: self.dialog('Find Country/Region'))
        x, y = self._icon_centre()
        d.xdotool('mousemove', x, y, 'click', 3)
        menu = wait_for('the tray menu over the open sheet', self._popup)
        if menu['x'] + menu['width'] != x:
            raise Failure(f'tray menu at {menu}, not right-aligned at the pointer ({x}, {y})')
        d.click((menu['x'] + menu['width'] // 2, menu['y'] + 12))  # its first item, Show
        wait_for('the menu to close on Show', lambda: self._popup() is None)
        self._press(sheet, 'Cancel')
        wait_for('the sheet to close', lambda: self.dialog('Find Country/Region') is None)

    def step7_sigterm(self):
        """SIGTERM over the map menu: settings saved, clean end"""
        os.remove(self.settings)
        # A pop-up menu runs a loop of its own: the signal must end the program all the same.
        self.desktop.xdotool('mousemove', *self.desktop.centre(self.desktop.find(
            self.dialog(TITLE), name='World map')), 'click', 3)
        wait_for('the map menu', self._popup)
        self._ended_cleanly('SIGTERM', term=True)
        if self.stored_home() != HOME_INDEX:
            raise Failure(f'settings after SIGTERM hold home {self.stored_home()}')

    def step8_one_copy(self):
        """one copy: of two starts at once one hands over and ends, the other's window shows"""
        # Two starts at the same instant, both hidden at start (as at login): one hands over to
        # the other, whose window comes up, and ends.
        pair = [self.spawn('--autostart'), self.spawn('--autostart')]
        ended = wait_for('one of two copies to hand over', lambda: [p for p in pair if
                                                                   p.poll() is not None])
        self.proc = next(p for p in pair if p not in ended)
        if ended[0].returncode != 0 or self.proc.poll() is not None:
            raise Failure(f'two starts ended with {[p.poll() for p in pair]}')
        wait_for('the running copy\'s window', self.main_window)
        time.sleep(1.0)  # an icon added late would be as wrong as one added at once
        if len(self.desktop.tray_icons(APP)) != 1:
            raise Failure(f'{len(self.desktop.tray_icons(APP))} tray icons, expected one')

    def _tab_to(self, node):
        for _ in range(14):
            if node.get_state_set().contains(self.desktop.Atspi.StateType.FOCUSED):
                return
            self.desktop.key('Tab')
        raise Failure(f'Tab never reaches "{node.get_name()}"')

    def step9_keyboard_and_reader(self):
        """keyboard: Tab, Right on the map, Menu on a clock; a reader hears zones, no seconds"""
        d = self.desktop
        window = self.dialog(TITLE)
        self._tab_to(d.find(window, role='tree', name='Countries and regions'))
        world = d.find(window, match='World map: .+')
        # Right opens a level of the tree, then goes down into it, until a place is chosen.
        for _ in range(8):
            if world.get_name().endswith(' selected'):
                break
            d.key('Right')
        if not re.fullmatch(r'World map: GMT\+10:00 lit, .+ selected', world.get_name()):
            raise Failure(f'the map is named "{world.get_name()}" after a place was chosen')
        self._tab_to(world)
        names = d.name_changes(lambda: d.key('Right'), seconds=3)
        if not any(re.fullmatch(r'World map: GMT\+1[01]:\d\d lit', n) for n in names):
            raise Failure(f'no new zone told after Right, only {names}')
        ticks = [n for n in names if re.match(r'(Home|Selected) time', n)]
        if ticks:
            raise Failure(f'the clocks told a screen reader of every second: {ticks}')
        self._tab_to(d.find(window, match='Home time .+'))
        d.key('Menu')
        wait_for('the clock\'s menu from the Menu key', self._popup)
        d.key('Escape')
        wait_for('the menu to close', lambda: self._popup() is None)

    def step10_check_boxes_and_tree_menu(self):
        """mouse on both check boxes; Shift+F10 and Menu on the tree open the window's menu"""
        d = self.desktop
        window = self.dialog(TITLE)
        checked = d.Atspi.StateType.CHECKED
        for name in ('Select time from list only', 'Show daylight saving'):
            box = wait_for(f'the check box "{name}"', lambda: d.find(window, role='check box',
                                                                    name=name), timeout=1)
            for _ in range(2):  # on, then back as it was
                was = box.get_state_set().contains(checked)
                d.click(box)
                wait_for(f'"{name}" toggled by a click',
                         lambda: box.get_state_set().contains(checked) != was, timeout=3)
        tree = d.find(window, role='tree', name='Countries and regions')
        for key in ('shift+F10', 'Menu'):
            self._tab_to(tree)
            d.key(key)
            wait_for(f'the window\'s menu from {key} on the tree', self._popup, timeout=3)
            d.key('Escape')
            wait_for('the menu to close', lambda: self._popup() is None)

    def _laid_out(self):
        """The places of the map and of the controls around it, none over another."""
        d, window = self.desktop, self.dialog(TITLE)
        names = [('World map: .+', None), ('Countries and regions', 'tree'),
                 ('Select time from list only', 'check box'), ('Show daylight saving', 'check box'),
                 *((f'{clock} .+', None) for clock in ('Home date', 'Home time', 'Selected date',
                                                        'Selected time')),
                 *((button, 'push button') for button in ('Set Home', 'Adjust Time',
                                                           'Find Country', 'Hide'))]
        boxes = []
        for name, role in names:
            node = d.find(window, role=role, match=name)
            if node is None:
                raise Failure(f'no "{name}" in the window')
            e = node.get_component_iface().get_extents(d.Atspi.CoordType.SCREEN)
            for other, (x, y, w, h) in boxes:
                if e.x < x + w and x < e.x + e.width and e.y < y + h and y < e.y + e.height:
                    raise Failure(f'"{name}" lies over "{other}"')
            boxes.append((name, (e.x, e.y, e.width, e.height)))
        return boxes[0][1]

    def step11_resized(self):
        """resized and maximised: the map grows at 2:1, nothing overlaps; the size stays"""
        d = self.desktop
        win = wait_for('the main window', self.main_window)
        hints = subprocess.run(['xprop', '-display', d.display, '-id', win['id'], 'WM_NORMAL_HINTS'],
                               capture_output=True, text=True).stdout
        largest = re.search(r'maximum size: (\d+) by (\d+)', hints)
        if largest and (int(largest.group(1)) < 1280 or int(largest.group(2)) < 1024):
            raise Failure(f'the window cannot grow to the screen: {hints}')
        small = self._laid_out()
        # The last as a window manager maximises a window: to the whole screen.
        for width, height in ((900, 640), (1280, 1024), (900, 640)):
            d.xdotool('windowsize', win['id'], width, height)
            wait_for(f'the window at {width} x {height}', lambda: (
                self.main_window()['width'], self.main_window()['height']) == (width, height))
            time.sleep(0.5)
            x, y, w, h = self._laid_out()
            if w - 4 != 2 * (h - 4) or w <= small[2]:
                raise Failure(f'at {width} x {height} the map is {w} x {h}, from {small}')
        place = self.main_window()
        self._answer('Yes')
        self.start()
        again = wait_for('the window after a restart', self.main_window)
        if [again[k] for k in ('x', 'y', 'width', 'height')] != \
                [place[k] for k in ('x', 'y', 'width', 'height')]:
            raise Failure(f'restarted at {again}, not at {place}')

    def step12_command_line(self):
        """command line: --help and --version answer, a bad option or argument ends with 2"""
        rows = [(['--help'], 0,
                 r'Usage: \S*orbiclock \[options\]\n.*--version.*--new-instance.*--autostart'),
                (['--version'], 0, r'orbiclock \d+\.\d+\.\d+\n'),
                (['--frobnicate'], 2, r"^orbiclock: Unknown option 'frobnicate'\.\nTry 'orbiclock "
                                      r"--help' for more information\.$"),
                (['Sydney'], 2, r"^orbiclock: unexpected argument 'Sydney'\.\nTry")]
        for args, status, pattern in rows:
            run = subprocess.run([self.binary, *args], env=self.desktop.env, capture_output=True,
                                 text=True, timeout=30)
            said = run.stdout if status == 0 else run.stderr
            if run.returncode != status or not re.search(pattern, said, re.S | re.M):
                raise Failure(f'{args} ended with {run.returncode}, saying {said!r}')

    def _log(self):
        return (read_bytes(os.path.join(self.out, f'orbiclock-{self.starts}.log')) or b'').decode()

    def step13_silent_bus(self):
        """a name owner, then a session bus, that never answer: a clear word or a run within 2 s"""
        from gi.repository import Gio, GLib
        import socket
        self._ended_cleanly('SIGTERM', term=True)
        # Another program owns the name and takes calls it never answers: their handler would
        # run in this process's main loop, which does not run.
        d = self.desktop
        d.bus_call('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
                   'RequestName', GLib.Variant('(su)', ('io.github.brambleway.orbiclock', 4)))
        node = Gio.DBusNodeInfo.new_for_xml(
            '<node><interface name="org.freedesktop.Application"><method name="Activate">'
            '<arg type="a{sv}" direction="in"/></method></interface></node>')
        d._conn.register_object('/io/github/brambleway/orbiclock', node.interfaces[0],
                                lambda *call: None, None, None)
        started, self.proc = time.monotonic(), self.spawn()
        wait_for('a start facing a silent owner to end', lambda: self.proc.poll() is not None)
        took = time.monotonic() - started
        if self.proc.returncode != 1 or took > 2.0 or '--new-instance' not in self._log():
            raise Failure(f'facing a silent owner: status {self.proc.returncode} after '
                          f'{took:.1f} s, saying {self._log()!r}')
        # A bus that takes connections and never answers, as a frozen bus daemon does.
        with socket.socket(socket.AF_UNIX) as silent:
            silent.bind(os.path.join(self.home, 'silent-bus'))
            silent.listen(16)
            self.proc = self.spawn(DBUS_SESSION_BUS_ADDRESS='unix:path=' + silent.getsockname())
            wait_for('the tray icon within 2 s over a silent bus', lambda: d.tray_icon(APP),
                     timeout=2.0)
            if 'session bus does not answer' not in self._log():
                raise Failure(f'nothing said of the silent bus: {self._log()!r}')
            self._ended_cleanly('SIGTERM over a silent bus', term=True)

    def _pinned(self, pattern):
        """The pinned place's row whose sentence matches, in the main window."""
        return self.desktop.find(self.dialog(TITLE), match=pattern, depth=4)

    def step14_pinned_places(self):
        """three places pinned from Find, one labelled: after a restart in the list, the tray's
        tip and the tray's menu"""
        from gi.repository import GLib
        d = self.desktop
        # The name the step before held without answering goes back to the program.
        d.bus_call('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
                   'ReleaseName', GLib.Variant('(s)', ('io.github.brambleway.orbiclock',)))
        self.start()
        wait_for('the main window', self.main_window)
        self._press(TITLE, 'Find Country')
        sheet = wait_for('the Find sheet', lambda: self.dialog('Find Country/Region'))
        for city in ('Tokyo', 'Chicago', 'Berlin'):
            d.key('ctrl+a')
            d.xdotool('type', '--delay', 40, city.lower())
            wait_for(f'{city} found', lambda: d.find(sheet, role='table cell',
                                                    match=rf'{city}, .*', depth=6))
            d.key('ctrl+p')
            wait_for(f'{city} pinned', lambda: self._pinned(rf'{city}, \d\d:\d\d.*'))
        self._press(sheet, 'Cancel')
        wait_for('the sheet to close', lambda: self.dialog('Find Country/Region') is None)
        d.click(self._pinned(r'Tokyo, .*'))  # selects Tokyo's place too
        wait_for('Tokyo selected',
                 lambda: d.find(self.dialog(TITLE), match=r'World map: .*Tokyo.* selected'))
        d.key('F2')
        time.sleep(0.5)  # the editor comes up
        d.key('M', 'u', 'm')
        time.sleep(0.5)
        d.key('Return')
        wait_for('Tokyo labelled', lambda: self._pinned(r'Mum, Tokyo, \d\d:\d\d.*'))
        self._ended_cleanly('SIGTERM with pins', term=True)

        self.start()
        wait_for('the main window', self.main_window)
        for pattern in (r'Mum, Tokyo, \d\d:\d\d.*, \d+ hours? (ahead|behind).*',
                        r'Chicago, \d\d:\d\d.*', r'Berlin, \d\d:\d\d.*'):
            wait_for(f'a row "{pattern}" after the restart', lambda: self._pinned(pattern))
        x, y = self._icon_centre()
        d.xdotool('mousemove', x, y)
        tip = wait_for('the tray tip', lambda: d.find(self.app(), role='tool tip', depth=3),
                       timeout=15)
        lines = re.findall(r'^(Mum|Chicago|Berlin) \d\d:\d\d', tip.get_name(), re.M)
        if lines != ['Mum', 'Chicago', 'Berlin']:
            raise Failure(f'the tray tip lists {lines}: {tip.get_name()!r}')
        # The tray's menu lists the pins first, in their order: each selects its place.
        for down, city in ((2, 'Chicago'), (3, 'Berlin'), (1, 'Tokyo')):
            d.xdotool('mousemove', x, y, 'click', 3)
            wait_for('the tray menu', self._popup)
            d.key(*['Down'] * down, 'Return')
            wait_for(f'{city} selected from the tray menu', lambda: d.find(
                self.dialog(TITLE), match=rf'World map: .*{city}.* selected'))
            wait_for('the menu to close', lambda: self._popup() is None)

    def step15_german(self):
        """in German: the window and the Find sheet, finding Deutschland and Vereinigte Staaten"""
        d = self.desktop
        if self.proc is not None and self.proc.poll() is None:
            self._ended_cleanly('SIGTERM before the German start', term=True)
        self.proc = self.spawn(LANGUAGE='de', LC_ALL='C.UTF-8')
        wait_for('Orbiclock on the accessibility bus', self.app, timeout=20)
        wait_for('the main window', self.main_window)
        for name in ('Ausblenden', 'Heimatort', 'Land suchen'):
            wait_for(f'the button "{name}"', lambda: d.find(
                self.dialog(TITLE), role='push button', name=name))
        self._press(TITLE, 'Land suchen')
        sheet = wait_for('the Find sheet in German', lambda: self.dialog('Land/Region suchen'))
        edit = wait_for('its search field', lambda: d.find(sheet, role='text', name='Gesuchtes Land'))
        for typed in ('Deutschland', 'Vereinigte Staaten'):
            d.click(edit)
            d.key('ctrl+a', 'BackSpace')
            d.xdotool('type', '--delay', 20, typed)
            wait_for(f'"{typed}" among the matches', lambda: d.find(sheet, name=typed, depth=12))
        self._press(sheet, 'Abbrechen')
        wait_for('the sheet to close', lambda: self.dialog('Land/Region suchen') is None)
        x, y = self._icon_centre()
        d.xdotool('mousemove', x, y, 'click', 3)
        wait_for('the tray menu', self._popup)
        # The tray's menu is no part of the accessibility tree: its picture is kept instead.
        d.screenshot('15-tray-menu-in-german')
        d.key('Escape')
        self._ended_cleanly('SIGTERM in German', term=True)


STEPS = [step for name, step in vars(Run).items() if name.startswith('step')]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--binary', required=True)
    parser.add_argument('--out', required=True)
    parser.add_argument('--tray', default='trayer', choices=('trayer', 'sni', 'wayland'))
    args = parser.parse_args()
    runner, steps = Run, STEPS if args.tray == 'trayer' else STEPS[:2]
    if args.tray == 'wayland':
        from e2e_wayland import STEPS as steps, WaylandRun as runner
    run = runner(os.path.abspath(args.binary), os.path.abspath(args.out), args.tray)
    try:
        # Each step starts where the one before left the program: the first failure ends the run.
        for number, step in enumerate(steps, 1):
            started, title = time.monotonic(), step.__doc__
            try:
                step(run)
            except Failure as e:
                run.desktop.screenshot(f'{number}-failed')
                print(f'step {number}: FAILED: {e} ({title})', flush=True)
                return 1
            print(f'step {number}: passed in {time.monotonic() - started:.1f} s ({title})',
                  flush=True)
    finally:
        run.close()
        print(f'screenshots and logs: {args.out}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
