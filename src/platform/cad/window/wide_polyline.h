// The band a polyline with widths covers, as CAD programs fill it.
#pragma once

#include "platform/cad/model/entity_data.h"

#include <QLineF>
#include <QRectF>
#include <QTransform>
#include <cstdint>
#include <vector>

namespace cad {

// Polygons one after another: their corners in one array and how many each has, so that a polyline
// of many segments costs no allocation a segment.
struct Polygons {
    std::vector<QPointF> points;
    std::vector<std::uint32_t> sizes;
    std::size_t size() const { return sizes.size(); }
    bool empty() const { return sizes.empty(); }
    void clear()
    {
        points.clear();
        sizes.clear();
    }
    void append(Polygons&& other)
    {
        points.insert(points.end(), other.points.begin(), other.points.end());
        sizes.insert(sizes.end(), other.sizes.begin(), other.sizes.end());
        other.clear();
    }
};

// One polygon per segment through `toDevice`: a straight segment a quadrilateral (tapering where
// its two widths differ), a bulged one a band along its arc; where two straight segments meet, their
// edges run on to where they cross (within a limit), so corners stay square. A segment narrower than
// a pixel comes back as its centre line; one wholly outside `view` (in device pixels) not at all.
void widePolyline(const std::vector<PolyVertex>& vertices, const std::vector<SegmentWidth>& widths, bool closed,
                  const QTransform& toDevice, const QRectF& view, Polygons& fills, std::vector<QLineF>& lines);

} // namespace cad
