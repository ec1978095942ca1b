// Where the pair engine files the handle of each hidden plan arc for the rod-group union outlines.
#pragma once

#include "rods/picked_pair_plan.h"
#include "services/acad_refs.h"
#include "services/form_state.h"

namespace rods {

// Files one arc's handle (kNoEntity included) as the preset flags ask: into both four-rod groups whose
// flag is set, at the shared counter of its block, then into the three-rod list of the rod that
// m_pairId names for the arc's side. A four-rod slot outside its list is not written, the counter
// advances all the same and "subscript out of range" is raised for the drawing step to record.
void filePairArc(services::FormState& st, PairArcKind kind, PairSide side, const services::EntityHandle& handle);

// The four-rod counters go back to 0 when a block leaves them at exactly 4 (ground) or 12 (target):
// a group's two pairs fill its slots, and the next group starts afresh.
void wrapQuadGroundCount(services::FormState& st);
void wrapQuadTargetCount(services::FormState& st);

} // namespace rods
