// The two faces of the window, with fall-backs that cover the Chinese captions.
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
    // A sans face with a drawn bold weight and full GB coverage, so that the province names stay bold.
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setFamilies(QStringList() << QStringLiteral("Noto Sans CJK SC") << QStringLiteral("WenQuanYi Micro Hei"));
    f.setPointSizeF(8.25);
    f.setBold(true);
    return f;
}

} // namespace app
