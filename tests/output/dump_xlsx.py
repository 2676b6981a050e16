# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the sheets of an .xlsx workbook as JSON, read by openpyxl, for the spreadsheet tests.

Each sheet: its title, its rows (a cell is null when empty, else its value and data type), the
widths of the columns that have one set, the frozen pane's top left cell, whether every header cell
is bold, and the workbook's author and application (read from the package itself: openpyxl does not
read the application). A part whose checksum does not match fails. Exits with 77 when openpyxl is
not installed.
"""
import json
import sys
import xml.etree.ElementTree as ElementTree
import zipfile

try:
    import openpyxl
except ImportError:
    sys.exit(77)

with zipfile.ZipFile(sys.argv[1]) as package:
    broken = package.testzip()
    if broken:
        sys.exit(f"{broken}: the checksum does not match")
    properties = ElementTree.fromstring(package.read("docProps/app.xml"))
application = properties.findtext("{http://schemas.openxmlformats.org/officeDocument/2006/extended-properties}Application")

workbook = openpyxl.load_workbook(sys.argv[1])
sheets = []
for sheet in workbook.worksheets:
    rows = []
    for row in sheet.iter_rows(min_row=1, max_row=sheet.max_row, max_col=sheet.max_column):
        rows.append([None if cell.value is None else {"value": cell.value, "type": cell.data_type} for cell in row])
    widths = {name: dim.width for name, dim in sheet.column_dimensions.items() if dim.customWidth}
    header = [cell for cell in sheet[1] if cell.value is not None] if sheet.max_row >= 1 else []
    sheets.append({"title": sheet.title, "rows": rows, "widths": widths, "frozen": sheet.freeze_panes,
                   "headerBold": bool(header) and all(cell.font.b for cell in header),
                   "author": workbook.properties.creator, "application": application})
json.dump(sheets, sys.stdout)
