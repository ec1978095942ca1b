// The mapping between drawing units and the pixels of a drawing view: zoom about a point, pan, fit.
#pragma once

#include "platform/cad/geometry/point.h"
#include "platform/cad/model/spatial_index.h"

#include <QPointF>
#include <QSizeF>
#include <QTransform>

namespace cad {

// Drawing y grows upwards, pixel y downwards. `scale` is pixels per drawing unit; (cx, cy) is the
// drawing point at the centre of the view.
struct ViewTransform {
    double scale = 1;
    double cx = 0, cy = 0;
    QSizeF size{1, 1};

    QPointF toScreen(double x, double y) const
    {
        return {size.width() / 2 + (x - cx) * scale, size.height() / 2 - (y - cy) * scale};
    }
    QPointF toScreen(const Point& p) const { return toScreen(p[0], p[1]); }
    Point toDrawing(const QPointF& pixel) const
    {
        return {cx + (pixel.x() - size.width() / 2) / scale, cy - (pixel.y() - size.height() / 2) / scale, 0};
    }
    // Drawing units to pixels as a QTransform (for block contents and batched mapping).
    QTransform matrix() const;
    // The part of the drawing the view shows.
    Box window() const;

    // Zooms by `factor` (> 1: closer) keeping the drawing point under `pixel` where it is.
    void zoomAbout(const QPointF& pixel, double factor);
    // Moves the drawing with the mouse by `delta` pixels.
    void panBy(const QPointF& delta);
    // Shows `box` whole, centred, with a margin; an empty or degenerate box keeps a sensible scale.
    void fit(const Box& box);
};

} // namespace cad
