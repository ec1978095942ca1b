// The window icon: one SVG rendered at the usual icon sizes (no SVG icon plugin is needed).
#include "app/window_icon.h"

#include "app/panel_pictures.h"

#include <QList>
#include <future>

namespace app {

namespace {

QList<QImage> iconImages()
{
    QList<QImage> images;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        images << renderPictureImage(QStringLiteral(":/icons/ride.svg"), QSize(side, side));
    return images;
}

std::shared_future<QList<QImage>>& drawing()
{
    static std::shared_future<QList<QImage>> images; // its end waits for the thread, should nobody take them
    return images;
}

void startDrawing(std::launch how)
{
    initPanelResources();
    if (!drawing().valid())
        drawing() = std::async(how, iconImages).share();
}

} // namespace

void startIconRendering() { startDrawing(std::launch::async); }

void finishIconRendering()
{
    if (drawing().valid())
        drawing().wait();
}

QIcon programIcon()
{
    startDrawing(std::launch::deferred);
    QIcon icon;
    for (const QImage& image : drawing().get())
        icon.addPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
    return icon;
}

} // namespace app
