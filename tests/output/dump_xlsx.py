# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints the sheets of an .xlsx workbook as JSON, read by openpyxl, for the spreadsheet tests.

Each sheet: its title, its rows (a cell is null when empty, else its value and data type), the
widths of the columns that have one set, the frozen pane's top left cell, whether every header cell
is bold, and the workbook's author. Exits with 77 when openpyxl is not installed.
"""
import json
import sys

try:
    import openpyxl
except ImportError:
    sys.exit(77)

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
                   "author": workbook.properties.creator})
json.dump(sheets, sys.stdout)
