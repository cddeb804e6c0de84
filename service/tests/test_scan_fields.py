import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import pc1  # noqa: E402
import scan_fields  # noqa: E402

REPORT = ("bios=B1\r\nCSName=PC\r\nCaption=Windows\r\nVersion=10\r\nMaxProcessMemorySize=\r\n"
          "OSArchitecture=64-bit\r\nIdentifyingNumber=123\r\nCSProuctVersion=1\r\nModel=M\r\n"
          "Manufacturer=Maker\r\n"
          "driver_1=Disk[;]1.0[;]Prov[;]1-1-2020[;]ROOT\\X\\0000[;]{k}\\0001[;]DiskDrive[;]"
          "disk.inf[;]a, b[;][;]a[;]0[;]ABCDEF\r\n"
          "driver_2=Odd=name[;]2.0[;][;][;][;][;][;][;][;][;][;]22[;]")
PROC = ("\r\n4,a.exe,1,C:\\a,b\\a.exe,1,00FF,1234--VERSION--Co==Prod==1.0==1.0.0"
        "\r\n8,b.exe,1,C:\\b.exe,1,,0--VERSION--======")


def posted(**overrides):
    fields = {"version": "6.0", "action": "1", "portable": "1", "email": "a\"b&c",
              "password": "[proc]", "hwid": pc1.encrypt(b"HWID-1"),
              "drivers": pc1.encrypt(REPORT.encode()) + "\r\n",
              "setup_api_log": "driverlength=%d=%d\r\n" % (len(REPORT), 2 * len(REPORT)),
              "proc": pc1.encrypt(PROC.encode()) + "\r\n", "hw": "[hw]\r\n"}
    fields.update(overrides)
    return fields


class DecodeScan(unittest.TestCase):
    def test_deciphers_and_splits_report_processes_and_identifier(self):
        d = scan_fields.decode_scan(posted())
        self.assertEqual(d["errors"], {})
        self.assertEqual(d["report"], REPORT)
        self.assertEqual(len(d["computer"]), 10)
        self.assertEqual(d["computer"][0], ["bios", "B1"])
        self.assertEqual(d["computer"][4], ["MaxProcessMemorySize", ""])
        self.assertEqual([x["number"] for x in d["devices"]], [1, 2])
        self.assertTrue(all(x["complete"] for x in d["devices"]))
        self.assertEqual(d["devices"][0]["fields"][8], "a, b")
        self.assertEqual(d["devices"][1]["fields"][0], "Odd=name")
        self.assertEqual(d["devices"][1]["fields"][12], "")
        self.assertEqual(d["processes"][0]["fields"],
                         ["4", "a.exe", "1", "C:\\a,b\\a.exe", "1", "00FF", "1234"])
        self.assertEqual(d["processes"][0]["version"], ["Co", "Prod", "1.0", "1.0.0"])
        self.assertEqual(d["processes"][1]["version"], ["", "", "", ""])
        self.assertEqual(d["hwid"], "HWID-1")
        self.assertEqual((d["email"], d["password"]), ("a\"b&c", "[proc]"))
        self.assertFalse(d["drivers_plain"])

    def test_failed_round_trip_means_the_report_came_in_plain(self):
        d = scan_fields.decode_scan(posted(
            drivers=REPORT + "\r\n", setup_api_log="driverlength=5=10=abcdefghij"))
        self.assertTrue(d["drivers_plain"])
        self.assertEqual(d["report"], REPORT)
        self.assertEqual(d["diagnostic"]["cipher"], "abcdefghij")
        self.assertTrue(d["diagnostic"]["round_trip_failed"])

    def test_undecipherable_field_is_reported_not_fatal(self):
        d = scan_fields.decode_scan(posted(proc="not letters", hwid=""))
        self.assertIn("proc", d["errors"])
        self.assertEqual(d["processes"], [])
        self.assertEqual(d["hwid"], "")
        self.assertEqual(len(d["devices"]), 2)


if __name__ == "__main__":
    unittest.main()
