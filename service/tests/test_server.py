import json
import os
import sys
import tempfile
import threading
import unittest
import urllib.parse
import urllib.request

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

import pc1  # noqa: E402
import server  # noqa: E402


class ServerTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        port_file = os.path.join(self.dir.name, "port")
        self.server = server.serve(0, os.path.join(self.dir.name, "scans.sqlite"), port_file)
        with open(port_file) as f:
            self.base = "http://127.0.0.1:%d" % int(f.read())
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def tearDown(self):
        self.server.shutdown()
        self.server.server_close()
        self.dir.cleanup()

    def get(self, path):
        with urllib.request.urlopen(self.base + path, timeout=10) as r:
            return r.status, r.headers.get("Content-Type"), r.read()

    def test_posted_scan_is_stored_raw_and_readable_decoded(self):
        report = "bios=B\r\nCSName=PC\r\ndriver_1=n[;]v[;]p[;]d[;]i[;]k[;]c[;]f[;]h[;]c[;]m[;]0[;]"
        form = [("version", "6.0"), ("action", "1"), ("portable", "1"),
                ("email", "x\"y&z</textarea>"), ("password", "p w+%"),
                ("hwid", pc1.encrypt(b"HW")), ("drivers", pc1.encrypt(report.encode()) + "\r\n"),
                ("hw", "[hw]\r\n"), ("badhw", "[badhw]\r\n"),
                ("setup_api_log", "driverlength=%d=%d\r\n" % (len(report), 2 * len(report))),
                ("proc", "\r\n"), ("ie", "[ie]\r\n")]
        body = urllib.parse.urlencode(form).encode("ascii")
        request = urllib.request.Request(
            self.base + "/scan/desktop.php?scanid=0123ABCD", data=body,
            headers={"Content-Type": "application/x-www-form-urlencoded"})
        with urllib.request.urlopen(request, timeout=10) as r:
            answer = r.read().decode()
        self.assertIn("Scan received", answer)
        self.assertIn("/scans/1", answer)

        listing = json.loads(self.get("/scans.json")[2])
        self.assertEqual([(s["id"], s["scanid"]) for s in listing], [(1, "0123ABCD")])
        scan = json.loads(self.get("/scans/0123ABCD.json")[2])
        self.assertEqual(scan["raw_pairs"], [list(p) for p in form])
        self.assertEqual(scan["decoded"]["report"], report)
        self.assertEqual(scan["decoded"]["devices"][0]["fields"][0], "n")
        self.assertEqual(scan["decoded"]["hwid"], "HW")
        status, content_type, html_page = self.get("/scans/1")
        self.assertEqual(status, 200)
        self.assertIn(b"x&quot;y&amp;z&lt;/textarea&gt;", html_page)

    def test_serves_logo_script_and_landing_page(self):
        status, content_type, logo = self.get("/images/logo.jpg")
        self.assertEqual((status, content_type), (200, "image/jpeg"))
        self.assertEqual(logo[:3], b"\xff\xd8\xff")
        script = self.get("/scan/auto_submit.js")[2].decode()
        self.assertIn("submit_form()", script)
        self.assertIn("document.f.submit()", script)
        self.assertEqual(self.get("/desktop.php")[0], 200)
        with self.assertRaises(urllib.error.HTTPError) as missing:
            self.get("/scans/99.json")
        self.assertEqual(missing.exception.code, 404)


if __name__ == "__main__":
    unittest.main()
