#!/usr/bin/python3
"""What a user of html-editor experiences on big files, measured on a virtual X display, beside
a peer editor when one is installed (Debian's kwrite or kate).

For every scenario the program is started afresh on an Xvfb screen of 1600 x 1000:

- start to idle: from starting the process to the last moment it used the CPU before a quiet
  spell of 0.3 s (a thread that waits for the CPU counts as busy, so a loaded machine slows
  the figure but cannot cut it short);
- first text visible: the moment of the repaint after which the editor area shows lines of
  text (rows of the screen with anti-aliased glyphs, read back from the X server);
- peak memory: VmHWM of the process once it is idle; for the one-line files also what it is
  over the same editor showing the same first screen from a file of 3 KB, as a multiple of the
  file's size;
- key press to repainted line: a key sent through XTEST, until the X server reports (DAMAGE)
  a repaint of the typed line; median of 12 keys after a key that is not counted;
- keys during the load (50 MB): one key every 0.2 s from the first text on, the worst answer;
- Ctrl+End to idle.

The machine's load average is printed with every run; run the final tables when the machine
is quiet and compare CPU seconds when it is not. Not part of the test run.

    bench/ui/measure.py --editor build/src/app/html-editor --runs 3
    bench/ui/measure.py --only page1mb,start --runs 5 --peer none

Needs: xvfb, python3-xlib, imagemagick (only for --shots); a peer editor is optional.
"""

import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import procwatch  # noqa: E402
import testfiles  # noqa: E402
import xsession  # noqa: E402

MIB = 1024 * 1024

# Scenario name -> (test file or None, what is measured besides start, first text and idle).
SCENARIOS = {
    'start': (None, set()),
    'page1mb': ('page1mb', {'keys'}),
    'page10mb': ('page10mb', {'keys'}),
    'page50mb': ('page50mb', {'load_keys', 'ctrl_end'}),
    'line1mb': ('line1mb', {'keys', 'one_line'}),
    'line60mb': ('line60mb', {'keys', 'one_line', 'note'}),
    # The same first screens from files of 3 KB: what a window costs without the big line.
    'line1mb_screen': ('line1mb_screen', {'one_line'}),
    'line60mb_screen': ('line60mb_screen', {'one_line'}),
}


class Editor:
    """How to start one editor with a clean set of settings."""

    def __init__(self, name, command, scratch):
        self.name = name
        self.command = command
        home = os.path.join(scratch, name)
        os.makedirs(os.path.join(home, 'runtime'), mode=0o700, exist_ok=True)
        self.env = dict(os.environ)
        self.env.update({
            'HOME': home,
            'XDG_CONFIG_HOME': os.path.join(home, 'config'),
            'XDG_DATA_HOME': os.path.join(home, 'data'),
            'XDG_CACHE_HOME': os.path.join(home, 'cache'),
            'XDG_RUNTIME_DIR': os.path.join(home, 'runtime'),
            'HTML_EDITOR_REGISTRY': os.path.join(home, 'registry.json'),
            'HTML_EDITOR_HOME': os.path.join(home, 'editor-home'),
        })
        self.env.pop('QT_QPA_PLATFORM', None)
        if os.geteuid() == 0:
            self.env['QTWEBENGINE_DISABLE_SANDBOX'] = '1'

    def start(self, display_name, path):
        env = dict(self.env, DISPLAY=display_name)
        args = self.command + ([path] if path else [])
        return subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                start_new_session=True)


def text_region(window):
    """Where the editors show their first lines: below menus and tool bars, left part."""
    x, y, width, height = window
    top = y + 100
    return (x + 8, top, min(800, width - 16), max(40, min(height - 160, 700)))


