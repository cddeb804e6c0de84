#!/usr/bin/env bash
# The whole online path: a saved account and two test devices, a click on the scan picture, and
# the page the program opens in the browser posts a scan the service can read back completely:
# every field, the account as typed, the deciphered report agreeing with the devices (driver
# values, setup file digest), the length diagnostic, the hardware id and the process inventory.
# A second start with an uploader in the working folder sends version 6.0 and starts nothing.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/e2e_lib.sh"

qb_e2e_begin
qb_e2e_start_service
qb_e2e_install_browser_hook

# --- fixtures: account file cleared, a setup file, one device with a driver, one without ------
settings_dir="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/quillborne"
rm -f "$settings_dir/info.txt"
win_temp=$(wine cmd /c 'echo %TEMP%' 2>/dev/null | tr -d '\r')
page_file="$(qb_e2e_unix_path "$win_temp")/quillborne/driver.html"
rm -f "$page_file"

inf_name="qbe2e$$.inf"
inf_file="$WINEPREFIX/drive_c/windows/inf/$inf_name"
QB_E2E_LEFTOVERS+=("$inf_file")
printf '; Quillborne end-to-end test driver %s\r\n[Version]\r\nSignature="$Windows NT$"\r\n' \
  "$(date +%s%N)" >"$inf_file"
inf_md5=$(md5sum "$inf_file" | cut -d' ' -f1 | tr a-f A-F)
driver_key="{4d36e97d-e325-11ce-bfc1-08002be10318}\\7701"
qb_e2e_add_device QBE2EDRV "Quillborne E2E Driven Device" 'ROOT\QBE2E_DRIVEN,QBE2E\COMPAT_A' \
  "$driver_key" "$inf_name"
qb_e2e_add_device QBE2EBARE "Quillborne E2E Bare Device" 'ROOT\QBE2E_BARE'

# Characters that would break the page if they were not escaped there.
email='me"q&x</textarea>@example.com'
password='pw"&</textarea><b>[hw];1'

caption=$(qb_main_caption 6.0.001)
qb_start "$QB_TEST_DIR" "$QB_EXE"
main=$(qb_wait_window "$caption" 30) || qb_fail "no main window"
qb_save_account "$main" "$caption" "$email" "$password"
pc_name=$(qb_control_text "$caption" $QB_ID_LBL_PCNAME)
pc_model=$(qb_control_text "$caption" $QB_ID_LBL_MODEL)

# --- the scan ---------------------------------------------------------------------------
clicked=$(qb_e2e_now)
qb_click "$main" "$caption" 312 164
id=$(qb_e2e_wait_for_page_scan "$page_file" 90) || exit 1
[[ "$id" =~ ^[0-9]+$ ]] || qb_e2e_fail "one click posted more than one scan: $id"
delay=$(qb_e2e_post_delay "$id" "$clicked")
echo "click-to-post: $delay s (scan $id)"
qb_wait_idle "$caption" 30 || qb_fail "after the scan the main window is not enabled or 'Please wait' still shows"
[ -f "$page_file" ] || qb_fail "no $win_temp\\quillborne\\driver.html"
qb_e2e_scan_json "$id" >"$QB_E2E_DIR/scan.json" || qb_e2e_fail "no JSON for scan $id"
cp "$page_file" "$QB_E2E_DIR/driver.html"

python3 - "$QB_SRC/service" "$QB_E2E_DIR" "$email" "$password" "$inf_name" "$inf_md5" \
  "$driver_key" "$pc_name" "$pc_model" <<'PY' || qb_e2e_fail "the scan differs"
import json, re, sys
sys.path.insert(0, sys.argv[1])
import pc1
d, email, password, inf_name, inf_md5, driver_key, pc_name, pc_model = sys.argv[2:]
scan = json.load(open(d + "/scan.json"))
raw, decoded = scan["raw"], scan["decoded"]
problems = []

def check(what, got, want):
    if got != want:
        problems.append("%s: got %r, want %r" % (what, got, want))

def letters(name, end="\r\n"):
    """A cipher text field: letters a..p (and the line break a text area adds)."""
    value = raw.get(name, "")
    if not re.fullmatch(r"[a-p]*" + end, value):
        problems.append("%s is no cipher text: %r" % (name, value[:80]))
    return value.rstrip("\r\n")

check("fields in page order", [k for k, _ in scan["raw_pairs"]],
      ["version", "action", "portable", "email", "password", "hwid", "drivers", "hw", "badhw",
       "setup_api_log", "proc", "ie"])
check("version", raw.get("version"), "6.0.001")
check("action", raw.get("action"), "1")
check("portable", raw.get("portable"), "1")
check("email", raw.get("email"), email)
check("password", raw.get("password"), password)
for name in ("hw", "badhw", "ie"):
    check(name, raw.get(name), "[%s]\r\n" % name)
check("service decode errors", decoded.get("errors"), {})

# The report, deciphered here from the posted letters.
cipher = letters("drivers")
report = pc1.decrypt(cipher).decode("cp1252")
check("service's deciphered report", decoded.get("report"), report)
check("length diagnostic", raw.get("setup_api_log"),
      "driverlength=%d=%d\r\n" % (len(report), 2 * len(report)))
check("cipher length", len(cipher), 2 * len(report))
check("report trimmed", report, report.strip("".join(map(chr, range(33)))))

lines = report.split("\r\n")
keys = ["bios", "CSName", "Caption", "Version", "MaxProcessMemorySize", "OSArchitecture",
        "IdentifyingNumber", "CSProuctVersion", "Model", "Manufacturer"]
