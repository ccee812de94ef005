"""Prints what xlrd (an independent reader) finds in a workbook, one line per fact.

Usage: dump_workbook.py FILE
Lines: "sheets N", "name <first sheet name>", "size ROWS COLS",
"cell R C TYPE <value>" for every non-empty cell (TYPE text or number, value as repr),
"width C W" for columns with a set width.
"""
import sys

import xlrd


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
    main(sys.argv[1])
