#!/usr/bin/env bash
# "Already have an account?" opens the account dialog (one dialog, brought forward when shown
# again); Save writes both values to info.txt and hides it, Cancel hides it without writing,
# the next start fills the boxes from the file, and a refused write is reported while the
# dialog stays open.
. "$(dirname "$0")/lib.sh"

settings_dir="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/quillborne"
settings_file="$settings_dir/info.txt"
rm -rf "$settings_dir"
caption=$(qb_main_caption 6.0.001)
dialog="Account Information"

start_main() {
  qb_start "$QB_TEST_DIR" "$QB_EXE"
  MAIN=$(qb_wait_window "$caption" 30) || qb_fail "no main window"
}

open_dialog() {
  qb_click "$MAIN" "$caption" 470 302
  DIALOG=$(qb_wait_window "$dialog" 10) || qb_fail "the account dialog did not open"
  [ "$(qb_probe state "$dialog" TfrmAccount | cut -d' ' -f1-2)" = "visible enabled" ] ||
    qb_fail "dialog state"
}

dialog_count() { qb_probe list | awk -F '\t' '$2 == "TfrmAccount"' | wc -l; }

# field <id>: the text of an edit box of the dialog.
field() { qb_control_text "$dialog" "$1" TfrmAccount; }

# replace_text <x> <y> <text>: selects all of the box at x,y and types over it.
replace_text() {
  qb_click "$DIALOG" "$dialog" "$1" "$2"
  xdotool key ctrl+a BackSpace
  [ -z "$3" ] || xdotool type --delay 15 -- "$3"
}

press_and_wait_hidden() {
  qb_click "$DIALOG" "$dialog" "$1" 124
  qb_wait_gone "$dialog" 10 || qb_fail "the dialog stayed open after $2"
}

# settings_value <key>: the value as the file holds it.
settings_value() { tr -d '\r' <"$settings_file" | sed -n "s/^$1=//p"; }

start_main
# The dialog was created at start: the settings folder exists, the file does not yet.
[ -d "$settings_dir" ] || qb_fail "the settings folder was not created at start"
[ ! -e "$settings_file" ] || qb_fail "info.txt was written before any save"
open_dialog
[ "$(field $QB_ID_TXT_EMAIL)" = "" ] && [ "$(field $QB_ID_TXT_PASSWORD)" = "" ] ||
  qb_fail "boxes not empty without a settings file"

# Typing: the e-mail box, then Tab to the password box (the tab order).
qb_type "$DIALOG" "$dialog" 200 50 "ann@example.com"
xdotool key Tab
xdotool type --delay 15 -- 'p"w;1'
qb_until 5 bash -c "[ \"\$(wine '$QB_PROBE' text '$dialog' $QB_ID_TXT_PASSWORD TfrmAccount | tr -d '\r')\" = 'p\"w;1' ]" ||
  qb_fail "Tab did not move to the password box (email='$(field $QB_ID_TXT_EMAIL)', password='$(field $QB_ID_TXT_PASSWORD)')"

# Clicking the link again while shown: still one dialog.
qb_click "$MAIN" "$caption" 470 302
[ "$(dialog_count)" = "1" ] || qb_fail "a second account dialog appeared"
DIALOG=$(qb_wait_window "$dialog" 5)

press_and_wait_hidden 125 "Save"
[ -f "$settings_file" ] || qb_fail "Save wrote no info.txt"
cat "$settings_file"
[ "$(grep -c '^\[Settings\]' "$settings_file")" = "1" ] || qb_fail "not one [Settings] section"
[ "$(settings_value email)" = "ann@example.com" ] || qb_fail "email not saved"
[ "$(settings_value password)" = 'p"w;1' ] || qb_fail "password not saved as typed"

# Cancel: nothing written, but the boxes keep what was typed.
before=$(md5sum <"$settings_file")
open_dialog
replace_text 200 50 "changed@example.com"
press_and_wait_hidden 253 "Cancel"
[ "$(md5sum <"$settings_file")" = "$before" ] || qb_fail "Cancel changed info.txt"
open_dialog
[ "$(field $QB_ID_TXT_EMAIL)" = "changed@example.com" ] || qb_fail "the box lost the cancelled text"

# Saving again replaces the values: an empty e-mail is written as an empty key.
replace_text 200 50 ""
press_and_wait_hidden 125 "the second Save"
[ "$(grep -c '^email=' "$settings_file")" = "1" ] || qb_fail "not one email key"
[ "$(settings_value email)" = "" ] || qb_fail "empty email not saved"
[ "$(settings_value password)" = 'p"w;1' ] || qb_fail "password lost on the second save"

# The close box hides the dialog as well; the program keeps running.
open_dialog
qb_close_title "$dialog"
qb_wait_gone "$dialog" 10 || qb_fail "the close box did not hide the dialog"
qb_stop_main "$caption"

# The next start fills the boxes from the file.
start_main
open_dialog
[ "$(field $QB_ID_TXT_EMAIL)" = "" ] && [ "$(field $QB_ID_TXT_PASSWORD)" = 'p"w;1' ] ||
  qb_fail "the boxes were not filled from info.txt"

# A write that the system refuses: reported, and the dialog stays open.
rm -f "$settings_file"
mkdir "$settings_file"
press_save_refused() {
  qb_click "$DIALOG" "$dialog" 125 124
  qb_until 10 qb_probe state Quillborne '#32770' >/dev/null || qb_fail "no error box for the refused write"
}
press_save_refused
text=$(qb_probe children Quillborne '#32770' | awk -F '\t' '$2 == "Static" && $4 != "" { print $4 }')
echo "error box: $text"
[[ "$text" == *'quillborne\\info.txt'* ]] || qb_fail "the error does not name the file: '$text'"
qb_probe press Quillborne 1 '#32770'
qb_until 10 bash -c "[ \"\$(wine '$QB_PROBE' state '$dialog' TfrmAccount | tr -d '\r' | cut -d' ' -f1)\" = visible ]" ||
  qb_fail "the dialog closed although the save failed"
rmdir "$settings_file"

qb_stop_main "$caption"
echo "PASS"
