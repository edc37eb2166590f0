#!/usr/bin/env bash
# Runs a Windows program under wine64 for ctest. Its output goes through a file, so that the
# Wine processes it may start (the desktop, services) do not keep ctest's pipe open.
out=$(mktemp)
trap 'rm -f "$out"' EXIT
PATH="/usr/lib/wine:$PATH" wine64 "$@" >"$out" 2>&1 </dev/null
status=$?
cat "$out"
exit $status
