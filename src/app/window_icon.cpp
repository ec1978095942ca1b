// The window icon: one SVG rendered at the usual icon sizes (no SVG icon plugin is needed).
#include "app/window_icon.h"

#include "app/panel_pictures.h"
#include "app/work_aside.h"

#include <QList>
#include <optional>

namespace app {

namespace {

QList<QImage> iconImages()
{
    QList<QImage> images;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        images << renderPictureImage(QStringLiteral(":/icons/ride.svg"), QSize(side, side));
    return images;
}

struct IconDrawing {
    WorkAside<QList<QImage>> aside;
    std::optional<QList<QImage>> images;
};

IconDrawing& drawing()
{
    static IconDrawing icon;
    return icon;
}

} // namespace

void startIconRendering()
{
    initPanelResources();
    IconDrawing& d = drawing();
    if (!d.aside.valid() && !d.images)
        d.aside = WorkAside<QList<QImage>>(iconImages);
}

void finishIconRendering() { drawing().aside.finish(); }

QIcon programIcon()
{
    initPanelResources();
    IconDrawing& d = drawing();
    if (!d.images)
        d.images = d.aside.valid() ? d.aside.take() : iconImages();
    QIcon icon;
    for (const QImage& image : *d.images)
        icon.addPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    return icon;
}

} // namespace app
