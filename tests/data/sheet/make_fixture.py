#!/usr/bin/python3
# Writes the small workbook the sheet tests read: trimmed and untrimmed names, a blank row, an empty sheet.
import sys

import xlwt

book = xlwt.Workbook(encoding="utf-8")
hebei = book.add_sheet("河北省")
rows = [
    (" 沧州市 ", 23.5),
    ("石家庄市", 30),
    ("保定市", "无资料"),
    None,                 # row 4 blank: the place list ends here
    ("邯郸市", 20.25),
    ("石家庄市", 31),     # a second row of the same place
]
for r, row in enumerate(rows):
    if row:
        hebei.write(r, 0, row[0])
        hebei.write(r, 1, row[1])
book.add_sheet("空表")
book.add_sheet("河北省 ").write(0, 0, "不应读到")
book.add_sheet("B列").write(0, 1, 12)
book.save(sys.argv[1])
