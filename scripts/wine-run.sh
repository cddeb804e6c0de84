#!/usr/bin/env bash
# Runs a Windows program under Wine in the prefix of the current test run.
: "${WINEPREFIX:?WINEPREFIX is not set: run the tests through ./test.sh}"
export WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$@"
