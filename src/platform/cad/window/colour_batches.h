// What one paint queues, by the colour it is drawn in: lines, dots and the bands of wide polylines.
#pragma once

#include "platform/cad/model/rare_properties.h"
#include "platform/cad/window/drawing_view_raster.h"
#include "platform/cad/window/wide_polyline.h"

#include <QHash>
#include <QRgb>
#include <QSizeF>
#include <array>
#include <deque>
#include <vector>

class QPainter;

namespace cad {

// Curves go in as their chords: one drawLines call per colour is far cheaper than a call per
// polyline, and 1-pixel lines join the same either way. They are kept cut to the view and in
// 1/1024 pixel, half the room of QLineF, and give the painter the same pixels.
struct ColourBatch {
    DeviceLines lines;
    DeviceDots dots;
    Polygons fills; // bands of wide polylines, in device pixels, filled under the lines
    bool empty() const { return lines.empty() && dots.empty() && fills.empty(); }
    void clear();
    // Moves `from`'s lines, dots and bands, queued after these, onto their end.
    void append(ColourBatch&& from);
};

// One batch for each colour index and one for each true colour, in the order true colours first
// came, so that several painting threads queue into batches of their own and are joined in
// drawing order.
class ColourBatches {
public:
    explicit ColourBatches(const QSizeF& size);
    ColourBatch& indexed(short color) { return m_indexed[static_cast<std::size_t>(color)]; }
    ColourBatch& trueColour(QRgb rgb);
    // The batch of the colour an entity shows in: its true colour if it has one, else `color`.
    ColourBatch& of(short color, const RareProperties* rare)
    {
        return rare && rare->trueColor >= 0 ? trueColour(static_cast<QRgb>(rare->trueColor)) : indexed(color);
    }
    const RasterWindow& window() const { return m_window; }
    // How many bands are queued in all colours.
    std::size_t fillCount() const;
    // Moves `from`'s queues onto the end of these, colour by colour.
    void append(ColourBatches&& from);
    // Paints the indexed colours in index order, then the true colours; each colour's bands under
    // its lines and dots. Empties the batches.
    void paint(QPainter& painter);

private:
    RasterWindow m_window;
    std::array<ColourBatch, 256> m_indexed;
    std::deque<ColourBatch> m_true; // a deque: a batch stays where it is while more are added
    std::vector<QRgb> m_trueRgb;
    QHash<QRgb, std::size_t> m_trueIndex;
};

} // namespace cad
