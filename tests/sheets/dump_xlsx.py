# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what openpyxl (an independent reader) finds in an .xlsx workbook, one line per fact.

Usage: dump_xlsx.py FILE
Lines: "name <first sheet name>", "active <cell>", "cell <ref> <type> <value repr>" for every
non-empty cell (type: str, int, float, ...), "width <column> <width>" for set widths,
"shared <n>" the number of shared strings the workbook carries.
"""
import sys
import zipfile

import openpyxl


def main(path):
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    print("name", sheet.title)
    print("active", sheet.sheet_view.selection[0].activeCell)
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is not None:
                print("cell", cell.coordinate, type(cell.value).__name__, repr(cell.value))
    for letter, dim in sorted(sheet.column_dimensions.items()):
        if dim.width:
            print("width", letter, round(dim.width))
    with zipfile.ZipFile(path) as z:
        print("shared", z.read("xl/sharedStrings.xml").count(b"<si>"))


if __name__ == "__main__":
    main(sys.argv[1])
