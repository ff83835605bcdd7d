#!/bin/sh
# Runs a Windows program under Wine for the tests: wine-run.sh <wine> <program> [args...].
#
# Wine's own diagnostics are silenced, so that the program's standard error holds
# only its own. Wine's server, and through wineboot its prefix (made quietly the
# first time) and its helper processes, are started here, detached from the
# test's output, and the server stays ten seconds after the last program ends:
# started by the program itself, they would hold its output open, and the test
# runner would wait for them to go away.
wine=$1
shift
export WINEDEBUG=-all
"$(dirname "$wine")/wineserver" -p10 </dev/null >/dev/null 2>&1
"$wine" wineboot </dev/null >/dev/null 2>&1
exec "$wine" "$@"
