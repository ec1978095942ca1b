// The picked one-wire panel ("图选单根避雷线"): both wire ends picked, the zone drawn along the wire.
// Its handler is also the single-wire engine that other flows run once per wire.
//
// The engine's calling contract (how the two-wire fall-back draws each wire by itself):
//   1. Fill txtOneStripPickedIn(0..3) with support height, sag, target height and scale text, choose
//      the class in comClass(9), and set chkOneStripPickedIn(0..2) (ground range, target-height range,
//      section; a box counts only when exactly checked) to the drawings wanted.
//   2. Set m_point1 and m_point2 to the wire's ends in drawing units.
//   3. Set m_presetOneStrip to true immediately before each call and run
//          form.runHandler(QStringLiteral("cmdOneStripPicked_Click"), 0);
//   4. Expect nothing back. After the call, however it ended:
//      - m_presetOneStrip is false (every end of the run clears it, early ends included);
//      - m_point1 and m_point2 are unchanged; m_angle (the wire's direction − 1.57079625) and m_length
//        (plan distance of the ends in metres) belong to this wire; m_scale is this run's factor;
//      - txtOneStripPickedOut(0..2) hold this wire's bx, bo, h0, unless the run ended before the zone
//        was computed (refused input, no drawing engine, failed set-up);
//      - after a normal end every shared drawing reference (g_acadApp, g_modelSpace, g_utility, ...) is
//        released: take them again; entities the caller holds in its own variables stay valid. An early
//        end keeps them.
//   In preset mode only the picking of the two ends is skipped: the input check, the tip line cleared
//   first (a tip shown just before the call is gone at once), the fresh connection, and the pick of a
//   section's place when the section box is ticked all happen as on a click.
#pragma once

#include "platform/automation/errors_resumed.h"

#include <QObject>

namespace services { class Form; }

namespace wires {

class OneStripPickedPanel : public QObject {
public:
    explicit OneStripPickedPanel(services::Form& form, QObject* parent = nullptr);

    // 0 runs the whole command; any other index only sets up the drawing engine and ends normally.
    void cmdOneStripPicked_Click(int index);

private:
    bool run(int index);
    bool pickEnds();
    bool draw();

    services::Form& m_form;
};

} // namespace wires
