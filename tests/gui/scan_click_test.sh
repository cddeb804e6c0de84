#!/usr/bin/env bash
# A click on the scan picture disables the main window, shows "Please wait" on top while the
# scan runs, and afterwards hides it and enables the main window again.
. "$(dirname "$0")/lib.sh"

caption=$(qb_main_caption 6.0.001)
qb_start "$QB_TEST_DIR" "$QB_EXE"
wid=$(qb_wait_window "$caption" 30) || qb_fail "no main window"
[ "$(qb_probe state 'Please wait')" = "hidden enabled 406x74" ] || qb_fail "wait window not created hidden"

for round in 1 2; do
  # The watcher polls from its own process; the scan does not let the main window's loop run.
  watch_out="$QB_TEST_DIR/watch-$round.txt"
  wine "$QB_PROBE" watch "Please wait" 20000 "$caption" >"$watch_out" 2>"$watch_out.err" &
  watcher=$!
  QB_PIDS+=("$watcher")
  qb_until 10 grep -q watching "$watch_out" || qb_fail "the watcher did not start"
  qb_click "$wid" "$caption" 312 164
  wait "$watcher" || qb_fail "round $round: 'Please wait' was not shown and hidden: $(cat "$watch_out")"
  tr -d '\r' <"$watch_out" | cat - "$watch_out.err" | sed "s/^/round $round: /"
  grep -qx "shown other=disabled" <(tr -d '\r' <"$watch_out") ||
    qb_fail "round $round: the main window was not disabled during the scan"
  qb_until 5 bash -c "[ \"\$(wine '$QB_PROBE' state '$caption' 2>/dev/null | tr -d '\r')\" = 'visible enabled 606x410' ]" ||
    qb_fail "round $round: main window not enabled again"
  ! wine "$QB_PROBE" state Quillborne '#32770' >/dev/null 2>&1 || qb_fail "round $round: an error was shown"
done

qb_stop_main "$caption"
echo "PASS"
