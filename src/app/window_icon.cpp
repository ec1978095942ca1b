// The window icon: one SVG rendered at the usual icon sizes (no SVG icon plugin is needed).
#include "app/window_icon.h"

#include "app/panel_pictures.h"

namespace app {

QIcon programIcon()
{
    initPanelResources();
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(renderPicture(QStringLiteral(":/icons/ride.svg"), QSize(side, side)));
    return icon;
}

} // namespace app
