#!/usr/bin/env bash
# Runs the art generator twice into fresh folders and compares every byte.
set -euo pipefail
generator="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$generator" "$work/one"
"$generator" "$work/two"
count="$(find "$work/one" -type f | wc -l)"
[ "$count" -gt 100 ] || { echo "only $count files generated"; exit 1; }
diff -r "$work/one" "$work/two"
echo "$count files, identical"
