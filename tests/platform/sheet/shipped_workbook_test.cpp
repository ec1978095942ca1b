// The shipped thunderstorm-day workbook holds its CSV source, one sheet per province with data.
#include "platform/sheet/application.h"

#include <QFile>
#include <QMap>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QStringList kProvinces = {
    "北京市", "天津市", "河北省", "山西省", "内蒙古自治区", "辽宁省", "吉林省", "黑龙江省",
    "上海市", "江苏省", "浙江省", "安徽省", "福建省", "江西省", "山东省", "河南省", "湖北省",
    "湖南省", "广东省", "海南省", "广西壮族自治区", "四川省", "重庆市", "贵州省", "云南省",
    "西藏自治区", "陕西省", "甘肃省", "青海省", "宁夏回族自治区", "新疆维吾尔自治区",
    "香港特别行政区", "澳门特别行政区", "台湾省",
};

struct Place {
    QString name;
    double days;
};

// province -> places in file order, from the CSV (a quoted comma comes only after the days).
QMap<QString, QList<Place>> readSource()
{
    QFile f(QStringLiteral(RIDE_SOURCE_DIR "/resources/data/thunder-days.csv"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
    QMap<QString, QList<Place>> places;
    bool header = true;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (header || line.isEmpty()) {
            header = false;
            continue;
        }
        const QStringList fields = line.split(QLatin1Char(','));
        places[fields[0]].append(Place{fields[1], fields[2].toDouble()});
    }
    return places;
}

TEST(ShippedWorkbook, HoldsEveryPlaceOfItsSource)
{
    const QMap<QString, QList<Place>> source = readSource();
    ASSERT_EQ(source.size(), 27);

    sheet::Application app = sheet::Application::createObject();
    sheet::Workbook book = app.workbooks().open(QStringLiteral(RIDE_BIN_DIR "/全国主要城镇雷暴日数.xls"));
    const sheet::Sheets sheets = book.sheets();
    ASSERT_EQ(sheets.count(), source.size());
    int previous = -1;
    for (int i = 1; i <= sheets.count(); ++i) {
        const sheet::Worksheet ws = sheets.item(i);
        const QString province = ws.name();
        SCOPED_TRACE(province.toStdString());
        // Named exactly as in the province list, and in its order.
        const int position = static_cast<int>(kProvinces.indexOf(province));
        ASSERT_GE(position, 0);
        EXPECT_GT(position, previous);
        previous = position;
        const QList<Place>& places = source.value(province);
        ASSERT_FALSE(places.isEmpty());
        for (int row = 1; row <= places.size(); ++row) {
            const Place& p = places[row - 1];
            EXPECT_EQ(ws.cells(row, 1), QVariant(p.name));
            EXPECT_EQ(ws.cells(row, 2), QVariant(p.days));
            EXPECT_TRUE(ws.cells(row, 3).toString().startsWith(QStringLiteral("http")));
        }
        // The place list ends at the first blank row.
        EXPECT_FALSE(ws.cells(places.size() + 1, 1).isValid());
    }
    app.quit();
}

} // namespace
