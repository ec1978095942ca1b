// 1-pixel lines and dots kept in 1/1024 pixel and drawn straight into an image's pixels, as QPainter draws them aliased.
#include "platform/cad/window/drawing_view_raster.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace cad {

namespace {

// Kept in 1/1024 pixel, rounded towards zero: cut to 1/64 pixel the painter's way from there gives
// what it cuts the line itself to (as trunc(trunc(1024 x) / 16) == trunc(64 x)), and a painter
// that draws at a finer grid (a scaled one on a denser screen) loses next to nothing.
constexpr int kUnit = 1024;
constexpr int kToPainter = kUnit / 64;

std::int32_t toFixed(double v) { return static_cast<std::int32_t>(v * kUnit); }

double fromFixed(std::int32_t v) { return static_cast<double>(v) / kUnit; }

// The painter's 1/64 pixel, towards zero as it rounds.
int toPainter(std::int32_t v) { return v / kToPainter; }

// The pixel the painter puts a point at: the nearest, halves away from zero (as qRound).
int pixelOf(std::int32_t v) { return v >= 0 ? (v + kUnit / 2) / kUnit : -((kUnit / 2 - v) / kUnit); }

// 16.16 quotient, as wide as the painter makes it.
int fixedDivide(int x, int y)
{
    if (std::abs(x) > 0x7fff)
        return static_cast<int>(static_cast<long long>(x) * 65536 / y);
    return x * 65536 / y;
}

// Which way the last line that put pixels went. A line going back the way the one before it came
// starts half a pixel early, as the painter's does (it takes the pair for the two halves of a
// polyline folding back on itself).
enum Direction { kNone = 0, kDown = 1, kUp = 2, kRight = 4, kLeft = 8, kVertical = 3, kHorizontal = 12 };

class Pixels {
public:
    Pixels(QImage& image, QRgb color)
        : m_bits(reinterpret_cast<QRgb*>(image.bits())),
          m_stride(static_cast<std::ptrdiff_t>(image.bytesPerLine() / 4)),
          m_width(image.width()),
          m_height(image.height()),
          m_color(color)
    {
    }
    void put(int x, int y) const
    {
        if (static_cast<unsigned>(x) < static_cast<unsigned>(m_width)
            && static_cast<unsigned>(y) < static_cast<unsigned>(m_height))
            m_bits[y * m_stride + x] = m_color;
    }

private:
    QRgb* m_bits;
    std::ptrdiff_t m_stride;
    int m_width, m_height;
    QRgb m_color;
};

// Steps a line along its major axis `a` (rows when Steep, else columns), its minor axis `b` in
// 16.16: one pixel per row or column the painter's aliased stepping hits, the last one left out.
template <bool Steep>
void stepLine(const Pixels& px, int a1, int b1, int a2, int b2, int& lastDir)
{
    constexpr int forward = Steep ? kDown : kRight, backward = Steep ? kUp : kLeft;
    constexpr int axis = Steep ? kVertical : kHorizontal;
    int dir = forward;
    const bool back = a1 > a2;
    if (back) {
        std::swap(a1, a2);
        std::swap(b1, b2);
        dir = backward;
    }
    const int inc = fixedDivide(b2 - b1, a2 - a1);
    int b = b1 * 1024;
    if ((lastDir ^ axis) == dir) {
        if (back) {
            a2 += 32;
        } else {
            a1 -= 32;
            b -= inc >> 1;
        }
    }
    int a = (a1 + 32) >> 6;
    const int last = (a2 + 32) >> 6;
    if (a == last)
        return;
    b += ((a * 64) + (inc > 0 ? 32 : 0) - a1) * inc >> 6;
    lastDir = dir;
    for (; a < last; ++a, b += inc) {
        if constexpr (Steep)
            px.put(b >> 16, a);
        else
            px.put(a, b >> 16);
    }
}

// One line, its ends in the painter's 1/64 pixel and inside the window, with flat ends.
void drawLine(const Pixels& px, int x1, int y1, int x2, int y2, int& lastDir)
{
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    if (dx < dy)
        stepLine<true>(px, y1, x1, y2, x2, lastDir);
    else if (dx != 0)
        stepLine<false>(px, x1, y1, x2, y2, lastDir);
}

} // namespace

namespace {

// A side in whole pixels, no larger than 1/1024 pixel counts can reach in 32 bits.
int pixelsOf(double side) { return std::isfinite(side) ? static_cast<int>(std::clamp(std::round(side), 0.0, 1e6)) : 0; }

} // namespace

RasterWindow::RasterWindow(QSizeF size)
    : width(pixelsOf(size.width())), height(pixelsOf(size.height()))
{
    // The painter's device rectangle (0, 0) to (width - 1, height - 1) and a pixel more around it,
    // one more on the far sides.
    xmin = -1;
    ymin = -1;
    xmax = width + 1;
    ymax = height + 1;
}

