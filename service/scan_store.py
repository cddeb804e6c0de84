"""Posted scans in SQLite: every field as received, the scan id and the time of arrival."""

import datetime
import json
import sqlite3

_SCHEMA = """
CREATE TABLE IF NOT EXISTS scans (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    scanid TEXT NOT NULL,
    received TEXT NOT NULL,
    content_type TEXT NOT NULL,
    body BLOB NOT NULL,
    fields TEXT NOT NULL
)
"""


class ScanStore:
    def __init__(self, path: str):
        self.path = path
        with self._connect() as db:
            db.execute(_SCHEMA)

    def _connect(self):
        return sqlite3.connect(self.path, timeout=10)

    def add(self, scanid: str, content_type: str, body: bytes, fields: list) -> int:
        """Stores one scan; fields is the list of (name, value) pairs in posted order."""
        received = datetime.datetime.now(datetime.timezone.utc).isoformat(timespec="milliseconds")
        with self._connect() as db:
            cursor = db.execute(
                "INSERT INTO scans (scanid, received, content_type, body, fields)"
                " VALUES (?, ?, ?, ?, ?)",
                (scanid, received, content_type, body, json.dumps(fields)))
            return cursor.lastrowid

    def list(self) -> list:
        with self._connect() as db:
            rows = db.execute("SELECT id, scanid, received FROM scans ORDER BY id").fetchall()
        return [{"id": r[0], "scanid": r[1], "received": r[2]} for r in rows]

    def get(self, key: str):
        """A scan by its number, or the latest one posted with that scan id."""
        with self._connect() as db:
            if key.isdigit():
                row = db.execute("SELECT * FROM scans WHERE id = ?", (int(key),)).fetchone()
            else:
                row = db.execute("SELECT * FROM scans WHERE scanid = ? ORDER BY id DESC",
                                 (key,)).fetchone()
        if row is None:
            return None
        return {"id": row[0], "scanid": row[1], "received": row[2], "content_type": row[3],
                "body": row[4], "fields": json.loads(row[5])}
