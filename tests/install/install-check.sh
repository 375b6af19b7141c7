#!/bin/sh
# Installs the build into a fresh prefix, checks that exactly the program, its browser module and
# its data arrive, and starts the installed program.
set -eu
cmake=$1 build=$2 prefix=$3 version=$4 libdir=$5

rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

expected="bin/html-editor
$libdir/html-editor/html-editor-browser.so
share/applications/de.kalmora.htmleditor.desktop
share/html-editor/examples/beispiel.css
share/html-editor/examples/beispiel.html
share/html-editor/help/help_Liste.rtf
share/icons/hicolor/scalable/apps/de.kalmora.htmleditor.svg
share/man/man1/html-editor.1
share/metainfo/de.kalmora.htmleditor.metainfo.xml"
status=0
for file in $expected; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file"; status=1; }
done
# Nothing else but the help topics: no other libraries, no headers or test programs.
unexpected=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort \
    | grep -v -x -F "$expected" | grep -v '^share/html-editor/help/' || true)
[ -z "$unexpected" ] || { echo "installed but not expected:"; echo "$unexpected"; status=1; }

[ -x "$prefix/bin/html-editor" ] || { echo "program not executable"; exit 1; }
answer=$("$prefix/bin/html-editor" --version)
[ "$answer" = "HTML-Editor $version" ] || { echo "--version said: $answer"; status=1; }
exit $status
