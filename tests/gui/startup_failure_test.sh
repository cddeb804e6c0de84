#!/usr/bin/env bash
# A start-up step that fails (the device interface library cannot be loaded) is reported in a
# message box titled "Quillborne"; the main window still opens, with its design texts, and a
# scan then reports that there is nothing to take an inventory of.
. "$(dirname "$0")/lib.sh"

# wait_error_box <what>: the general error handler's box; prints its text.
wait_error_box() {
  qb_until 30 qb_probe state Quillborne '#32770' >/dev/null || {
    qb_probe list >&2
    qb_fail "no error box for $1"
  }
  qb_probe children Quillborne '#32770' | awk -F '\t' '$2 == "Static" && $4 != "" { print $4 }'
}

dismiss_error_box() {
  qb_probe press Quillborne 1 '#32770' || qb_fail "no OK button in the error box"
  qb_until 10 bash -c "! wine '$QB_PROBE' state Quillborne '#32770' >/dev/null 2>&1" ||
    qb_fail "the error box stayed open"
}

qb_start "$QB_TEST_DIR" "$QB_EXE" "WINEDLLOVERRIDES=${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}setupapi="
text=$(wait_error_box "the failed start")
echo "error box: $text"
[[ "$text" == *SetupApi* ]] || qb_fail "the box does not name what failed: '$text'"
[[ "$text" == *. ]] || qb_fail "the box text does not end in a full stop: '$text'"
# FormCreate runs before the window is shown.
[ "$(qb_probe state Quillborne TForm1)" = "hidden enabled 606x410" ] ||
  qb_fail "the main window showed before the error box was closed"
dismiss_error_box

wid=$(qb_wait_window "Quillborne" 20) || qb_fail "the main window did not open after the error"
qb_until 5 bash -c "wine '$QB_PROBE' state Quillborne TForm1 2>/dev/null | grep -q 'visible enabled'" ||
  qb_fail "main window not visible and enabled"
for id in $QB_ID_LBL_PCNAME $QB_ID_LBL_MODEL $QB_ID_LBL_OS; do
  [ "$(qb_control_text Quillborne $id TForm1)" != "" ] || qb_fail "label $id lost its design text"
done
[ "$(qb_control_text Quillborne $QB_ID_LBL_PCNAME TForm1)" = "lblPCName" ] ||
  qb_fail "lblPCName was changed although start-up failed"

# A scan without services: reported, and the window is usable again.
qb_click "$wid" Quillborne 312 164
text=$(wait_error_box "the scan without services")
echo "scan error box: $text"
[ "$text" = "The device inventory is not available." ] || qb_fail "scan error text: '$text'"
dismiss_error_box
[ "$(qb_probe state Quillborne TForm1)" = "visible enabled 606x410" ] ||
  qb_fail "main window not enabled after the failed scan"
[ "$(qb_probe state 'Please wait')" = "hidden enabled 406x74" ] || qb_fail "wait window still shown"

qb_close_title Quillborne
qb_wait_exit "$QB_PID" 20 || qb_fail "the program did not end"
echo "PASS"