namespace {

// Cuts a line to lo <= a <= hi along one axis, moving b along; false when nothing is left. The
// painter's steps in the painter's order, so that a line cut here is cut to the same bits and,
// cut once more by the painter, stays as it is.
bool cutAxis(double& a1, double& b1, double& a2, double& b2, double lo, double hi)
{
    if (a1 < lo) {
        if (a2 <= lo)
            return false;
        b1 += (b2 - b1) / (a2 - a1) * (lo - a1);
        a1 = lo;
    } else if (a1 > hi) {
        if (a2 >= hi)
            return false;
        b1 += (b2 - b1) / (a2 - a1) * (hi - a1);
        a1 = hi;
    }
    if (a2 < lo) {
        b2 += (b2 - b1) / (a2 - a1) * (lo - a2);
        a2 = lo;
    } else if (a2 > hi) {
        b2 += (b2 - b1) / (a2 - a1) * (hi - a2);
        a2 = hi;
    }
    return true;
}

} // namespace

bool RasterWindow::cut(double& x1, double& y1, double& x2, double& y2) const
{
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2))
        return false;
    return cutAxis(x1, y1, x2, y2, xmin, xmax) && cutAxis(y1, x1, y2, x2, ymin, ymax);
}

void DeviceLines::emplace_back(const QPointF& a, const QPointF& b)
{
    ++m_queued;
    if (a == b) {
        // The painter's own (fuzzy) test: such a line is drawn as a point at its start.
        const double x = a.x(), y = a.y();
        if (x >= m_window.xmin && x <= m_window.xmax && y >= m_window.ymin && y <= m_window.ymax)
            m_lines.push_back({toFixed(x), toFixed(y), kDotLine, 0});
        return;
    }
    double x1 = a.x(), y1 = a.y(), x2 = b.x(), y2 = b.y();
    if (!m_window.cut(x1, y1, x2, y2))
        return;
    const FixedLine l{toFixed(x1), toFixed(y1), toFixed(x2), toFixed(y2)};
    // Ends the painter rounds together draw nothing (and would read as a dot when given back).
    if (toPainter(l.x1) == toPainter(l.x2) && toPainter(l.y1) == toPainter(l.y2))
        return;
    m_lines.push_back(l);
}

void DeviceLines::clear()
{
    m_lines.clear();
    m_queued = 0;
}

void DeviceLines::append(DeviceLines&& other)
{
    m_lines.append(std::move(other.m_lines));
    m_queued += other.m_queued;
    other.m_queued = 0;
}

std::vector<QLineF> DeviceLines::toLines() const
{
    std::vector<QLineF> out;
    out.reserve(m_lines.size());
    m_lines.forEach([&](const FixedLine& l) {
        const QPointF p1(fromFixed(l.x1), fromFixed(l.y1));
        out.emplace_back(p1, l.x2 == kDotLine ? p1 : QPointF(fromFixed(l.x2), fromFixed(l.y2)));
    });
    return out;
}

void DeviceDots::push_back(const QPointF& p)
{
    const double x = p.x(), y = p.y();
    if (x >= m_window.xmin && x <= m_window.xmax && y >= m_window.ymin && y <= m_window.ymax)
        m_dots.push_back({toFixed(x), toFixed(y)});
}

std::vector<QPointF> DeviceDots::toPoints() const
{
    std::vector<QPointF> out;
    out.reserve(m_dots.size());
    m_dots.forEach([&](const FixedPoint& d) { out.emplace_back(fromFixed(d.x), fromFixed(d.y)); });
    return out;
}

QImage* directTarget(QPainter& painter, const RasterWindow& window)
{
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image || !painter.paintEngine()
        || painter.paintEngine()->type() != QPaintEngine::Raster)
        return nullptr;
    auto* image = static_cast<QImage*>(device);
    if ((image->format() != QImage::Format_ARGB32_Premultiplied && image->format() != QImage::Format_RGB32)
        || image->width() != window.width || image->height() != window.height || image->devicePixelRatio() != 1)
        return nullptr;
    if (painter.testRenderHint(QPainter::Antialiasing) || !painter.deviceTransform().isIdentity()
        || painter.hasClipping() || painter.opacity() != 1
        || painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        return nullptr;
    return image;
}

void drawDirect(QImage& image, const std::vector<RasterJob>& jobs)
{
    for (const RasterJob& job : jobs) {
        const Pixels px(image, job.color);
        if (job.lines) {
            int lastDir = kNone;   // one drawLines call: the direction carries from line to line
            job.lines->kept().forEach([&](const FixedLine& l) {
                if (l.x2 == kDotLine)
                    px.put(pixelOf(l.x1), pixelOf(l.y1));
                else
                    drawLine(px, toPainter(l.x1), toPainter(l.y1), toPainter(l.x2), toPainter(l.y2), lastDir);
            });
        }
        if (job.dots)
            job.dots->kept().forEach([&](const FixedPoint& d) { px.put(pixelOf(d.x), pixelOf(d.y)); });
    }
}

} // namespace cad
