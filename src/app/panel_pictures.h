// The panels' line drawings: SVG resources rendered into their picture boxes at the boxes' size.
#pragma once

#include "app/work_aside.h"

#include <QImage>
#include <QPixmap>
#include <QSize>

class QLabel;

namespace app {

// Makes the pictures and the help text of this library reachable as ":/pictures/..." and ":/help/...".
void initPanelResources();

// The SVG at path drawn to fit size (aspect kept, centred, transparent around it) at the given
// device pixel ratio; a null pixmap when the resource is missing or not a valid drawing.
QPixmap renderPicture(const QString& path, const QSize& size, qreal devicePixelRatio = 1.0);
// The same into an image, which may be drawn on any thread; the pixmap made of it holds the same pixels.
QImage renderPictureImage(const QString& path, const QSize& size, qreal devicePixelRatio = 1.0);

// A picture being drawn on another thread for a label of a known size and pixel ratio.
struct PictureAhead {
    WorkAside<QImage> image;
    QSize room;
    qreal ratio = 0;
};
// Starts drawing the picture at path for a label of labelSize, so that it is ready when the label is
// first shown (a label on the panel a window starts with).
PictureAhead drawPictureAhead(const QString& path, const QSize& labelSize, qreal devicePixelRatio);

// Puts the picture at path into label, rendered when the label is first shown and again whenever it
// changes size or screen, so it stays sharp. A drawing made ahead serves the first showing when its
// size and ratio are the label's then.
void fitPicture(QLabel* label, const QString& path, PictureAhead ahead = {});

} // namespace app
