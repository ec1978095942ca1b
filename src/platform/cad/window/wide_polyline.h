// The band a polyline with widths covers, as CAD programs fill it.
#pragma once

#include "platform/cad/model/entity_data.h"

#include <QLineF>
#include <QPolygonF>
#include <QTransform>
#include <vector>

namespace cad {

// One polygon per segment through `toDevice`: a straight segment a quadrilateral (tapering where
// its two widths differ), a bulged one a band along its arc; where two straight segments meet, their
// edges run on to where they cross (within a limit), so corners stay square. A segment narrower than
// a pixel comes back as its centre line.
void widePolyline(const std::vector<PolyVertex>& vertices, const std::vector<SegmentWidth>& widths, bool closed,
                  const QTransform& toDevice, std::vector<QPolygonF>& fills, std::vector<QLineF>& lines);

} // namespace cad
