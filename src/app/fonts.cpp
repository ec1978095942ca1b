#include "app/fonts.h"

#include <QStringList>

namespace app {

QFont windowFont()
{
    QFont f(QStringLiteral("AR PL SungtiL GB"));
    f.setFamilies(QStringList() << QStringLiteral("AR PL SungtiL GB") << QStringLiteral("WenQuanYi Micro Hei"));
    f.setPointSizeF(10.5);
    return f;
}

QFont boldSansFont()
{
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    f.setPointSizeF(8.25);
    f.setBold(true);
    return f;
}

} // namespace app
