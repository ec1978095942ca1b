// Object snapping as a pure function over candidate points: the nearest candidate within the aperture wins.
#pragma once

#include "platform/cad/geometry/point.h"
#include "platform/cad/model/entity_data.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace cad {

// OSMODE bits the engine honours.
enum SnapMode : int { SnapEnd = 1, SnapMid = 2, SnapCenter = 4 };

struct SnapCandidate {
    Point point{};
    SnapMode mode = SnapEnd;
    std::uint64_t handle = 0;
};

// The candidates an entity offers under `osmode`: end points of lines, arcs and polyline
// segments, their mid points, centres of arcs and circles.
void snapCandidates(const EntityData& entity, int osmode, std::vector<SnapCandidate>& out);

// The candidate nearest to `cursor` within `aperture` (drawing units) whose mode is on in
// `osmode`; on equal distance the earlier mode bit (end before mid before centre) wins, then the
// earlier candidate.
std::optional<SnapCandidate> snap(const std::vector<SnapCandidate>& candidates, const Point& cursor,
                                  double aperture, int osmode);

} // namespace cad