computer = dict(line.split("=", 1) for line in lines[:10] if "=" in line)
check("computer keys", [line.split("=", 1)[0] for line in lines[:10]], keys)
check("CSName as the window shows it", computer.get("CSName"), pc_name)
check("manufacturer - model as the window shows it",
      "%s - %s" % (computer.get("Manufacturer"), computer.get("Model")), pc_model)

devices = {}
for number, line in enumerate(lines[10:], 1):
    key, _, value = line.partition("=")
    check("device line %d key" % number, key, "driver_%d" % number)
    fields = value.split("[;]")
    check("separators in driver_%d" % number, value.count("[;]"), 12)
    if len(fields) == 13:
        devices[fields[4]] = fields
        if not re.fullmatch(r"\d+", fields[11]):
            problems.append("driver_%d problem code %r" % (number, fields[11]))
        if not re.fullmatch(r"([0-9A-F]{32})?", fields[12]):
            problems.append("driver_%d digest %r" % (number, fields[12]))

# Name, DriverVersion, ProviderName, DriverDate, instance, driver key, (class), InfPath,
# hardware ids, compatible ids, matching id, (problem), digest
driven = devices.get("ROOT\\QBTEST\\QBE2EDRV")
bare = devices.get("ROOT\\QBTEST\\QBE2EBARE")
if driven is None or bare is None:
    problems.append("test devices missing from the report: %r" % sorted(devices))
else:
    want = ["Quillborne E2E Driven Device", "1.2.3.4", "Quillborne Test", "1-15-2024",
            "ROOT\\QBTEST\\QBE2EDRV", driver_key, None, inf_name,
            "ROOT\\QBE2E_DRIVEN, QBE2E\\COMPAT_A", "", "ROOT\\QBE2E_DRIVEN", None, inf_md5]
    for i, value in enumerate(want):
        if value is not None:
            check("driven device field %d" % (i + 1), driven[i], value)
    want = ["Quillborne E2E Bare Device", "", "", "", "ROOT\\QBTEST\\QBE2EBARE", "", None, "",
            "ROOT\\QBE2E_BARE", "", "", None, ""]
    for i, value in enumerate(want):
        if value is not None:
            check("bare device field %d" % (i + 1), bare[i], value)
check("devices the service read", len(decoded.get("devices", [])), len(lines) - 10)

hwid = pc1.decrypt(letters("hwid", end="")).decode("cp1252")
if not hwid:
    problems.append("empty hardware id")
check("service's hardware id", decoded.get("hwid"), hwid)

# Process records, each opened by CR LF (Wine's WMI gives no program paths: often none).
proc = pc1.decrypt(letters("proc")).decode("cp1252")
record = r"\r\n\d+,[^\r\n]*,1,[^\r\n]*,1,(?:[0-9A-F]{32})?,\d*--VERSION--[^\r\n]*"
if not re.fullmatch("(?:%s)*" % record, proc):
    problems.append("malformed process inventory: %r" % proc[:200])
print("report: %d devices, %d characters; processes: %d; hardware id: %s"
      % (len(lines) - 10, len(report), proc.count("\r\n"), hwid))

page = open(d + "/driver.html", "rb").read().decode("cp1252")
if "/scan/desktop.php?scanid=%s\"" % scan["scanid"] not in page:
    problems.append("driver.html does not post to this scan's id %s" % scan["scanid"])
print("\n".join(problems))
sys.exit(1 if problems else 0)
PY
first_scanid=$(qb_e2e_json 'j["scanid"]' <"$QB_E2E_DIR/scan.json")
[ "$(qb_e2e_get "$QB_E2E_SERVICE_URL/scans.json" | qb_e2e_json "sum(s['scanid'] == '$first_scanid' for s in j)")" = 1 ] ||
  qb_e2e_fail "the scan $first_scanid was posted more than once"
qb_stop_main "$caption"

# --- an uploader in the working folder: version 6.0, and online it is not started -------------
cp "$QB_BIN/qb_test_uploader.exe" "$QB_TEST_DIR/Tallowmere.exe"
caption=$(qb_main_caption 6.0)
rm -f "$page_file"
qb_start "$QB_TEST_DIR" "$QB_EXE"
main=$(qb_wait_window "$caption" 30) || qb_fail "no main window titled with version 6.0"
clicked=$(qb_e2e_now)
qb_click "$main" "$caption" 312 164
id=$(qb_e2e_wait_for_page_scan "$page_file" 90) || exit 1
echo "click-to-post: $(qb_e2e_post_delay "$id" "$clicked") s (scan $id)"
qb_e2e_scan_json "$id" >"$QB_E2E_DIR/scan2.json" || qb_e2e_fail "no JSON for scan $id"
[ "$(qb_e2e_json 'j["raw"]["version"]' <"$QB_E2E_DIR/scan2.json")" = "6.0" ] ||
  qb_e2e_fail "second scan's version is not 6.0"
[ "$(qb_e2e_json 'j["scanid"]' <"$QB_E2E_DIR/scan2.json")" != "$first_scanid" ] ||
  qb_e2e_fail "two scans share the scan id $first_scanid"
qb_wait_idle "$caption" 30 || qb_fail "the main window is not idle after the second scan"
sleep 1  # an uploader started by mistake would have written by now
[ ! -e "$QB_TEST_DIR/uploader-args.txt" ] || qb_fail "the online scan started the uploader"
qb_stop_main "$caption"
echo "PASS"
