#!/usr/bin/env python3
"""Stand-in for the driver-analysis service: receives the pages' scans and shows them decoded.

    python3 service/server.py --port 47811 --db scans.sqlite [--port-file port.txt]

Port 0 picks a free port; --port-file receives the port actually used. Listens on 127.0.0.1.
"""

import argparse
import html
import json
import os
import sys
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import scan_fields  # noqa: E402
from scan_store import ScanStore  # noqa: E402

STATIC = os.path.join(os.path.dirname(os.path.abspath(__file__)), "static")
MAX_BODY = 64 * 1024 * 1024

AUTO_SUBMIT_JS = """// Sends the page's form as soon as the page has loaded this script.
(function () {
  if (typeof submit_form === "function") {
    submit_form();
  } else if (document.f) {
    document.f.submit();
  }
})();
"""


def page(title: str, body: str) -> bytes:
    return ("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%s</title></head>"
            "<body>\n<h1>%s</h1>\n%s\n</body></html>\n"
            % (html.escape(title), html.escape(title), body)).encode("utf-8")


def table(headers, rows) -> str:
    e = html.escape
    out = ["<table border=\"1\" cellpadding=\"3\">",
           "<tr>" + "".join("<th>%s</th>" % e(str(h)) for h in headers) + "</tr>"]
    for row in rows:
        out.append("<tr>" + "".join("<td>%s</td>" % e(str(c)) for c in row) + "</tr>")
    out.append("</table>")
    return "\n".join(out)


def scan_page(scan: dict, decoded: dict) -> bytes:
    e = html.escape
    parts = ["<p>Scan %s, id %s, received %s. <a href=\"/scans/%d.json\">JSON</a></p>"
             % (scan["id"], e(scan["scanid"]), e(scan["received"]), scan["id"])]
    parts.append("<h2>Client</h2>" + table(["Field", "Value"], [
        ["version", decoded["version"]], ["portable", decoded["portable"]],
        ["action", decoded["action"]], ["e-mail", decoded["email"]],
        ["password", decoded["password"]], ["hardware identifier", decoded.get("hwid", "")],
        ["length diagnostic", decoded["diagnostic"]["text"]],
        ["report sent in plain", decoded.get("drivers_plain", "")]]))
    for name, error in decoded["errors"].items():
        parts.append("<p><b>%s could not be deciphered:</b> %s</p>" % (e(name), e(error)))
    parts.append("<h2>Computer</h2>" + table(["Key", "Value"], decoded.get("computer", [])))
    devices = decoded.get("devices", [])
    parts.append("<h2>Devices (%d)</h2>" % len(devices) + table(
        ["#"] + scan_fields.DEVICE_FIELDS, [[d["number"]] + d["fields"] for d in devices]))
    processes = decoded.get("processes", [])
    parts.append("<h2>Processes (%d)</h2>" % len(processes) + table(
        scan_fields.PROCESS_FIELDS + scan_fields.VERSION_FIELDS,
        [p["fields"] + p["version"] for p in processes]))
    return page("Scan " + scan["scanid"], "\n".join(parts))


class Handler(BaseHTTPRequestHandler):
    server_version = "QuillborneStandIn/1.0"
    store: ScanStore = None  # bound by serve()

    def log_message(self, fmt, *args):
        if os.environ.get("QB_SERVICE_VERBOSE"):
            super().log_message(fmt, *args)

    def send(self, status: int, body: bytes, content_type: str):
        self.send_response(status)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        if self.command != "HEAD":
            self.wfile.write(body)

    def send_json(self, value, status=200):
        self.send(status, json.dumps(value, indent=1).encode("utf-8"), "application/json")

    def not_found(self):
        self.send(404, page("Not found", "<p>Nothing here.</p>"), "text/html; charset=utf-8")

    def do_GET(self):
        path = urllib.parse.urlsplit(self.path).path
        if path == "/images/logo.jpg":
            with open(os.path.join(STATIC, "logo.jpg"), "rb") as f:
                self.send(200, f.read(), "image/jpeg")
        elif path == "/scan/auto_submit.js":
            self.send(200, AUTO_SUBMIT_JS.encode("ascii"), "application/javascript")
        elif path in ("/", "/desktop.php"):
            self.send(200, page("Quillborne driver analysis",
                                "<p>Start a scan in the Quillborne program; its page sends the "
                                "scan here.</p><p><a href=\"/scans\">Received scans</a></p>"),
                      "text/html; charset=utf-8")
        elif path == "/scans.json":
            self.send_json(self.store.list())
        elif path == "/scans":
            rows = self.store.list()
            links = "".join("<li><a href=\"/scans/%d\">%d: %s</a> %s</li>"
                            % (r["id"], r["id"], html.escape(r["scanid"]),
                               html.escape(r["received"])) for r in rows)
            self.send(200, page("Received scans", "<ul>%s</ul>" % links),
                      "text/html; charset=utf-8")
        elif path.startswith("/scans/"):
            self.get_scan(path[len("/scans/"):])
        else:
            self.not_found()

    do_HEAD = do_GET

    def get_scan(self, key: str):
        as_json = key.endswith(".json")
        scan = self.store.get(key[:-5] if as_json else key)
        if scan is None:
            return self.not_found()
        raw = dict(scan["fields"])
        decoded = scan_fields.decode_scan(raw)
        if as_json:
            self.send_json({"id": scan["id"], "scanid": scan["scanid"],
                            "received": scan["received"], "content_type": scan["content_type"],
                            "raw": raw, "raw_pairs": scan["fields"], "decoded": decoded})
        else:
            self.send(200, scan_page(scan, decoded), "text/html; charset=utf-8")

    def do_POST(self):
        url = urllib.parse.urlsplit(self.path)
        if url.path != "/scan/desktop.php":
            return self.not_found()
        length = int(self.headers.get("Content-Length") or 0)
        if length < 0 or length > MAX_BODY:
            return self.send(413, page("Too large", ""), "text/html; charset=utf-8")
        body = self.rfile.read(length)
        content_type = self.headers.get("Content-Type", "")
        query = urllib.parse.parse_qs(url.query, keep_blank_values=True)
        scanid = query.get("scanid", [""])[0]
        # One character per posted byte: the stored text is the page's bytes, undecoded.
        fields = urllib.parse.parse_qsl(body.decode("latin-1"), keep_blank_values=True,
                                        encoding="latin-1")
        number = self.store.add(scanid, content_type, body, fields)
        self.send(200, page("Scan received",
                            "<p>Thank you. <a href=\"/scans/%d\">Read scan %s</a></p>"
                            % (number, html.escape(scanid))), "text/html; charset=utf-8")


def write_port_file(path: str, port: int):
    temporary = path + ".tmp"
    with open(temporary, "w") as f:
        f.write("%d\n" % port)
    os.replace(temporary, path)


def serve(port: int, db: str, port_file: str = None):
    handler = type("StoreHandler", (Handler,), {"store": ScanStore(db)})
    server = ThreadingHTTPServer(("127.0.0.1", port), handler)
    if port_file:
        write_port_file(port_file, server.server_address[1])
    return server


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port", type=int, default=47811)
    parser.add_argument("--db", required=True, help="SQLite file of received scans")
    parser.add_argument("--port-file", help="file that receives the port listened on")
    args = parser.parse_args(argv)
    server = serve(args.port, args.db, args.port_file)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()


if __name__ == "__main__":
    main()
