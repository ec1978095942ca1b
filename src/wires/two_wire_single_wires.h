// Picked wires too far apart for one zone: each is drawn as a single wire by the picked one-wire panel's
// handler, the second wire a parallel copy of the first on the side of the third picked point.
#pragma once

#include <QString>

namespace services { class Form; }

namespace wires {

// Needs the picks of the picked two-wire panel (m_point1 to m_point3, m_spacing, m_scale) and a live
// connection. Copies that panel's inputs, class and drawing choices into the one-wire panel, shows msg
// and runs the single-wire engine once for each wire; the two-wire panel's joint results (h0, shift,
// minimum width) are emptied. msg is shown again at the end unless a run left a message of its own.
void TwoStripPickedAsSingle(services::Form& form, const QString& msg);

} // namespace wires
