// The pair engine's calling contract: how the three- and four-rod flows draw each rod pair through it.
//
// The engine is the picked two-rod panel's handler, "cmdTwoRodPicked_Click" with index 0, run through
// the form with a preset flag set. It then takes its two rods from m_point1 and m_point2 instead of
// asking for them, reads h, hx, the scale, the class and the three drawing boxes from the picked two-rod
// panel (the driver copies its own panel's there), computes the pair, writes that panel's result boxes,
// draws its plan arcs hidden and already turned into place, files their handles, and asks for one
// section position per call when the section box is ticked (the section is shown, never filed).
//
// A driver's run, in this order:
//
//     services::FormState& st = form.state();
//     beginPairDriverRun(st);                                     // lists empty, counters 0
//     copyPanelInputs(form, kThreeRodPickedPanel, kTwoRodPickedPanel);
//     form.ShowMsg(msg);                                          // the first pair call clears it
//     for (each pair a, b with its code "01", "02", "12") {
//         if (pairRunEndedEarly(runPresetPair(form, PairPreset::ThreeRod, a, b, code))) {
//             abandonPairDriverRun(st);  // erases what this driver run filed; the tip line keeps its message
//             return;                    // and no further pair call is made
//         }
//         ... read the pair's values (below) ...
//     }
//     ... restore the driver's own points and m_angle; the union outlines read the lists ...
//
// Filing, for each plan arc in drawing order (a "-1" handle of an arc not drawn files like any other, so
// an arc's place in a list never depends on whether it was drawn):
//   ground block (box 0):  G1 about m_point1, G2 about m_point2;
//   target block (box 1):  split (b0 < r0 − rx):  T1, W1, W2, T2, W3, W4
//                          joined:                 T1, J1, J2, T2, J1, J2 (the joining arcs twice)
//   Waist arcs centred left of m_point1 → m_point2 come before the one centred right of it.
//   ThreeRod: the arcs before T2 (and G1) go to rod m_pairId[0], the others to rod m_pairId[1]:
//     ground arcs to m_rodGroundHandles, rx arcs (T1, T2) to m_rodTargetHandles, waist arcs to
//     m_rodWaistHandles; a character other than '0', '1', '2' files nothing.
//   FourRodFirstGroup / FourRodSecondGroup (group e = 0 / 1): ground arcs to m_quadGroundHandles[e] at
//     m_quadGroundCount, all target arcs to m_quadTargetHandles[e] at m_quadTargetCount; the counters are
//     shared by both groups and go back to 0 when a block leaves them at exactly 4 or 12. A slot outside
//     a list is never written: that filing fails and the call ends AutomationFailed after its block.
//
// The outcome, in st.m_pairOutcome (also the result of runPresetPair), written on every way out:
//   Drawn, SingleRods     normal ends; the driver goes on. SingleRods: the rods coincide or stand too far
//                         apart and were drawn as visible single rods; nothing of the pair is filed and
//                         the pair's zone values are not computed (m_spacing and m_angle are).
//   anything else         an early end (pairRunEndedEarly): the message stays on the tip line; arcs of
//                         this pair filed before the end are in the lists (hidden), hence
//                         abandonPairDriverRun. HeightUnsuitable leaves D1, D2, b0 and h0 computed.
//
// Values the pair leaves in the form state after Drawn: m_spacing (D), m_lowOffset1, m_lowOffset2,
// m_waistHalfWidth (b0), m_lowestHeight (h0), m_axisGap, m_targetHalfWidth (rx), m_groundHalfWidth (r0),
// m_height (h as typed, not capped), m_targetHeight, m_sphereRadius, m_scale, m_angle of the pair;
// m_point1 and m_point2 as the driver set them (m_point3, m_point4 untouched).
//
// After every call all preset flags are false (the driver sets its flag again for the next call) and
// after Drawn or SingleRods the drawing references (g_acadApp, g_modelSpace, g_utility) are held for the
// driver's outlines; each call releases and reconnects at its start.
#pragma once

#include "platform/cad/geometry/point.h"
#include "services/form_state.h"

#include <QString>

namespace services { class Form; }

namespace rods {

inline const QString kPairEngineHandler = QStringLiteral("cmdTwoRodPicked_Click");

enum class PairPreset {
    ThreeRod,           // m_presetThreeRod, filed per rod by m_pairId
    FourRodFirstGroup,  // m_presetFourRod[0], filed into group 0 (the short sides)
    FourRodSecondGroup, // m_presetFourRod[1], filed into group 1 (the long sides)
};

// True for every outcome after which a driver stops: all but Drawn and SingleRods.
bool pairRunEndedEarly(services::PairRunOutcome outcome);

// Empties the nine rod lists and both groups' slots and sets the two four-rod counters to 0, so a
// driver run files from the start and abandonPairDriverRun sees only its own arcs.
void beginPairDriverRun(services::FormState& st);

// Loads a, b into m_point1, m_point2 (all three coordinates), sets the preset's flag (and m_pairId for
// ThreeRod; pairId is ignored otherwise), runs the engine through the form and returns its outcome.
services::PairRunOutcome runPresetPair(services::Form& form, PairPreset preset, const cad::Point& a,
                                       const cad::Point& b, const QString& pairId = QString());

// After an early end: erases every arc filed since beginPairDriverRun that is still in the drawing (errors
// skipped) and empties the lists and counters as beginPairDriverRun does. The tip line is left alone.
void abandonPairDriverRun(services::FormState& st);

} // namespace rods
