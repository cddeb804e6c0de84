#!/usr/bin/env bash
# Wine's web browser during the end-to-end tests (HKCU\Software\Wine\WineBrowser "Browsers").
# Loads the URL it gets in headless Chromium, which runs the page's scripts and so posts its
# form, then appends the final page to the log. Returns at once: Chromium runs detached, in a
# session of its own (its pid goes to QB_BROWSER_PIDS), and is stopped after QB_BROWSER_TIMEOUT s.
url="$1"
log="${QB_BROWSER_LOG:-/tmp/qb-browser-hook.log}"
pids="${QB_BROWSER_PIDS:-/dev/null}"
budget="${QB_BROWSER_BUDGET_MS:-10000}"
limit="${QB_BROWSER_TIMEOUT:-60}"
chromium=/usr/lib/chromium/chromium
[ -x "$chromium" ] || chromium=$(command -v chromium)

printf 'open: %s\n' "$url" >>"$log"
setsid bash -c '
  profile=$(mktemp -d /tmp/qb-chromium.XXXXXX)
  timeout "$1" "$2" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --dump-dom --virtual-time-budget="$3" "$4"
  printf "chromium exit: %s\n" "$?"
  rm -rf "$profile"
' browser-hook "$limit" "$chromium" "$budget" "$url" >>"$log" 2>&1 </dev/null &
printf '%s\n' "$!" >>"$pids"
exit 0
