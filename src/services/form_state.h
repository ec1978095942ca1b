// The state that the panels and the drawing engines share through the main window.
#pragma once

#include "platform/cad/geometry/point.h"
#include "services/handle_lists.h"

#include <QString>
#include <array>

namespace services {

// How the pair engine's last run ended (the picked two-rod panel's handler; rods/pair_engine.h tells
// what a driver does on each).
enum class PairRunOutcome {
    NotRun,           // no run since the driver set it so (the handler was not found)
    Drawn,            // computed and drew what the boxes ask: the normal end
    SingleRods,       // coinciding or distant rods, drawn as single rods: a normal end
    InputRefused,     // an input box refused, marked and named on the tip line
    NoDrawing,        // the drawing engine could not be reached or started
    PickCancelled,    // a rod or section pick was cancelled ("选点被取消。")
    PickFailed,       // a pick failed otherwise; nothing was drawn at an old point
    AutomationFailed, // a drawing step failed; what was drawn before stays
    HeightUnsuitable, // "避雷针高度选择不当!": the zone has no waist at the target height
};

// Grouped by who writes it. Scratch that only one command uses (its crossing lists, cut points, its own
// filing) stays in that command's object, not here.
struct FormState {
    bool m_computed = false;      // the last compute step succeeded; drawing steps test it

    cad::Point m_pickedPoint{};   // result of the last pick
    cad::Point m_fromPoint{};     // drawing arguments of the next arc or line
    cad::Point m_toPoint{};
    cad::Point m_centrePoint{};
    cad::Point m_tmpPoint{};      // scratch for a point read back from the drawing before it is copied
    cad::Point m_textPoint{};     // insertion point of a section title
    double m_radius = 0.0;
    short m_color = 0;            // colour index of the next arcs, circles and free lines

    cad::Point m_point1{};        // key points: rods, or wire ends and the side point of a second wire
    cad::Point m_point2{};
    cad::Point m_point3{};
    cad::Point m_point4{};

    double m_sphereRadius = 0.0;  // Hr in metres
    double m_scale = 0.0;         // drawing-scale factor
    double m_angle = 0.0;         // angle of the work frame

    bool m_presetTwoRod = false;  // a reused handler runs on preset points and asks for none
    bool m_presetThreeRod = false;
    // Element 0: the four-rod flows' single-rod and pair runs of the first group; element 1: the pair
    // engine's runs for the second group, which only the pair engine reads and clears.
    std::array<bool, 2> m_presetFourRod{};
    bool m_presetOneStrip = false;
    // The pair code of a three-rod pair run: the digit of the rod in m_point1, then that of the rod in
    // m_point2 ("01", "02", "12"). Any other character files nothing.
    QString m_pairId;
    PairRunOutcome m_pairOutcome = PairRunOutcome::NotRun; // written on every way out of a pair run

    // The zone values of the last rod computation, in metres, for the drawing steps that follow it.
    double m_height = 0.0;           // one rod: h as typed (the section caps it at Hr)
    double m_targetHeight = 0.0;     // hx
    double m_targetHalfWidth = 0.0;  // one rod: rx (rounded to the three decimals shown)
    double m_groundHalfWidth = 0.0;  // one rod: r0 (rounded to the three decimals shown)
    double m_lowRodHeight = 0.0;     // two rods: h1, the low rod, as typed
    double m_highRodHeight = 0.0;    // two rods: h2, the high rod, as typed
    double m_spacing = 0.0;          // D
    double m_lowOffset1 = 0.0;       // D1: from rod 1 along the axis to the lowest point of the zone top
    double m_lowOffset2 = 0.0;       // D2 = D − D1
    double m_waistHalfWidth = 0.0;   // b0
    double m_lowestHeight = 0.0;     // h0
    double m_axisGap = 0.0;          // half-length of the axis stretch where the zone top is below hx
    double m_targetHalfWidth1 = 0.0; // rx and r0 of rod 1 and rod 2, unrounded
    double m_targetHalfWidth2 = 0.0;
    double m_groundHalfWidth1 = 0.0;
    double m_groundHalfWidth2 = 0.0;

    // Picked pairs and rod groups: the work frame, the rectangle and triangle of the rods.
    double m_sideDistance = 0.0;     // signed distance of m_point3 from the line m_point1–m_point2, metres
    double m_longSide = 0.0;         // a: rod 1 to rod 2
    double m_shortSide = 0.0;        // b: rod 1 to rod 3
    double m_diagonal = 0.0;         // sqrt(a² + b²)
    // Kept state that no step reads back: t, the crossing abscissa of the last axis section solved
    // (the short axis's, single precision).
    float m_axisRoot = 0.0F;
    double m_longAxisReach = 0.0;    // c1: reach of the ground outline along the long symmetry axis
    double m_shortAxisReach = 0.0;   // c2: the same along the short symmetry axis
    // Per three-rod pair ("01", "12", "02" in this order): its lowest protected height reaches hx.
    std::array<bool, 3> m_pairTargetMeet{};
    // The short-side and the long-side pair zones meet at hx.
    std::array<bool, 2> m_quadTargetMeet{};

    // The pair engine's filed arcs, read and erased by the union outlines. Rod r = 0, 1, 2 (the digit
    // in m_pairId); each list counts its own entries (count()), and the three-rod driver resets them.
    std::array<HandleList, 3> m_rodGroundHandles;  // ground arcs about rod r
    std::array<HandleList, 3> m_rodTargetHandles;  // rx arcs about rod r at the target height
    std::array<HandleList, 3> m_rodWaistHandles;   // waist arcs (radius r0 − rx) on rod r's side
    // Four rods, group e = 0 (short sides) and 1 (long sides): fixed slots, filed at counters that
    // both groups share and that wrap to 0 only when a plan block leaves them at exactly 4 or 12.
    std::array<HandleSlots<4>, 2> m_quadGroundHandles;
    std::array<HandleSlots<12>, 2> m_quadTargetHandles;
    int m_quadGroundCount = 0;
    int m_quadTargetCount = 0;

    // Strips: one strip's widths as computed (the drawing steps copy them into the half widths above)
    // and its zone top.
    double m_oneStripGroundWidth = 0.0; // bo
    double m_oneStripTargetWidth = 0.0; // bx
    double m_zoneTopHeight = 0.0;       // h0, the highest point of the zone

    // Wires.
    double m_length = 0.0;           // wire length L between the ends, metres
    double m_endReach = 0.0;         // how far beyond the ends the ground outline crosses the mid-line
    // Kept state that no step reads back: the cap depth p stays until the next target-height plan;
    // the shift and minW are kept as they are shown in the result boxes.
    double m_capDepth = 0.0;         // depth of the cap of the enclosing outline
    double m_midlineShift = 0.0;     // the inward shift of the mid-line height
    double m_minHalfWidth = 0.0;     // minimum one-side width of the two-wire zone's cross-section
};

} // namespace services
