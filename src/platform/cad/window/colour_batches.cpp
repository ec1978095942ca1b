// Joining and painting the colour batches, straight into the image's pixels where that gives the painter's.
#include "platform/cad/window/colour_batches.h"

#include "platform/cad/window/drawing_view_colors.h"

#include <QPainter>

namespace cad {

namespace {

constexpr std::size_t kFewColours = 16;

} // namespace

void ColourBatch::clear()
{
    lines.clear();
    dots.clear();
    fills.clear();
}

void ColourBatch::append(ColourBatch&& from)
{
    lines.append(std::move(from.lines));
    dots.append(std::move(from.dots));
    fills.append(std::move(from.fills));
}

std::size_t ColourBatches::fillCount() const
{
    std::size_t n = 0;
    for (const ColourBatch& b : m_indexed)
        n += b.fills.size();
    for (const ColourBatch& b : m_true)
        n += b.fills.size();
    return n;
}

ColourBatches::ColourBatches(const QSizeF& size) : m_window(size)
{
    for (ColourBatch& b : m_indexed) {
        b.lines.setWindow(m_window);
        b.dots.setWindow(m_window);
    }
}

ColourBatch& ColourBatches::trueColour(QRgb rgb)
{
    rgb &= 0xFFFFFFu;
    // A plan's handful of true colours are found by looking along them; many, by their index.
    if (m_trueRgb.size() <= kFewColours) {
        for (std::size_t i = 0; i < m_trueRgb.size(); ++i)
            if (m_trueRgb[i] == rgb)
                return m_true[i];
    } else if (const auto it = m_trueIndex.constFind(rgb); it != m_trueIndex.constEnd()) {
        return m_true[it.value()];
    }
    m_trueIndex.insert(rgb, m_true.size());
    m_trueRgb.push_back(rgb);
    ColourBatch& b = m_true.emplace_back();
    b.lines.setWindow(m_window);
    b.dots.setWindow(m_window);
    return b;
}

void ColourBatches::append(ColourBatches&& from)
{
    for (std::size_t c = 0; c < m_indexed.size(); ++c)
        m_indexed[c].append(std::move(from.m_indexed[c]));
    for (std::size_t i = 0; i < from.m_true.size(); ++i)
        trueColour(from.m_trueRgb[i]).append(std::move(from.m_true[i]));
}

void ColourBatches::paint(QPainter& p)
{
    // Without antialiasing, into an image, the lines are drawn into its pixels here: the same
    // pixels as the painter's, in a fraction of the time.
    QImage* direct = directTarget(p, m_window);
    std::vector<RasterJob> jobs;
    auto paintOne = [&](ColourBatch& b, const QColor& color) {
        if (b.empty())
            return;
        if (!b.fills.empty()) {
            if (direct) { // what went before lies under them
                drawDirect(*direct, jobs);
                jobs.clear();
            }
            p.setPen(QPen(color, 0));
            p.setBrush(color);
            const QPointF* corners = b.fills.points.data();
            for (const std::uint32_t n : b.fills.sizes) {
                p.drawPolygon(corners, static_cast<int>(n));
                corners += n;
            }
            p.setBrush(Qt::NoBrush);
        }
        if (direct && color.alpha() == 255) {
            jobs.push_back({&b.lines, &b.dots, color.rgba()});
            return;
        }
        if (direct) { // what went before lies under it
            drawDirect(*direct, jobs);
            jobs.clear();
        }
        // Flat ends: the chords of a curve meet end to end, and square ends would overlap
        // there and show as beads along it. A dot needs its square end to show at all.
        QPen pen(color, 1);
        if (!b.lines.empty()) {
            pen.setCapStyle(Qt::FlatCap);
            p.setPen(pen);
            const std::vector<QLineF> lines = b.lines.toLines();
            p.drawLines(lines.data(), static_cast<int>(lines.size()));
        }
        if (!b.dots.empty()) {
            pen.setCapStyle(Qt::SquareCap);
            p.setPen(pen);
            const std::vector<QPointF> dots = b.dots.toPoints();
            p.drawPoints(dots.data(), static_cast<int>(dots.size()));
        }
    };
    for (std::size_t i = 1; i < m_indexed.size(); ++i)
        paintOne(m_indexed[i], colorOfIndex(static_cast<int>(i)));
    for (std::size_t i = 0; i < m_true.size(); ++i)
        paintOne(m_true[i], QColor::fromRgb(0xFF000000u | m_trueRgb[i]));
    if (direct)
        drawDirect(*direct, jobs);
    for (ColourBatch& b : m_indexed)
        b.clear();
    m_true.clear();
    m_trueRgb.clear();
    m_trueIndex.clear();
}

} // namespace cad
