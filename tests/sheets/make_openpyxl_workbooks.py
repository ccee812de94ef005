#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the .xlsx books in data/ once, as openpyxl writes them: a formula it was given is kept
without its result, as <f>...</f><v></v>. Not run by the tests: its outputs are kept in the
source tree.

Usage: /usr/bin/python3 make_openpyxl_workbooks.py OUTDIR   (needs python3-openpyxl)
"""
import os
import sys

import openpyxl

HEADERS = ["PLU No", "Item name1", "Item name2", "U/Price", "Valid Date", "Tare", "Item code",
           "G code", "Message No"]


def book(path, rows):
    wb = openpyxl.Workbook()
    ws = wb.active
    ws.title = "PLU"
    ws.append(HEADERS)
    for row in rows:
        ws.append(row)
    wb.save(path)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    # A price that is a formula never computed.
    book(os.path.join(out, "openpyxl-formula.xlsx"), [[1, "APPLE", "", "=100+99", 3]])
    # One record, then a row with no PLU No whose Tare is a formula never computed.
    book(os.path.join(out, "openpyxl-end-row.xlsx"),
         [[1, "APPLE", "", 199, 3], [None, None, None, None, None, "=1+1"]])


if __name__ == "__main__":
    main()
