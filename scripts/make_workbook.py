#!/usr/bin/python3
# Builds the thunderstorm-day workbook (.xls) from its CSV source: one sheet per province with data.
#
# Usage: make_workbook.py SOURCE.csv OUTPUT.xls
# Each sheet is named exactly as the province in the program's province list and holds, from row 1
# without a header, the place in column A, its annual thunderstorm days in column B (a number),
# and the source and note in columns C and D, which the program does not read.
# Needs Debian's python3-xlwt, which loads in /usr/bin/python3.
import csv
import sys

import xlwt

# The province list of the strike-count panel, in its order; the sheets follow it.
PROVINCES = [
    "北京市", "天津市", "河北省", "山西省", "内蒙古自治区", "辽宁省", "吉林省", "黑龙江省",
    "上海市", "江苏省", "浙江省", "安徽省", "福建省", "江西省", "山东省", "河南省", "湖北省",
    "湖南省", "广东省", "海南省", "广西壮族自治区", "四川省", "重庆市", "贵州省", "云南省",
    "西藏自治区", "陕西省", "甘肃省", "青海省", "宁夏回族自治区", "新疆维吾尔自治区",
    "香港特别行政区", "澳门特别行政区", "台湾省",
]


def number_or_text(text):
    try:
        return float(text)
    except ValueError:
        return text


def main(source, output):
    rows = {province: [] for province in PROVINCES}
    with open(source, encoding="utf-8", newline="") as f:
        for line, row in enumerate(csv.DictReader(f), start=2):
            province = row["province"]
            if province not in rows:
                sys.exit(f"{source}:{line}: province {province!r} is not in the province list")
            place = row["place"].strip()
            if not place:
                # A blank place would end the program's place list early.
                sys.exit(f"{source}:{line}: empty place name")
            rows[province].append((place, number_or_text(row["days"].strip()),
                                   row.get("source") or "", row.get("note") or ""))

    book = xlwt.Workbook(encoding="utf-8")
    for province in PROVINCES:
        if not rows[province]:
            continue
        sheet = book.add_sheet(province)
        for r, (place, days, origin, note) in enumerate(rows[province]):
            sheet.write(r, 0, place)
            sheet.write(r, 1, days)
            if origin:
                sheet.write(r, 2, origin)
            if note:
                sheet.write(r, 3, note)
        sheet.col(0).width = 256 * 20
        sheet.col(2).width = 256 * 40
    book.save(output)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: make_workbook.py SOURCE.csv OUTPUT.xls")
    main(sys.argv[1], sys.argv[2])
