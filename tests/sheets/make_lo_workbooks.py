# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the workbooks in data/ once, as shops' spreadsheet programs write them: lo-*.xls with
LibreOffice Calc (Excel 97 format), and gnumeric-95.xls, the PLU book in the Excel 5.0/95
format, with Gnumeric's ssconvert (this LibreOffice reads that format but no longer writes it).
Not run by the tests: its outputs are kept in the source tree.

Usage: /usr/bin/python3 make_lo_workbooks.py OUTDIR
(starts "soffice --headless" on a private pipe and drives it through UNO; needs soffice and,
for the Excel 95 book, ssconvert from the gnumeric package)
"""
import os
import subprocess
import sys
import tempfile
import time

import uno
from com.sun.star.awt import Rectangle
from com.sun.star.beans import PropertyValue
from com.sun.star.table import CellRangeAddress

PLU_HEADERS = ["PLU No", "           Item Name1           ", "           Item Name2           ",
               "U/Price", "Valid Date", "Tare", "Item Code", "G Code", "Message No"]


def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p


def connect(pipe):
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext(
        "com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(120):
        try:
            ctx = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
            return ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
        except Exception:
            time.sleep(0.5)
    raise SystemExit("soffice did not answer")


def new_book(desktop, sheets):
    doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0,
                                       (prop("Hidden", True),))
    ss = doc.Sheets
    ss.getByIndex(0).Name = sheets[0]
    for i, name in enumerate(sheets[1:], 1):
        ss.insertNewByName(name, i)
    return doc


def put(sheet, row, col, value):
    cell = sheet.getCellByPosition(col, row)
    if isinstance(value, str) and value.startswith("="):
        cell.Formula = value
    elif isinstance(value, str):
        cell.String = value
    else:
        cell.Value = value
    return cell


def save(doc, path, filt):
    doc.storeToURL(uno.systemPathToFileUrl(os.path.abspath(path)), (prop("FilterName", filt),))
    doc.close(True)


def date_format(doc, code):
    formats = doc.NumberFormats
    locale = uno.createUnoStruct("com.sun.star.lang.Locale")
    key = formats.queryKey(code, locale, False)
    return key if key != -1 else formats.addNew(code, locale)


def plu_book(desktop, ascii_only=False):
    """A PLU table with a chart beside it, defined names, references to a second sheet,
    formulas of every result, shared and array formulas, rich text and dates. (Gnumeric writes
    Excel 95 texts beyond ASCII as UTF-16, which xlrd cannot read: its source is ASCII only.)"""
    doc = new_book(desktop, ["PLU 06.12.26", "Stock"])
    plu, stock = doc.Sheets.getByIndex(0), doc.Sheets.getByIndex(1)
    for c, h in enumerate(PLU_HEADERS):
        put(plu, 0, c, h)
    names = ["Apple", "Pear", "Plum", "Kaese 250 g" if ascii_only else "Käse 250 g",
             "Brot EUR" if ascii_only else "Brot €", "Milk"]
    for i, name in enumerate(names):
        r = i + 1
        put(plu, r, 0, 101 if r == 1 else "=A%d+1" % r)  # filled down: a shared formula
        put(plu, r, 1, name)
        put(plu, r, 3, 125 * r + 0.5 * (r % 2))
        put(plu, r, 6, 2000 + r)
        put(stock, r, 0, name)
        put(stock, r, 1, 10 * r)
    doc.NamedRanges.addNewByName("StockCounts", "$Stock.$B$2:$B$7", uno.createUnoStruct(
        "com.sun.star.table.CellAddress"), 0)
    doc.NamedRanges.addNewByName("Markup", "1.25", uno.createUnoStruct(
        "com.sun.star.table.CellAddress"), 0)
    put(plu, 1, 4, "=Stock.B2")                    # a reference to another sheet
    put(plu, 2, 4, "=SUM(StockCounts)")            # through a defined name
    put(plu, 3, 4, "=ROUND(D4*Markup;0)")
    put(plu, 1, 2, '=IF(A2>100;"big";"small")')    # a text result
    put(plu, 2, 2, "=A3>A2")                        # a boolean
    put(plu, 3, 2, 46362)                           # dates
    put(plu, 5, 2, 36526.25)
    fmt = date_format(doc, "DD.MM.YY")
    plu.getCellByPosition(2, 3).NumberFormat = fmt
    plu.getCellByPosition(2, 5).NumberFormat = date_format(doc, "DD.MM.YYYY HH:MM")
    put(plu, 4, 2, '=""')                           # the empty text
    # An array formula over F2:F4.
    plu.getCellRangeByName("F2:F4").setArrayFormula("=G2:G4-2000")
    # Rich text: part of the last name in bold.
    cell = plu.getCellByPosition(1, 6)
    cell.String = ""
    text = cell.Text
    cursor = text.createTextCursor()
    text.insertString(cursor, "half ", False)
    cursor.CharWeight = 150.0
    text.insertString(cursor, "bold", False)
    put(plu, 1, 8, 7)
    # Error values below the row that ends the import.
    put(plu, 8, 0, "=1/0")
    put(plu, 8, 1, "=NA()")
    # A chart beside the data.
    rng = CellRangeAddress()
    rng.Sheet, rng.StartColumn, rng.StartRow, rng.EndColumn, rng.EndRow = 0, 3, 0, 3, 6
    plu.Charts.addNewByName("Prices", Rectangle(12000, 1000, 8000, 6000), (rng,), True, True)
    return doc


def sheets_book(desktop):
    """Several sheets, the first of them hidden."""
    doc = new_book(desktop, ["Old", "Now", "Later"])
    for i in range(3):
        sh = doc.Sheets.getByIndex(i)
        put(sh, 0, 0, "PLU No")
        put(sh, 0, 1, "Item")
        for r in range(1, 4):
            put(sh, r, 0, 100 * (i + 1) + r)
            put(sh, r, 1, "%s %d" % (sh.Name, r))
    doc.Sheets.getByIndex(0).IsVisible = False
    return doc


def long_book(desktop):
    """More shared strings than one record holds, and a cell holding the empty text."""
    doc = new_book(desktop, ["INGRED 06.12.26"])
    sh = doc.Sheets.getByIndex(0)
    put(sh, 0, 0, "Message No")
    for r in range(1, 26):
        put(sh, r, 0, r)
        for c in range(1, 9):
            put(sh, r, c, "Ingredient %d of message %d, flour, water, salt" % (c, r)
                + (" ü" if (r + c) % 3 == 0 else "") + (" €" if (r + c) % 7 == 0 else ""))
    # The empty text that pasting the values of ="" leaves behind.
    put(sh, 3, 5, '=""')
    sh.getCellRangeByName("F4").setDataArray(sh.getCellRangeByName("F4").getDataArray())
    return doc


def main(out):
    os.makedirs(out, exist_ok=True)
    pipe = "tarnlink_fixtures_%d" % os.getpid()
    profile = tempfile.mkdtemp()
    office = subprocess.Popen([
        "soffice", "--headless", "--invisible", "--nologo", "--norestore",
        "-env:UserInstallation=" + uno.systemPathToFileUrl(profile),
        "--accept=pipe,name=%s;urp;" % pipe])
    try:
        desktop = connect(pipe)
        save(plu_book(desktop), os.path.join(out, "lo-plu.xls"), "MS Excel 97")
        save(plu_book(desktop, ascii_only=True), os.path.join(profile, "ascii.xls"), "MS Excel 97")
        save(sheets_book(desktop), os.path.join(out, "lo-sheets.xls"), "MS Excel 97")
        save(long_book(desktop), os.path.join(out, "lo-long.xls"), "MS Excel 97")
        try:
            desktop.terminate()
        except Exception:
            pass
    finally:
        try:
            office.wait(timeout=30)
        except subprocess.TimeoutExpired:
            office.kill()
    subprocess.run(["ssconvert", "--export-type=Gnumeric_Excel:excel_biff7",
                    os.path.join(profile, "ascii.xls"), os.path.join(out, "gnumeric-95.xls")],
                   check=True)


if __name__ == "__main__":
    main(sys.argv[1])
