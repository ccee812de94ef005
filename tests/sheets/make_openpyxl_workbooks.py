#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes data/openpyxl-*.xlsx once, as openpyxl writes a formula it was given: without its
result, as <f>...</f><v></v>. Not run by the tests. Usage: make_openpyxl_workbooks.py OUTDIR"""
import os
import sys

import openpyxl


def book(name, rows):
    wb = openpyxl.Workbook()
    for row in [["PLU No", "Item name1", "Item name2", "U/Price", "Valid Date", "Tare"]] + rows:
        wb.active.append(row)
    wb.save(os.path.join(sys.argv[1], name))


book("openpyxl-formula.xlsx", [[1, "APPLE", "", "=100+99", 3]])  # a price never computed
# One record, then a row without a PLU No whose Tare was never computed.
book("openpyxl-end-row.xlsx", [[1, "APPLE", "", 199, 3], [None] * 5 + ["=1+1"]])
