// 1-pixel lines and dots kept in 1/1024 pixel and drawn straight into an image's pixels, as QPainter draws them aliased.
#pragma once

#include <QLineF>
#include <QPointF>
#include <QRgb>
#include <QSize>
#include <QSizeF>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

class QImage;
class QPainter;

namespace cad {

// Grows in chunks, each twice the one before up to a limit: nothing is copied as it grows, no more
// than one chunk stands part empty (so a million lines never need twice their room for a moment),
// and one list is moved onto the end of another by its chunks.
template <class T>
class ChunkedList {
public:
    static constexpr std::size_t kFirstChunk = 64, kLargestChunk = 4096;

    void push_back(const T& v)
    {
        if (m_next == m_end)
            grow();
        *m_next++ = v;
        ++m_size;
    }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    void clear() { *this = ChunkedList(); }
    void append(ChunkedList&& other)
    {
        if (other.empty())
            return;
        seal();
        other.seal();
        for (Chunk& c : other.m_chunks)
            m_chunks.push_back(std::move(c));
        m_size += other.m_size;
        Chunk& last = m_chunks.back();
        m_next = last.items.get() + last.used;
        m_end = last.items.get() + last.capacity;
        other.clear();
    }
    template <class F>
    void forEach(F&& f) const
    {
        for (std::size_t c = 0; c < m_chunks.size(); ++c) {
            const T* at = m_chunks[c].items.get();
            const T* end = c + 1 == m_chunks.size() ? m_next : at + m_chunks[c].used;
            for (; at != end; ++at)
                f(*at);
        }
    }

private:
    struct Chunk {
        std::unique_ptr<T[]> items;
        std::size_t used = 0, capacity = 0;
    };
    // The last chunk's count is kept in m_next while it fills.
    void seal()
    {
        if (!m_chunks.empty())
            m_chunks.back().used = static_cast<std::size_t>(m_next - m_chunks.back().items.get());
    }
    void grow()
    {
        seal();
        const std::size_t capacity =
            m_chunks.empty() ? kFirstChunk : std::min(kLargestChunk, 2 * m_chunks.back().capacity);
        m_chunks.push_back({std::make_unique_for_overwrite<T[]>(capacity), 0, capacity});
        m_next = m_chunks.back().items.get();
        m_end = m_next + capacity;
    }

    std::vector<Chunk> m_chunks;
    T* m_next = nullptr;
    T* m_end = nullptr;
    std::size_t m_size = 0;
};

// A line in 1/1024 pixel, finer than the painter rounds to. x2 == kDotLine marks a line whose ends the
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

// The lines of one colour in drawing order. Lines wholly outside are left out, but counted; a
// device larger than the window shows nothing of them beyond it.
class DeviceLines {
public:
    void setWindow(const RasterWindow& w) { m_window = w; }
    const RasterWindow& window() const { return m_window; }
    void emplace_back(const QPointF& a, const QPointF& b);
    void push_back(const QLineF& l) { emplace_back(l.p1(), l.p2()); }
    std::size_t size() const { return m_queued; }   // every line given, shown or not
    bool empty() const { return m_lines.empty(); }  // nothing to draw
    void clear();
    // Moves `other`'s lines (cut to the same window) onto the end of these.
    void append(DeviceLines&& other);
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
    void append(DeviceDots&& other) { m_dots.append(std::move(other.m_dots)); }
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
