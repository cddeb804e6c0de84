#!/usr/bin/env bash
# The main window at start: the version in its caption follows the working directory, the
# computer facts fill their labels, and every control lies where the design puts it.
. "$(dirname "$0")/lib.sh"

# Controls at fixed places: id, class, x,y,w,h, text (the template memo: its first line only).
expected_layout() {
  cat <<'LAYOUT'
202	Static	24,360,104,13	Operating System:
203	Static	24,328,102,13	Computer Name  :
204	Static	24,344,103,13	Model                :
208	Static	24,301,140,18	PC Information
209	Static	200,136,225,57	
210	Static	448,296,125,13	Already have an account?
211	msctls_statusbar32	0,391,606,19	
212	Button	216,200,193,17	I do not have internet conection
213	Edit	640,256,497,89	<html>
LAYOUT
}

# check_start <case> <working dir> <program> <version>
check_start() {
  local name=$1 dir=$2 program=$3 version=$4 caption wid
  caption=$(qb_main_caption "$version")
  qb_start "$dir" "$program"
  wid=$(qb_wait_window "$caption" 30) || {
    qb_probe list >&2
    qb_fail "$name: no main window titled '$caption'"
  }
  [ "$(qb_window_title "$wid")" = "$caption" ] || qb_fail "$name: caption differs"
  [ "$(qb_client_size "$caption")" = "606 410" ] || qb_fail "$name: client area is not 606x410"
  [ "$(qb_probe state "$caption")" = "visible enabled 606x410" ] || qb_fail "$name: state"
  echo "ok: $name -> $caption"
}

check_labels() {
  local caption=$1 children name model os
  children=$(qb_probe children "$caption")
  diff <(expected_layout) <(grep -E '^(202|203|204|208|209|210|211|212|213)	' <<<"$children" |
    sed -E 's/^(213\t[^\t]*\t[^\t]*\t<html>).*/\1/') ||
    qb_fail "controls are not where the design puts them"
  [ "$(qb_probe text "$caption" $QB_ID_CHKBOX_INTERNET)" = "I do not have internet conection" ] ||
    qb_fail "check box text"
  name=$(qb_control_text "$caption" $QB_ID_LBL_PCNAME)
  model=$(qb_control_text "$caption" $QB_ID_LBL_MODEL)
  os=$(qb_control_text "$caption" $QB_ID_LBL_OS)
  echo "labels: name='$name' model='$model' os='$os'"
  [ -n "$name" ] && [ "$name" != "lblPCName" ] || qb_fail "computer name label not filled"
  [[ "$model" == *" - "* ]] || qb_fail "model label lacks ' - ': '$model'"
  [[ "$os" =~ /(32|64)bits$ ]] || qb_fail "operating system label: '$os'"
  # Auto-sized labels grow with their text from their fixed corner.
  grep -qE "^205	Static	136,328,[1-9][0-9]*,1[0-9]	$name\$" <<<"$children" || qb_fail "lblPCName box"
  grep -qE "^207	Static	144,360,[1-9][0-9]*,1[0-9]	" <<<"$children" || qb_fail "lblOperatingSystem box"
}

plain_dir="$QB_TEST_DIR/plain"
uploader_dir="$QB_TEST_DIR/with-uploader"
own_folder="$QB_TEST_DIR/program-folder"
mkdir -p "$plain_dir" "$uploader_dir" "$own_folder"
: >"$uploader_dir/Tallowmere.exe"
cp "$QB_EXE" "$own_folder/Quillborne.exe"
: >"$own_folder/Tallowmere.exe"  # beside the program, but not in the working directory

# case, working directory, program, expected version
while IFS='|' read -r name dir program version; do
  check_start "$name" "$dir" "$program" "$version"
  caption=$(qb_main_caption "$version")
  [ "$name" = "no uploader" ] && check_labels "$caption"
  qb_stop_main "$caption"
done <<CASES
no uploader|$plain_dir|$QB_EXE|6.0.001
uploader in the working directory|$uploader_dir|$QB_EXE|6.0
uploader only beside the program|$plain_dir|$own_folder/Quillborne.exe|6.0.001
CASES
echo "PASS"
