# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the workbooks that the import tests read, with xlwt (an independent writer).

Usage: make_workbooks.py OUTDIR
"""
import datetime
import os
import sys

import xlwt

PLU_HEADERS = ["PLU No", "           Item Name1           ", "           Item Name2           ",
               "U/Price", "Valid Date", "Tare", "Item Code", "G Code", "Message No"]


def plu_book(rows, name="PLU 01.02.26", headers=PLU_HEADERS):
    wb = xlwt.Workbook()
    ws = wb.add_sheet(name)
    r = 0
    if headers is not None:
        for c, h in enumerate(headers):
            ws.write(0, c, h)
        r = 1
    for row in rows:
        for c, v in enumerate(row):
            if v is None:
                continue
            if isinstance(v, tuple) and v[0] == "error":
                ws.row(r).set_cell_error(c, v[1])
            elif isinstance(v, tuple) and v[0] == "bool":
                ws.row(r).set_cell_boolean(c, v[1])
            elif isinstance(v, datetime.date):
                ws.write(r, c, v, xlwt.easyxf(num_format_str="DD.MM.YY"))
            else:
                ws.write(r, c, v)
        r += 1
    return wb


def main(out):
    os.makedirs(out, exist_ok=True)
    save = lambda wb, name: wb.save(os.path.join(out, name))

    # Numbers, texts and blanks of every kind in the PLU layout.
    mixed = [
        [1, "Apple", "red", 12, 3, 5, 1001, 2, 7],
        [2, "Pear", None, 12.5, None, None, None, None, None],
        [3.0, "   ", "x" * 30, "-7", " 42 ", 0, 2147483647, -1, 2.5],
        [4, 17, 0.1, "", 1e3, None, None, None, None],
        [5, datetime.date(2026, 12, 6), ("bool", True), 1, 1, 1, 1, 1, 1],
    ]
    save(plu_book(mixed), "mixed.xls")
    # The same with whole numbers where mixed.xls has fractions in number fields.
    mixed[1][3] = 12.0
    mixed[2][8] = 2.0
    save(plu_book(mixed), "whole.xls")
    # Rows after the first empty PLU No are not read.
    save(plu_book([
        [10, "ten"], [11, "eleven"], [None, "lost"], [13, "thirteen"],
    ]), "gap.xls")
    # An error value in sheet row 150, column D.
    rows = [[i, "item %d" % i, "", i * 10] for i in range(1, 200)]
    rows[148][3] = ("error", "#DIV/0!")
    save(plu_book(rows), "error.xls")
    # An error value below the stop row is never read.
    save(plu_book([[1, "a"], [None], [("error", "#VALUE!")]]), "error-after-stop.xls")
    # More than 200 records.
    save(plu_book([[i, "item %d" % i, None, i] for i in range(1, 251)]), "many.xls")
    # Exactly 200 records and nothing after.
    save(plu_book([[i, "n%d" % i] for i in range(1, 201)]), "two-hundred.xls")
    # A1 empty: no records, captions from B1 to I1.
    save(plu_book([[1, "a"]], headers=[None, "B head", None, "D head"]), "empty-a1.xls")
    # No header row: the first record becomes the captions.
    save(plu_book([[1, "first"], [2, "second"], [3, "third"]], headers=None), "headerless.xls")
    # PLU No of letters in the third record; above 32767 in the second.
    save(plu_book([[1, "a"], [2, "b"], ["abc", "c"]]), "letters.xls")
    save(plu_book([[1, "a"], [32768, "b"]]), "too-big.xls")
    # A Message No of blanks is not empty, and is not a number either.
    wb = xlwt.Workbook()
    ws = wb.add_sheet("INGRED")
    ws.write(0, 0, "Message No")
    ws.write(1, 0, 1)
    ws.write(2, 0, "  ")
    save(wb, "blank-number.xls")
    save(plu_book([[1, "a", None, 2147483648]]), "price-too-big.xls")

    # Ingredient layout: blank lines, a 60-character line, numbers in lines.
    wb = xlwt.Workbook()
    ws = wb.add_sheet("INGRED 01.02.26")
    ws.write(0, 0, "Message No")
    for c in range(1, 9):
        ws.write(0, c, "           Message%d            " % c)
    ws.write(1, 0, 1)
    ws.write(1, 1, "flour, water")
    ws.write(1, 3, "y" * 60)
    ws.write(1, 8, 250)
    ws.write(2, 0, "2")
    ws.write(3, 0, " 3 ")
    ws.write(3, 2, "spaces above")
    save(wb, "ingred.xls")

    # Two sheets: only the first is read.
    wb = xlwt.Workbook()
    a = wb.add_sheet("first")
    a.write(0, 0, "PLU No")
    a.write(1, 0, 1)
    b = wb.add_sheet("second")
    b.write(0, 0, "PLU No")
    for r in range(1, 5):
        b.write(r, 0, r)
    save(wb, "two-sheets.xls")

    # Long texts, every other one with a character beyond Latin-1: the shared strings outgrow
    # one record, and xlwt splits a text of 8-bit characters across the first CONTINUE record
    # and one of 16-bit characters across the second.
    wb = xlwt.Workbook()
    ws = wb.add_sheet("long")
    for r in range(60):
        ws.write(r, 0, r)
        ws.write(r, 1, "line %d " % r + "abcdefghij" * 19 + ("\u20ac" if r % 2 == 0 else ""))
    save(wb, "long-texts.xls")


if __name__ == "__main__":
    main(sys.argv[1])
