#!/usr/bin/python3
# Writes thunder-days-fixture.xls, the small thunderstorm-day workbook of the buildings tests, and
# thunder-days-edited.xls, the same after a user's edit (沧州市 without blanks and with new days).
# Run with Debian's /usr/bin/python3 (python3-xlwt).
import os
import xlwt


def write(file_name, first_place):
    book = xlwt.Workbook(encoding="utf-8")

    # A first sheet of another name is skipped by the search.
    other = book.add_sheet("说明")
    other.write(0, 0, "河北省")
    other.write(0, 1, 1)

    # Names trimmed in the list, a non-numeric day value, a blank row ending the list.
    hebei = book.add_sheet("河北省")
    rows = [first_place, ("石家庄市", 31.2), ("保定市", "多雷"), ("   ", 99), ("邯郸市", 40)]
    for i, (place, days) in enumerate(rows):
        hebei.write(i, 0, place)
        hebei.write(i, 1, days)

    # Two rows of one name: the lower one decides.
    guangdong = book.add_sheet("广东省")
    for i, (place, days) in enumerate([("广州市", 76.1), ("深圳市", 73.9), ("广州市", 80)]):
        guangdong.write(i, 0, place)
        guangdong.write(i, 1, days)

    # A sheet whose first row is blank lists no place.
    book.add_sheet("江苏省").write(0, 1, 35)

    # Near misses of a province's name are not its sheet.
    book.add_sheet("湖南省 ").write(0, 0, "长沙市")

    book.save(os.path.join(os.path.dirname(os.path.abspath(__file__)), file_name))


write("thunder-days-fixture.xls", ("  沧州市 ", 23.5))
write("thunder-days-edited.xls", ("沧州市", 25))
