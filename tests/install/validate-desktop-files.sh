#!/bin/sh
# Runs the validators of desktop entries and AppStream metainfo; exit code 77 (skipped) when
# they are not installed.
set -u
desktop=$1 metainfo=$2
if ! command -v desktop-file-validate >/dev/null || ! command -v appstreamcli >/dev/null; then
    echo "desktop-file-validate or appstreamcli not installed (packages desktop-file-utils, appstream): skipped"
    exit 77
fi
status=0
desktop-file-validate "$desktop" || status=1
appstreamcli validate --no-net --pedantic "$metainfo" || status=1
exit $status
