// 1-pixel lines and dots kept in 1/64 pixel and drawn straight into an image's pixels, as QPainter draws them aliased.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRgb>
#include <QSize>
#include <QSizeF>
#include <cstdint>
#include <memory>
#include <vector>

class QImage;
class QPainter;

namespace cad {

// Grows in fixed chunks: nothing is copied as it grows and at most one chunk stands empty, so a
// million lines never need twice their room for a moment.
template <class T>
class ChunkedList {
public:
    static constexpr std::size_t kChunk = 4096;

    void push_back(const T& v)
    {
        if (m_size % kChunk == 0)
            m_chunks.push_back(std::make_unique_for_overwrite<T[]>(kChunk));
        m_chunks.back()[m_size % kChunk] = v;
        ++m_size;
    }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    void clear()
    {
        m_chunks.clear();
        m_size = 0;
    }
    template <class F>
    void forEach(F&& f) const
    {
        for (std::size_t c = 0; c < m_chunks.size(); ++c) {
            const T* chunk = m_chunks[c].get();
            const std::size_t n = std::min(kChunk, m_size - c * kChunk);
            for (std::size_t i = 0; i < n; ++i)
                f(chunk[i]);
        }
    }

private:
    std::vector<std::unique_ptr<T[]>> m_chunks;
    std::size_t m_size = 0;
};

// A line in 1/64 pixel, the unit the painter rounds to. x2 == kDotLine marks a line whose ends the
// painter takes for one point, drawn as a dot at (x1, y1).
struct FixedLine {
    std::int32_t x1, y1, x2, y2;
};
struct FixedPoint {
    std::int32_t x, y;
};
constexpr std::int32_t kDotLine = INT32_MIN;

// The device the lines are cut to: the painter cuts every line to its device and the pixel around it
// before it rounds, and so do we, with the same arithmetic, so that the painter draws the same
// pixels from what is kept as from the line it was given.
struct RasterWindow {
    int width = 0, height = 0;   // in pixels
    double xmin = -1, ymin = -1, xmax = 1, ymax = 1;
    explicit RasterWindow(QSizeF size = {});
    // Cuts the line to the window; false when nothing of it is left.
    bool cut(double& x1, double& y1, double& x2, double& y2) const;
};

// The lines of one colour in drawing order. Lines wholly outside are left out, but counted.
class DeviceLines {
public:
    void setWindow(const RasterWindow& w) { m_window = w; }
    const RasterWindow& window() const { return m_window; }
    void emplace_back(const QPointF& a, const QPointF& b);
    void push_back(const QLineF& l) { emplace_back(l.p1(), l.p2()); }
    std::size_t size() const { return m_queued; }   // every line given, shown or not
    bool empty() const { return m_lines.empty(); }  // nothing to draw
    void clear();
    const ChunkedList<FixedLine>& kept() const { return m_lines; }
    // As QLineF for the painter: the same pixels as the lines given.
    std::vector<QLineF> toLines() const;

private:
    RasterWindow m_window;
    ChunkedList<FixedLine> m_lines;
    std::size_t m_queued = 0;
};

// The dots of one colour; those outside the window are left out.
class DeviceDots {
public:
    void setWindow(const RasterWindow& w) { m_window = w; }
    void push_back(const QPointF& p);
    std::size_t size() const { return m_dots.size(); }
    bool empty() const { return m_dots.empty(); }
    void clear() { m_dots.clear(); }
    const ChunkedList<FixedPoint>& kept() const { return m_dots; }
    std::vector<QPointF> toPoints() const;

private:
    RasterWindow m_window;
    ChunkedList<FixedPoint> m_dots;
};

// The image `painter` paints into when drawing 1-pixel lines and dots into its pixels by hand gives
// what the painter would: no antialiasing, no transform, clip or opacity, source-over, a 32-bit
// image of `window`'s size. Null otherwise.
QImage* directTarget(QPainter& painter, const RasterWindow& window);

// One colour's lines and dots: drawn over what the colours before it drew.
struct RasterJob {
    const DeviceLines* lines;
    const DeviceDots* dots;
    QRgb color;   // opaque
};

// Draws the jobs in order into `image`, each 1-pixel line with flat ends and each dot as one pixel,
// the pixels the painter draws for them without antialiasing (drawLines once per job, then drawPoints).
void drawDirect(QImage& image, const std::vector<RasterJob>& jobs);

} // namespace cad
