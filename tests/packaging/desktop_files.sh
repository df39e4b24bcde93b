#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators, the metainfo with no
# remark at all (pedantic ones included).
set -u
packaging=$1
status=0
# desktop-file-validate passes warnings with status 0: anything it says is a failure here.
problems=$(desktop-file-validate "$packaging/cz.brellik.brellik.desktop" 2>&1) &&
    [ -z "$problems" ] ||
    { echo "$problems"; echo "FAIL: desktop entry"; status=1; }
remarks=$(appstreamcli validate --pedantic --no-net "$packaging/cz.brellik.brellik.metainfo.xml" 2>&1) &&
    [ "$(echo "$remarks" | sed 's/^[^A-Za-z]*//')" = "Validation was successful." ] ||
    { echo "$remarks"; echo "FAIL: metainfo"; status=1; }
[ $status -eq 0 ] && echo "desktop entry and metainfo valid"
exit $status
