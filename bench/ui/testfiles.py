"""Test pages for the user-level measurements: synthetic HTML in the code page windows-1252
with CR LF line ends and German umlauts, lines of about 69 characters; and two pathological
files, one line of 60 MB and one line of 1 MB, with small files that show the same first
screens."""

import os

# One block of varied markup, each line about 69 characters, written as windows-1252 bytes.
BLOCK_LINES = [
    '<tr><td class="zelle">Grüße aus Köln</td><td width="80">Maß</td></tr>',
    '  <p>Übergröße, Äpfel und Öl: schön bunte Häuser am Fluss.</p>   ',
    '<!-- Kommentar: die Tabelle zeigt Öffnungszeiten für März  -->   ',
    '<a href="seite.html#anker" title="Zur Übersicht">weiter</a><br />',
    '  <div style="color: #FF0000; font-size: 1.2em;">Straße</div>    ',
    '<img src="bild.jpg" alt="Gebäude" width="320" height="200" />    ',
    '<li><b>fett</b> und <i>kursiv</i> &amp; &nbsp;Füße im Schnee</li>',
    '<script type="text/javascript">var zähler = 0; zähler++;</script>',
]
BLOCK = ''.join(line + '\r\n' for line in BLOCK_LINES).encode('cp1252')

HEAD = ('<!DOCTYPE html>\r\n<html>\r\n<head><title>Große Seite</title></head>\r\n'
        '<body>\r\n<table>\r\n').encode('cp1252')
TAIL = '</table>\r\n</body>\r\n</html>\r\n'.encode('cp1252')

# A long line: markup without line breaks, as minified pages and generated files have it.
LONG_UNIT = '<span class="w">Wört</span><b>Äß</b>'.encode('cp1252')

MB = 1024 * 1024


def write_repeated(path, head, unit, tail, size):
    """Writes head, unit repeated to about `size` bytes, tail; only when missing or stale."""
    if os.path.exists(path) and abs(os.path.getsize(path) - size) < len(unit) + 4096:
        return path
    count = max(1, (size - len(head) - len(tail)) // len(unit))
    chunk_units = max(1, MB // len(unit))
    with open(path + '.part', 'wb') as out:
        out.write(head)
        written = 0
        chunk = unit * chunk_units
        while written + chunk_units <= count:
            out.write(chunk)
            written += chunk_units
        out.write(unit * (count - written))
        out.write(tail)
    os.replace(path + '.part', path)
    return path


def make_files(folder):
    """Creates the test files in `folder` (kept between runs) and returns {name: path}."""
    os.makedirs(folder, exist_ok=True)
    files = {}
    for megabytes in (1, 10, 50):
        name = 'page%dmb' % megabytes
        files[name] = write_repeated(os.path.join(folder, name + '.html'), HEAD, BLOCK, TAIL,
                                     megabytes * MB)
    files['line60mb'] = write_repeated(os.path.join(folder, 'line60mb.html'), b'<p>', LONG_UNIT,
                                       b'</p>\r\n', 60 * MB)
    files['line1mb'] = write_repeated(os.path.join(folder, 'line1mb.html'), HEAD, LONG_UNIT,
                                      b'\r\n' + TAIL, 1 * MB)
    # The same first screens from small files, to tell what the long lines themselves cost.
    files['line60mb_screen'] = write_repeated(os.path.join(folder, 'line60mb_screen.html'),
                                              b'<p>', LONG_UNIT, b'</p>\r\n', 3 * 1024)
    files['line1mb_screen'] = write_repeated(os.path.join(folder, 'line1mb_screen.html'), HEAD,
                                             LONG_UNIT, b'\r\n' + TAIL, 3 * 1024)
    return files
