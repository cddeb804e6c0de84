#!/usr/bin/env bash
# A filled page, opened through Wine's shell, posts every field to the service exactly as stored.
# The page is filled and written by the main edition's own code (main_write_page.exe); Wine
# opens it with its browser hook (headless Chromium), whose form post the service stores.
set -uo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/e2e_lib.sh"
: "${QB_BIN:?QB_BIN is not set}"

qb_e2e_begin
qb_e2e_start_service 0
qb_e2e_install_browser_hook

# The payloads, enciphered by the service's own cipher; values chosen to break a naive page.
python3 - "$QB_SRC/service" "$QB_E2E_DIR" <<'PY' || qb_e2e_fail "could not prepare values"
import json, sys
sys.path.insert(0, sys.argv[1])
import pc1
report = ("bios=B1\r\nCSName=E2E-PC\r\nCaption=Windows\r\nVersion=6.1\r\nMaxProcessMemorySize=\r\n"
          "OSArchitecture=32-bit\r\nIdentifyingNumber=\r\nCSProuctVersion=\r\nModel=M\r\n"
          "Manufacturer=Maker\r\ndriver_1=Disk <x> & \"y\"[;]1.0[;]P[;]1-1-2020[;]ROOT\\X\\0000"
          "[;]{k}\\0001[;]DiskDrive[;]disk.inf[;]a, b[;][;]a[;]0[;]")
proc = "\r\n4,a.exe,1,C:\\a.exe,1,00FF,1234--VERSION--Co==Prod==1.0==1.0.0"
values = {
    "version": "6.0",
    "email": 'me"q&amp;x</textarea><b>@example.com',
    "password": "[proc] [hw] & [SCANID]",
    "drivers": pc1.encrypt(report.encode()),
    "proc": pc1.encrypt(proc.encode()),
    "hwid": pc1.encrypt(b"0A-1B-2C-3D-4E-5F"),
    "setup_api_log": "driverlength=%d=%d" % (len(report), 2 * len(report)),
}
with open(sys.argv[2] + "/values.txt", "w", newline="") as f:
    f.write("".join("%s=%s\r\n" % kv for kv in values.items()))
with open(sys.argv[2] + "/expected.json", "w") as f:
    json.dump({"values": values, "report": report, "proc": proc}, f)
PY

win_temp=$(wine cmd /c 'echo %TEMP%' 2>/dev/null | tr -d '\r')
unix_temp=$(wine winepath -u "$win_temp" 2>/dev/null | tr -d '\r')
[ -d "$unix_temp" ] || qb_e2e_fail "no temporary folder in the prefix ($win_temp)"
mkdir -p "$unix_temp/qb_e2e_post"
page="$win_temp\\qb_e2e_post\\driver.html"
values_win=$(wine winepath -w "$QB_E2E_DIR/values.txt" 2>/dev/null | tr -d '\r')

scanid=$(wine "$QB_BIN/main_write_page.exe" "$values_win" "$page" "$QB_E2E_SERVICE_URL" --open |
  tr -d '\r')
[[ "$scanid" =~ ^[0-9A-F]{32}$ ]] || qb_e2e_fail "tool gave no scan id: '$scanid'"

id=$(qb_e2e_wait_for_scans 1 60) || exit 1
qb_e2e_scan_json "$id" >"$QB_E2E_DIR/scan.json" || qb_e2e_fail "no JSON for scan $id"
rm -rf "$unix_temp/qb_e2e_post"

python3 - "$QB_E2E_DIR" "$scanid" <<'PY' || qb_e2e_fail "posted fields differ"
import json, sys
d, scanid = sys.argv[1], sys.argv[2]
expected = json.load(open(d + "/expected.json"))
scan = json.load(open(d + "/scan.json"))
v, raw, decoded = expected["values"], scan["raw"], scan["decoded"]
problems = []
def check(what, got, want):
    if got != want:
        problems.append("%s: got %r, want %r" % (what, got, want))
check("field order", [k for k, _ in scan["raw_pairs"]],
      ["version", "action", "portable", "email", "password", "hwid", "drivers", "hw", "badhw",
       "setup_api_log", "proc", "ie"])
check("scan id", scan["scanid"], scanid)
for name in ("version", "email", "password", "hwid"):
    check(name, raw[name], v[name])
check("action", raw["action"], "1")
check("portable", raw["portable"], "1")
# Text areas: the page's line break after each value comes back as CR LF.
for name in ("drivers", "proc", "setup_api_log"):
    check(name, raw[name], v[name] + "\r\n")
for name in ("hw", "badhw", "ie"):
    check(name, raw[name], "[%s]\r\n" % name)
check("decoded report", decoded.get("report"), expected["report"])
check("decoded proc", decoded.get("proc"), expected["proc"])
check("decoded hwid", decoded.get("hwid"), "0A-1B-2C-3D-4E-5F")
check("decode errors", decoded["errors"], {})
print("\n".join(problems))
sys.exit(1 if problems else 0)
PY
echo "PASS: scan $scanid posted every field exactly"
