# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the rows of a CSV or TSV file as JSON, read by Python's csv module in strict mode.

Usage: dump_delimited.py FILE csv|tsv. The file must be UTF-8 (a byte-order mark in front is
reported as "bom": true, not read as text) and every row must end in CR LF, as RFC 4180 and
spreadsheets write them; anything else fails with a message on standard error.
"""
import csv
import io
import json
import sys

path, form = sys.argv[1], sys.argv[2]
with open(path, "rb") as raw:
    data = raw.read()
bom = data.startswith(b"\xef\xbb\xbf")
text = data[3 if bom else 0:].decode("utf-8")
dialect = csv.excel if form == "csv" else csv.excel_tab
rows = list(csv.reader(io.StringIO(text, newline=""), dialect=dialect, strict=True))

# Outside quoted cells the only line ends are CR LF, one after every row.
outside = text.split('"')[0::2]
ends = "".join(outside).replace("\r\n", "\0")
if "\r" in ends or "\n" in ends or not text.endswith("\r\n") or ends.count("\0") != len(rows):
    sys.exit("a row does not end in CR LF")
json.dump({"bom": bom, "rows": rows}, sys.stdout)
