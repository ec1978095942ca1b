// The view mapping's zoom, pan and fit, with limits that keep the numbers finite.
#include "platform/cad/window/drawing_view_transform.h"

#include <algorithm>
#include <cmath>

namespace cad {

namespace {
// Beyond these a double no longer tells neighbouring pixels apart on a site plan's coordinates.
constexpr double kMinScale = 1e-9;
constexpr double kMaxScale = 1e9;
// Fraction of the view left free around a fitted drawing.
constexpr double kFitMargin = 0.05;
} // namespace

QTransform ViewTransform::matrix() const
{
    return QTransform(scale, 0, 0, -scale, size.width() / 2 - cx * scale, size.height() / 2 + cy * scale);
}

Box ViewTransform::window() const
{
    const double hw = size.width() / 2 / scale, hh = size.height() / 2 / scale;
    return {cx - hw, cy - hh, cx + hw, cy + hh};
}

void ViewTransform::zoomAbout(const QPointF& pixel, double factor)
{
    if (!(factor > 0) || !std::isfinite(factor))
        return;
    const Point fixed = toDrawing(pixel);
    scale = std::clamp(scale * factor, kMinScale, kMaxScale);
    // Put the drawing point back under the pixel.
    const QPointF now = toScreen(fixed);
    panBy(pixel - now);
}

void ViewTransform::panBy(const QPointF& delta)
{
    cx -= delta.x() / scale;
    cy += delta.y() / scale;
}

void ViewTransform::fit(const Box& box)
{
    const double w = box.maxX - box.minX, h = box.maxY - box.minY;
    if (!std::isfinite(w) || !std::isfinite(h) || w < 0 || h < 0)
        return;
    cx = (box.minX + box.maxX) / 2;
    cy = (box.minY + box.maxY) / 2;
    const double usableW = size.width() * (1 - 2 * kFitMargin), usableH = size.height() * (1 - 2 * kFitMargin);
    if (w <= 0 && h <= 0)
        return;   // a single point: centre it, keep the zoom
    const double sx = w > 0 ? usableW / w : kMaxScale, sy = h > 0 ? usableH / h : kMaxScale;
    scale = std::clamp(std::min(sx, sy), kMinScale, kMaxScale);
}

} // namespace cad
