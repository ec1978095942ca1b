// The tip line's caption rules.
#include "app/tip_line.h"

#include <gtest/gtest.h>

TEST(TipLine, CaptionTable)
{
    const struct { const char* msg; const char* caption; } rows[] = {
        {"", ""},
        {"   ", ""},
        {"选点被取消。", "提示: 选点被取消。"},
        {"制图比例无效!", "提示: 制图比例无效!"},
        {"正在试图连接或打开 AutoCAD", "提示: 正在试图连接或打开 AutoCAD!"},
        {"a.", "提示: a."}, {"a?", "提示: a?"}, {"a？", "提示: a？"}, {"a!", "提示: a!"},
        {"a！", "提示: a！"}, {"a:", "提示: a:"}, {"a：", "提示: a："}, {"a%", "提示: a%"},
        {"次/a", "提示: 次/a!"}, {"12", "提示: 12!"}, {"(m)", "提示: (m)!"},
        {"ends in blank ", "提示: ends in blank !"},
        {"  lead", "提示:   lead!"},
        {"\u3000", "提示: \u3000!"},
        {"a;", "提示: a;!"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(app::tipCaption(QString::fromUtf8(r.msg)), QString::fromUtf8(r.caption)) << r.msg;
}

// A script may send a message of any length; the line keeps only what one line could ever show.
TEST(TipLine, HugeMessagesAreCutToTheLineWithoutSplittingACharacter)
{
    const QString prefix = QString::fromUtf8("提示: ");
    const QString emoji = QString::fromUtf8("😀"); // two UTF-16 units
    const struct { QString msg; qsizetype length; } rows[] = {
        {QString(app::kTipLineMaxLength - prefix.size() - 1, QLatin1Char('a')), app::kTipLineMaxLength}, // "!" just fits
        {QString(app::kTipLineMaxLength - prefix.size(), QLatin1Char('a')), app::kTipLineMaxLength},     // "!" cut off
        {QString(65536, QLatin1Char('a')), app::kTipLineMaxLength},
        {QString(app::kTipLineMaxLength - prefix.size() - 1, QLatin1Char('a')) + emoji, app::kTipLineMaxLength - 1},
        {emoji.repeated(40000), app::kTipLineMaxLength},
    };
    for (const auto& r : rows) {
        const QString caption = app::tipCaption(r.msg);
        EXPECT_EQ(caption.size(), r.length) << r.msg.size();
        EXPECT_TRUE(caption.startsWith(prefix + r.msg.left(8)));
        EXPECT_TRUE(caption.isValidUtf16());
    }
}
