#!/usr/bin/env bash
# The offline path: with "I do not have internet conection" ticked, the scan asks for a folder
# ("Select your USB folder", rooted at C:\), saves the page there as drivers.html (the same bytes
# as driver.html in the temporary folder), says so, opens the folder and starts the uploader in
# the working folder with the scan id. The carried page still posts that scan from a browser.
# Cancelling the folder choice says "Directory selection aborted" and saves no copy.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/e2e_lib.sh"

qb_e2e_begin
qb_e2e_start_service
qb_e2e_install_browser_hook  # offline, the program must not open a browser itself

browse_title="Browse for Folder"
usb_dir="$WINEPREFIX/drive_c/qbusb"
rm -rf "$usb_dir"
mkdir -p "$usb_dir"
QB_E2E_LEFTOVERS+=("$usb_dir")
win_temp=$(wine cmd /c 'echo %TEMP%' 2>/dev/null | tr -d '\r')
page_file="$(qb_e2e_unix_path "$win_temp")/quillborne/driver.html"
rm -f "$page_file"
cp "$QB_BIN/qb_test_uploader.exe" "$QB_TEST_DIR/Tallowmere.exe"
args_file="$QB_TEST_DIR/uploader-args.txt"

caption=$(qb_main_caption 6.0)
qb_start "$QB_TEST_DIR" "$QB_EXE"
main=$(qb_wait_window "$caption" 30) || qb_fail "no main window"
qb_probe list | cut -f1 | sort >"$QB_E2E_DIR/windows-before.txt"
qb_click "$main" "$caption" 224 208  # the check box

# scan_until_folder_browser: clicks the scan picture; the folder browser must come up.
scan_until_folder_browser() {
  qb_click "$main" "$caption" 312 164
  BROWSE=$(qb_wait_window "$browse_title" 60) || qb_fail "no folder browser after the scan click"
  local children
  children=$(qb_probe children "$browse_title" '#32770')
  grep -qP '\tStatic\t[^\t]*\tSelect your USB folder$' <<<"$children" ||
    qb_fail "the folder browser does not ask 'Select your USB folder': $children"
  [ "$(qb_probe state "$caption" | cut -d' ' -f2)" = disabled ] ||
    qb_fail "the main window is enabled while the folder browser shows"
}

# message_box_text: the text of the program's message box, once it shows.
message_box_text() {
  qb_until 30 qb_probe state Quillborne '#32770' >/dev/null || qb_fail "no message box"
  qb_probe children Quillborne '#32770' | awk -F '\t' '$2 == "Static" && $4 != "" { print $4 }'
}

close_message_box() {
  qb_probe press Quillborne 1 '#32770' >/dev/null || qb_fail "could not press the message box's OK"
  qb_until 10 bash -c "! wine '$QB_PROBE' state Quillborne '#32770' >/dev/null 2>&1" ||
    qb_fail "the message box stayed"
}

# --- a folder picked: C:\qbusb, chosen with the keyboard in the tree rooted at C:\ -----------
scan_until_folder_browser
# The tree's first item is the root "(C:)": select it, then type the folder's name.
tree=$(qb_probe children "$browse_title" '#32770' | awk -F '\t' '$2 == "SysTreeView32" { print $3 }')
[ -n "$tree" ] || qb_fail "no folder tree in the browser"
IFS=, read -r tx ty _ _ <<<"$tree"
qb_click "$BROWSE" "$browse_title" $((tx + 50)) $((ty + 8))
xdotool type --delay 50 qbusb
sleep 0.3
qb_probe press "$browse_title" 1 '#32770' >/dev/null || qb_fail "could not press OK in the browser"

text=$(message_box_text)
[ "$text" = "Now copy the file drivers.html to your USB and open it on a computer with internet connection." ] ||
  qb_fail "message after saving: '$text'"
[ -f "$usb_dir/drivers.html" ] || qb_fail "no drivers.html in C:\\qbusb (files: $(ls -A "$usb_dir"))"
cmp "$usb_dir/drivers.html" "$page_file" || qb_fail "drivers.html differs from driver.html"
[ ! -e "$args_file" ] || qb_fail "the uploader started before the message was closed"
close_message_box

scanid=$(grep -aoP '/scan/desktop\.php\?scanid=\K[0-9A-F]{32}(?=")' "$usb_dir/drivers.html") ||
  qb_fail "no scan id in the page's form action"
qb_until 20 test -s "$args_file" || qb_fail "the uploader was not started"
qb_until 5 grep -q '^end' "$args_file" || qb_fail "the uploader's record is incomplete"
[ "$(tr -d '\r' <"$args_file")" = "$scanid"$'\n'end ] ||
  qb_fail "the uploader got '$(tr -d '\r' <"$args_file")', want the scan id $scanid alone"
qb_wait_idle "$caption" 30 || qb_fail "the main window is not idle after the offline scan"
[ ! -s "$QB_BROWSER_LOG" ] || qb_fail "the offline scan opened a browser: $(cat "$QB_BROWSER_LOG")"

# The folder window the shell opened (if any) is closed again: it is not ours to keep.
sleep 1
while IFS=$'\t' read -r hwnd class _ title; do
  grep -qx "$hwnd" "$QB_E2E_DIR/windows-before.txt" && continue
  echo "closing the shell's window: $class '$title'"
  qb_probe close "$title" "$class" >/dev/null || true
done < <(qb_probe list)

# The carried page, opened in a browser on "another computer", posts that scan.
posted=$(qb_e2e_now)
cp "$usb_dir/drivers.html" "$QB_E2E_DIR/carried.html"
"$QB_SRC/tests/gui/browser_hook.sh" "file://$QB_E2E_DIR/carried.html"
id=$(qb_e2e_wait_for_page_scan "$QB_E2E_DIR/carried.html" 60) || exit 1
echo "browser-to-post for the carried page: $(qb_e2e_post_delay "$id" "$posted") s"
[ "$(qb_e2e_scan_json "$id" | qb_e2e_json 'j["scanid"]')" = "$scanid" ] ||
  qb_e2e_fail "the carried page posted another scan id"
[ "$(qb_e2e_scan_json "$id" | qb_e2e_json 'j["decoded"]["errors"]')" = "{}" ] ||
  qb_e2e_fail "the carried page's scan does not decode"

# --- the folder choice cancelled ------------------------------------------------------------
rm -f "$usb_dir/drivers.html" "$args_file"
browser_lines=$(wc -l <"$QB_BROWSER_LOG")
first_page=$(md5sum <"$page_file")
scan_until_folder_browser
qb_probe press "$browse_title" 2 '#32770' >/dev/null || qb_fail "could not press Cancel in the browser"
text=$(message_box_text)
[ "$text" = "Directory selection aborted" ] || qb_fail "message after cancelling: '$text'"
close_message_box
qb_wait_idle "$caption" 30 || qb_fail "the main window is not idle after the cancelled scan"
[ "$(md5sum <"$page_file")" != "$first_page" ] || qb_fail "the cancelled scan wrote no new driver.html"
sleep 1
[ -z "$(ls -A "$usb_dir")" ] || qb_fail "the cancelled scan wrote into C:\\qbusb: $(ls -A "$usb_dir")"
[ ! -e "$args_file" ] || qb_fail "the cancelled scan started the uploader"
[ "$(wc -l <"$QB_BROWSER_LOG")" = "$browser_lines" ] || qb_fail "the cancelled scan opened a browser"

qb_stop_main "$caption"
echo "PASS"
