// The two faces of the window, with fall-backs that cover the Chinese captions.
#include "app/fonts.h"

#include "app/work_aside.h"

#include <QStringList>
#include <dlfcn.h>

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

namespace {
WorkAside<void>& preload()
{
    static WorkAside<void> reading;
    return reading;
}
} // namespace

void startFontPreload()
{
    // Qt reads the fonts through fontconfig, which keeps its configuration for the whole process once
    // read; reading it twice at once would only cost twice. Looked up in the process, so that a Qt
    // without fontconfig simply skips this.
    using Init = int (*)();
    auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (init && !preload().valid())
        preload() = WorkAside<void>([init] { init(); });
}

void finishFontPreload() { preload().finish(); }

} // namespace app
