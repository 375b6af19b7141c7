"""A virtual X display and what the measurements need from it: the program's window, damage
reports (what was repainted, and when), keys sent through the XTEST extension, and the pixels of
a screen region. Needs Debian's xvfb and python3-xlib."""

import os
import select
import subprocess
import time

from Xlib import X, XK, display
from Xlib.ext import damage, xtest


class VirtualDisplay:
    """An Xvfb server of the given size, ended by close()."""

    def __init__(self, width=1600, height=1000):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ['Xvfb', '-displayfd', str(write_end), '-screen', '0', '%dx%dx24' % (width, height),
             '-nolisten', 'tcp', '-noreset'],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b''
        while not number.endswith(b'\n'):
            chunk = os.read(read_end, 16)
            if not chunk:
                raise RuntimeError('Xvfb did not start')
            number += chunk
        os.close(read_end)
        self.name = ':' + number.decode().strip()

    def close(self):
        self.process.terminate()
        self.process.wait()


class Damage:
    """One repainted rectangle, with the moment it was reported."""

    __slots__ = ('time', 'x', 'y', 'width', 'height')

    def __init__(self, when, area):
        self.time = when
        self.x, self.y, self.width, self.height = area.x, area.y, area.width, area.height

    def crosses_rows(self, top, bottom):
        return self.y < bottom and self.y + self.height > top


class Screen:
    """The measuring client's connection: damage of the whole screen, XTEST keys, pixels."""

    def __init__(self, name):
        self.display = display.Display(name)
        self.root = self.display.screen().root
        if not self.display.has_extension('DAMAGE') or not self.display.has_extension('XTEST'):
            raise RuntimeError('the X server lacks DAMAGE or XTEST')
        self.display.damage_query_version()
        # Every drawing on the screen is reported as its own rectangle; nothing to subtract.
        self.root.damage_create(damage.DamageReportRawRectangles)
        self.damage_event = self.display.extension_event.DamageNotify
        self.pid_atom = self.display.intern_atom('_NET_WM_PID')
        self.display.sync()

    def pump(self, timeout):
        """Waits up to `timeout` seconds for events and returns the damage reported meanwhile."""
        found = []
        if not self.display.pending_events():
            select.select([self.display.fileno()], [], [], max(0.0, timeout))
        while self.display.pending_events():
            event = self.display.next_event()
            if event.type == self.damage_event:
                found.append(Damage(time.perf_counter(), event.area))
        return found

    def window_of(self, pid):
        """Geometry (x, y, width, height) of the largest mapped top-level window of the process,
        or None while it has none."""
        best = None
        for window in self.root.query_tree().children:
            try:
                if window.get_attributes().map_state != X.IsViewable:
                    continue
                prop = window.get_full_property(self.pid_atom, X.AnyPropertyType)
                if not prop or prop.value[0] != pid:
                    continue
                geometry = window.get_geometry()
            except Exception:  # the window went away meanwhile
                continue
            if best is None or geometry.width * geometry.height > best[2] * best[3]:
                best = (geometry.x, geometry.y, geometry.width, geometry.height)
        return best

    def key(self, keysym_name, modifiers=()):
        """Presses and releases a key (with held modifier keys); returns the moment the press
        was sent."""
        codes = [self.display.keysym_to_keycode(XK.string_to_keysym(m)) for m in modifiers]
        code = self.display.keysym_to_keycode(XK.string_to_keysym(keysym_name))
        for modifier in codes:
            xtest.fake_input(self.display, X.KeyPress, modifier)
        sent = time.perf_counter()
        xtest.fake_input(self.display, X.KeyPress, code)
        xtest.fake_input(self.display, X.KeyRelease, code)
        for modifier in reversed(codes):
            xtest.fake_input(self.display, X.KeyRelease, modifier)
        self.display.flush()
        return sent

    def ink_rows(self, region):
        """Row numbers (screen y) of the region that show text: rows with many distinct pixel
        values, which anti-aliased glyphs give and plain backgrounds, frames and edges do not."""
        x, y, width, height = region
        image = self.root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF)
        pixels = memoryview(image.data).cast('I')
        rows = []
        for row in range(0, height):
            if len(set(pixels[row * width:(row + 1) * width])) >= 8:
                rows.append(y + row)
        return rows

    def rows(self, region):
        """The pixel rows of a region, each as bytes."""
        x, y, width, height = region
        data = self.root.get_image(x, y, width, height, X.ZPixmap, 0xFFFFFFFF).data
        return [data[row * width * 4:(row + 1) * width * 4] for row in range(height)]

    def save(self, path):
        """A screenshot of the whole screen (for looking at what was measured)."""
        subprocess.run(['import', '-display', self.display.get_display_name(), '-window', 'root',
                        path], check=False)

    def close(self):
        self.display.close()


def first_band(rows, gap=3):
    """The first run of neighbouring ink rows: the glyph rows of the topmost text line."""
    if not rows:
        return None
    top = bottom = rows[0]
    for row in rows[1:]:
        if row - bottom > gap:
            break
        bottom = row
    return top, bottom + 1
