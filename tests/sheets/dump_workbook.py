# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints what xlrd (an independent reader) finds in a workbook, one line per fact.

Usage: dump_workbook.py FILE
Lines: "sheets N", "name <first sheet name>", "size ROWS COLS",
"cell R C TYPE <value>" for every non-empty cell (TYPE text or number, value as repr),
"width C W" for columns with a set width.

Usage: dump_workbook.py --texts FILE ROWS COLS [ENCODING]
(ENCODING: the 8-bit texts' code page of an Excel 95 file whose own is wrong, e.g. cp1252)
Lines: "name <first worksheet name>", then "R C <text>" for every cell of the first ROWS rows
and COLS columns that holds a value, as the import takes it: a text as it is, a number in its
plain shortest decimal form, a date as YYYY-MM-DD (with " HH:MM:SS" when it has a time), a
boolean as 1 or 0, an error value as #ERROR.
"""
import datetime
import decimal
import sys

import xlrd


def number_text(v):
    if v == int(v) and abs(v) < 1e16:
        return str(int(v))
    return format(decimal.Decimal(repr(v)), "f")


def cell_text(book, cell):
    if cell.ctype == xlrd.XL_CELL_TEXT:
        return cell.value
    if cell.ctype == xlrd.XL_CELL_NUMBER:
        return number_text(cell.value)
    if cell.ctype == xlrd.XL_CELL_DATE:
        d = xlrd.xldate.xldate_as_datetime(cell.value, book.datemode)
        if cell.value < 1:
            return d.strftime("%H:%M:%S")
        return d.strftime("%Y-%m-%d" if d.time() == datetime.time() else "%Y-%m-%d %H:%M:%S")
    if cell.ctype == xlrd.XL_CELL_BOOLEAN:
        return str(int(cell.value))
    return "#ERROR"


def texts(path, rows, cols, encoding=None):
    book = xlrd.open_workbook(path, formatting_info=True, encoding_override=encoding)
    sh = book.sheet_by_index(0)
    print("name", sh.name)
    for r in range(min(rows, sh.nrows)):
        for c in range(min(cols, sh.row_len(r))):
            cell = sh.cell(r, c)
            if cell.ctype not in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
                print(r, c, cell_text(book, cell))


def main(path):
    book = xlrd.open_workbook(path, formatting_info=True)
    print("sheets", book.nsheets)
    sh = book.sheet_by_index(0)
    print("name", sh.name)
    print("size", sh.nrows, sh.ncols)
    kinds = {xlrd.XL_CELL_TEXT: "text", xlrd.XL_CELL_NUMBER: "number"}
    for r in range(sh.nrows):
        for c in range(sh.ncols):
            cell = sh.cell(r, c)
            if cell.ctype in (xlrd.XL_CELL_EMPTY, xlrd.XL_CELL_BLANK):
                continue
            print("cell", r, c, kinds.get(cell.ctype, "other"), repr(cell.value))
    for c in sorted(sh.colinfo_map):
        print("width", c, sh.colinfo_map[c].width)


if __name__ == "__main__":
    if sys.argv[1] == "--texts":
        texts(sys.argv[2], int(sys.argv[3]), int(sys.argv[4]), *sys.argv[5:])
    else:
        main(sys.argv[1])
