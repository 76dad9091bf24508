#!/usr/bin/env bash
# wine-run.sh WINE64 PROGRAM [ARGS...] - runs a Windows console program of the
# cross build under Wine: quietly (no Wine debug channels), in a Wine prefix of
# the project's own (created on the first run; WINEPREFIX overrides it), with
# the program's CR LF line ends on stdout and stderr turned into LF. Exits with
# the program's exit code.
set -uo pipefail
wine64=$1
shift
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zrvreport/wine64}"
export WINEDEBUG=-all
# No Mono and no Gecko: console programs need neither, and without them the
# first run does not try to install them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# The test data folder as the Windows programs see it: on drive Z:, Wine's
# view of the Unix root.
if [[ "${ZRV_TEST_DATA:-}" == /* ]]; then
  export ZRV_TEST_DATA="Z:${ZRV_TEST_DATA//\//\\}"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  # Two programs started at once must not both create the prefix.
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [ -f "$WINEPREFIX/system.reg" ] || "$wine64" wineboot --init >/dev/null 2>&1
  ) 9>"$WINEPREFIX.lock"
fi
# Wine's background services start with the first program that a new Wine
# server sees, inherit its output and live as long as the server (a few
# seconds after the last program). Whoever reads that output would wait for
# them; so when this call is the one that starts the server, a first program
# with its output elsewhere starts the services.
server="$(dirname "$wine64")/wineserver"
if [ -x "$server" ] && "$server" -p3 </dev/null >/dev/null 2>&1; then
  "$wine64" wineboot </dev/null >/dev/null 2>&1
fi
"$wine64" "$@" 2> >(tr -d '\r' >&2) | tr -d '\r'
status=${PIPESTATUS[0]}
wait
exit "$status"