class Run:
    """One start of an editor on one file, measured from the process start."""

    def __init__(self, screen, editor, path, extras, options):
        self.screen = screen
        self.editor = editor
        self.path = path
        self.extras = extras
        self.options = options
        self.result = {'load': procwatch.load_average()}
        # The typed line as an earlier run of this editor found it; keys during a load need it.
        self.band = options.bands.get(editor.name)

    def execute(self):
        self.start = time.perf_counter()
        self.child = self.editor.start(self.screen.display.get_display_name(), self.path)
        self.process = procwatch.Process(self.child.pid)
        try:
            if self.open_until_idle():
                self.after_idle()
        finally:
            self.end()
        self.result['load'] = max(self.result['load'], procwatch.load_average())
        return self.result

    def end(self):
        try:
            os.killpg(self.child.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.child.wait()

    def stopped(self, now):
        """True (with the reason noted) when the run must stop: time or memory ran out."""
        if not self.process.alive():
            self.result['failed'] = 'ended'
            return True
        if now - self.start > self.options.timeout:
            self.result['failed'] = 'timeout'
            return True
        rss, hwm = self.process.memory()
        self.result['hwm'] = hwm
        if rss > self.options.memory_limit * MIB:
            self.result['failed'] = 'memory'
            return True
        return False

    def open_until_idle(self):
        tracker = procwatch.IdleTracker(self.process, self.start)
        window = None
        last_damage = self.start
        next_check = self.start
        needed_rows = 6 if 'one_line' in self.extras else 120
        key = None
        while True:
            damages = self.screen.pump(0.004)
            now = time.perf_counter()
            if damages:
                last_damage = damages[-1].time
            if self.stopped(now):
                return False
            idle = tracker.sample(now)
            if window is None and now >= next_check:
                window = self.screen.window_of(self.child.pid)
                next_check = now + 0.01
                if window:
                    # Without damage seen yet, the moment the window was found bounds it.
                    shown = last_damage if last_damage > self.start else now
                    self.result['window'] = shown - self.start
                    self.region = text_region(window)
                    self.window = window
            if window and self.path and 'first' not in self.result and now >= next_check:
                checked = time.perf_counter()
                rows = self.screen.ink_rows(self.region)
                next_check = time.perf_counter() + 0.01
                if len(rows) >= needed_rows:
                    # Damage reported while the pixels were read back has not been seen yet:
                    # the repaint that showed the text came before the read, which bounds it.
                    if self.screen.pump(0) or last_damage <= self.start:
                        last_damage = checked
                    self.result['first'] = last_damage - self.start
                    if self.options.shots:
                        self.screen.save(self.options.shots + '-first.png')
            if 'load_keys' in self.extras and 'first' in self.result:
                key = self.type_during_load(key, damages, now)
            ready = window and ('first' in self.result or not self.path)
            if ready and idle and key is None:
                self.result['idle'] = tracker.last_activity - self.start
                self.result['cpu'] = self.process.cpu_seconds()
                self.result['hwm'] = self.process.memory()[1]
                return True

    def find_typed_line(self):
        """The rows of the line that keys type into: what a second key changes on the screen
        (the first may also change a caption or a status text)."""
        x, y, width, height = self.window
        area = (x + 8, y + 30, min(800, width - 16), height - 70)
        self.key_latency()
        time.sleep(0.3)
        before = self.screen.rows(area)
        self.key_latency()
        time.sleep(0.3)
        after = self.screen.rows(area)
        changed = [area[1] + i for i, (a, b) in enumerate(zip(before, after)) if a != b]
        band = xsession.first_band(changed)
        if band:
            self.band = (band[0] - 2, band[1] + 2)
            self.options.bands[self.editor.name] = self.band

    def type_during_load(self, key, damages, now):
        """One key every 0.2 s while the text is still coming in (at most 10); returns the key
        still waiting for its repaint, or None."""
        answers = self.result.setdefault('load_keys', [])
        if key is not None:
            for d in damages:
                if self.answers(d, key):
                    answers.append(d.time - key)
                    return None
            if now - key > 5.0:
                answers.append(float('inf'))
                return None
            return key
        sent = len(answers)
        if sent < 10 and now - self.result['first'] - self.start >= 0.2 * sent:
            return self.screen.key('x')
        return None

    def answers(self, d, sent):
        """Whether a repaint answers a key: on the typed line (before that line is known,
        anywhere in the text area), wider than a caret."""
        if d.time < sent or d.width < 8:
            return False
        if self.band:
            return d.crosses_rows(*self.band)
        x, y, width, height = self.window
        return d.crosses_rows(y + 30, y + height - 40)

    def key_latency(self):
        # Damage reported before the key must not be taken for its answer.
        self.screen.pump(0)
        sent = self.screen.key('x')
        while time.perf_counter() - sent < 2.0:
            for d in self.screen.pump(0.002):
                if self.answers(d, sent):
                    return d.time - sent
        return float('inf')

    def after_idle(self):
        if 'note' in self.extras:
            # html-editor tells in a message box that the line is shown cut; Escape closes it
            # (and does nothing in a peer that shows none).
            self.screen.key('Escape')
            time.sleep(0.3)
        if 'keys' in self.extras:
            self.find_typed_line()
            if self.band is None:
                return
            latencies = []
            for _ in range(12):
                time.sleep(0.15)
                latencies.append(self.key_latency())
            self.result['keys'] = latencies
        if 'ctrl_end' in self.extras:
            time.sleep(0.3)
            sent = self.screen.key('End', ('Control_L',))
            tracker = procwatch.IdleTracker(self.process, sent)
            while not tracker.sample(time.perf_counter()):
                self.screen.pump(0.004)
                if time.perf_counter() - sent > 60:
                    break
            self.result['ctrl_end'] = tracker.last_activity - sent
            if self.options.shots:
                self.screen.save(self.options.shots + '-end.png')


def median(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else None


def seconds(value):
    if value is None:
        return '—'
    return '%.2f s' % value if value != float('inf') else 'never'


def millis(value):
    if value is None:
        return '—'
    return '%.1f ms' % (value * 1000) if value != float('inf') else 'never'


def mebibytes(value):
    return '—' if value is None else '%d MiB' % round(value / MIB)


class Results:
    """All runs, by editor and scenario; prints the issue's table from their medians."""

    def __init__(self, sizes):
        self.runs = {}
        self.sizes = sizes

    def add(self, editor, scenario, result):
        self.runs.setdefault((editor, scenario), []).append(result)

    def values(self, editor, scenario, field):
        return [r.get(field) for r in self.runs.get((editor, scenario), [])]

    def med(self, editor, scenario, field):
        return median(self.values(editor, scenario, field))

    def key_median(self, editor, scenario, field='keys'):
        per_run = [median(r) for r in self.values(editor, scenario, field) if r]
        return median(per_run)

    def failures(self, editor, scenario):
        reasons = [r['failed'] for r in self.runs.get((editor, scenario), []) if 'failed' in r]
        return reasons[0] if reasons else None

    def cell(self, editor, row):
        return row(self, editor)

    def table(self, editors):
        rows = [
            ('start, no file, to idle', lambda r, e: seconds(r.med(e, 'start', 'idle')),
             '≤ 0.10 s'),
            ('open 1 MB, first text visible', lambda r, e: r.first(e, 'page1mb'), '≤ 0.15 s'),
            ('open 10 MB, first text visible', lambda r, e: r.first(e, 'page10mb'), '≤ 0.25 s'),
            ('open 50 MB, first text visible', lambda r, e: r.first(e, 'page50mb'),
             '≤ 0.40 s'),
            ('keys during the 50 MB load, worst answer', lambda r, e: r.load_keys(e),
             '≤ 100 ms'),
            ('open 1 / 10 / 50 MB, to idle', lambda r, e: ' / '.join(
                seconds(r.med(e, s, 'idle')) for s in ('page1mb', 'page10mb', 'page50mb')), ''),
            ('open 1 / 10 / 50 MB, CPU time to idle', lambda r, e: ' / '.join(
                seconds(r.med(e, s, 'cpu')) for s in ('page1mb', 'page10mb', 'page50mb')), ''),
            ('peak memory, 10 MB open', lambda r, e: mebibytes(r.med(e, 'page10mb', 'hwm')),
             '≤ 150 MiB'),
            ('peak memory, 50 MB open', lambda r, e: mebibytes(r.med(e, 'page50mb', 'hwm')),
             '≤ 300 MiB'),
            ('key press to repainted line, median, 1 MB / 10 MB', lambda r, e: '%s / %s' % (
                millis(r.key_median(e, 'page1mb')), millis(r.key_median(e, 'page10mb'))),
             '≤ 1.5 ms at both'),
            ('Ctrl+End on 50 MB, to idle',
             lambda r, e: seconds(r.med(e, 'page50mb', 'ctrl_end')), '≤ 0.05 s'),
            ('one 60 MB line', lambda r, e: r.pathological(e, 'line60mb'),
             'opens in ≤ 2 s, responsive, memory ≤ 3× the file'),
            ('one 1 MB line', lambda r, e: r.pathological(e, 'line1mb'), 'as above'),
        ]
        lines = ['| metric | ' + ' | '.join(editors) + ' | target |',
                 '|---|' + '---|' * len(editors) + '---|']
        for title, cell, target in rows:
            lines.append('| %s | %s | %s |' % (
                title, ' | '.join(cell(self, e) for e in editors), target))
        return '\n'.join(lines)

    def first(self, editor, scenario):
        failed = self.failures(editor, scenario)
        value = seconds(self.med(editor, scenario, 'first'))
        return value + (' (%s)' % failed if failed else '')

    def load_keys(self, editor):
        worst = [max(keys) for keys in self.values(editor, 'page50mb', 'load_keys') if keys]
        if not worst:
            return '—'
        return millis(median(worst)) + ' (%d keys a run)' % len(
            self.values(editor, 'page50mb', 'load_keys')[0] or [])

    def pathological(self, editor, scenario):
        failed = self.failures(editor, scenario)
        if failed:
            return 'stopped: %s, %s' % (failed, mebibytes(self.med(editor, scenario, 'hwm')))
        return 'text %s, idle %s, %s%s, key %s' % (
            seconds(self.med(editor, scenario, 'first')), seconds(self.med(editor, scenario,
                                                                           'idle')),
            mebibytes(self.med(editor, scenario, 'hwm')), self.over_screen(editor, scenario),
            millis(self.key_median(editor, scenario)))

    def over_screen(self, editor, scenario):
        """The peak over the same first screen from a small file, in file sizes."""
        hwm = self.med(editor, scenario, 'hwm')
        screen = self.med(editor, scenario + '_screen', 'hwm')
        if hwm is None or screen is None:
            return ''
        return ' (%.1f× the file over the same screen)' % ((hwm - screen) / self.sizes[scenario])


def find_peer(choice):
    if choice == 'none':
        return None
    for name in ([choice] if choice != 'auto' else ['kwrite', 'kate']):
        path = shutil.which(name)
        if path:
            return name, [path] + (['--new'] if name == 'kate' else [])
    return None


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument('--editor', default=os.path.join(here, '../../build/src/app/html-editor'))
    parser.add_argument('--peer', default='auto', help='kwrite, kate, none or auto')
    parser.add_argument('--runs', type=int, default=3)
    parser.add_argument('--only', help='scenarios, comma-separated: ' + ', '.join(SCENARIOS))
    parser.add_argument('--files', default=os.path.join(tempfile.gettempdir(), 'html-editor-ui'),
                        help='folder for the test files (kept for the next run)')
    parser.add_argument('--timeout', type=float, default=60.0, help='seconds per run at most')
    parser.add_argument('--memory-limit', type=int, default=4096, help='MiB; stops the run')
    parser.add_argument('--shots', help='screenshot prefix (first text, after Ctrl+End)')
    options = parser.parse_args()
    options.bands = {}

    files = testfiles.make_files(options.files)
    scenarios = options.only.split(',') if options.only else list(SCENARIOS)
    scratch = tempfile.mkdtemp(prefix='ui-measure-')
    editors = [Editor('html-editor', [os.path.abspath(options.editor)], scratch)]
    peer = find_peer(options.peer)
    if peer:
        editors.append(Editor(peer[0], peer[1], scratch))
    server = xsession.VirtualDisplay()
    screen = xsession.Screen(server.name)
    results = Results({name: os.path.getsize(path) for name, path in files.items()})
    shots = options.shots
    try:
        for run in range(options.runs):
            for scenario in scenarios:
                name, extras = SCENARIOS[scenario]
                for editor in editors:
                    options.shots = shots and '%s-%s-%s-%d' % (shots, editor.name, scenario, run)
                    result = Run(screen, editor, files.get(name), extras, options).execute()
                    results.add(editor.name, scenario, result)
                    print('run %d %-8s %-11s %s' % (run + 1, scenario, editor.name,
                                                   describe(result)), flush=True)
                    time.sleep(0.5)
    finally:
        screen.close()
        server.close()
        shutil.rmtree(scratch, ignore_errors=True)
    loads = [r['load'] for runs in results.runs.values() for r in runs]
    print()
    print('Xvfb 1600x1000, medians of %d runs; load average during the runs %.1f to %.1f on %d '
          'cores' % (options.runs, min(loads), max(loads), os.cpu_count()))
    print()
    print(results.table([e.name for e in editors]))


def describe(result):
    parts = []
    for field in ('window', 'first', 'idle', 'cpu', 'ctrl_end'):
        if field in result:
            parts.append('%s %s' % (field, seconds(result[field])))
    if 'hwm' in result:
        parts.append('hwm ' + mebibytes(result['hwm']))
    for field in ('keys', 'load_keys'):
        if result.get(field):
            parts.append('%s med %s max %s' % (field, millis(median(result[field])),
                                               millis(max(result[field]))))
    if 'failed' in result:
        parts.append('STOPPED: ' + result['failed'])
    parts.append('load %.1f' % result['load'])
    return ', '.join(parts)


if __name__ == '__main__':
    main()
