# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a spreadsheet export with Python's csv module and checks every cell against the
trips' own bytes, with this file's own idea of the formula guard and of Windows-1252."""
import csv
import re
import subprocess
import sys
import tempfile
import os

HEADER = ["Venue", "Type of water", "Day Ticket \u00a3", "Club", "Weight (lb)", "Weight (oz)",
          "Water Conditions", "Weather", "Temperature", "Method", "Depth (ft)", "Depth (inch)",
          "Best Bait,etc", "Species", "Best Fish", "Best Fish Weight (lb)",
          "Best Fish Weight (oz)", "Restrictions", "Remarks", "Date", "Start Time", "Finish"]
PLAIN_NUMBER = re.compile(r"[+-]?(\d+([.,]\d*)?|[.,]\d+)\Z")


def cp1252(data):
    # Python leaves five bytes undefined; the database maps them to the C1 controls.
    return "".join(chr(b) if b in (0x81, 0x8D, 0x8F, 0x90, 0x9D) else bytes([b]).decode("cp1252")
                   for b in data)


def guarded(text):
    if not text:
        return False
    if text[0] in "=+-@\t":
        return not PLAIN_NUMBER.match(text)
    return text[0] == "'" and guarded(text[1:])


def main():
    exporter = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        csv_path = os.path.join(folder, "trips.csv")
        fields_path = os.path.join(folder, "trips.fields")
        subprocess.run([exporter, csv_path, fields_path], check=True)
        raw = open(csv_path, "rb").read()
        assert raw.startswith(b"\xef\xbb\xbf"), "no byte-order mark"
        assert b"\n" not in raw.replace(b"\r\n", b""), "a line end other than CR LF"
        with open(csv_path, newline="", encoding="utf-8-sig") as f:
            rows = list(csv.reader(f, strict=True))
        trips = [[bytes.fromhex("" if cell == "-" else cell) for cell in line.split(" ")]
                 for line in open(fields_path).read().splitlines()]

    assert rows[0] == HEADER, rows[0]
    assert len(rows) == len(trips) + 1, (len(rows), len(trips))
    cells = 0
    for number, (row, trip) in enumerate(zip(rows[1:], trips), start=1):
        assert len(row) == 22, (number, row)
        for field, (cell, data) in enumerate(zip(row, trip)):
            text = cp1252(data)
            expected = "'" + text if guarded(text) else text
            assert cell == expected, (number, field, cell, expected)
            cells += 1
    print(f"{cells} cells of {len(trips)} trips read back")


main()
