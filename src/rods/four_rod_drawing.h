// Draws the four-rod outlines and section views from the zone values on the form, for the typed and the picked panel.
#pragma once

#include "geometry/frame_drawing.h"
#include "platform/automation/errors_resumed.h"
#include "rods/four_rod_plan.h"
#include "rods/four_rod_sections.h"

#include <QString>

namespace services { struct FormState; }

namespace rods {

// The outline values as the compute step leaves them on the form (m_longSide, m_shortSide,
// m_longAxisReach, m_shortAxisReach, m_targetHalfWidth and m_groundHalfWidth as shown,
// m_targetHeight, m_lowestHeight, m_sphereRadius).
FourRodPlanInput fourRodPlanInputOf(const services::FormState& st);

// The section values on the form, with the rod height as typed (the rod lines are drawn that tall).
FourRodSectionInput fourRodSectionInputOf(const services::FormState& st, double typedHeight);

// The ground outline: four arcs of radius r0 in m_color, through `at` (shown, or hidden and filed).
void drawFourRodGroundOutline(services::FormState& st, const geometry::Placement& at, automation::ErrObject& err);

// The outline at the target height (FourRodTargetOutlineOf) in m_color, through `at`, each arc drawn
// however short (every piece closes a figure; see geometry::ShortArcs). The hole circle,
// when it stays whole, is added like the arcs (only when its radius exceeds 0.0001 drawing units):
// into g_lastCircle, coloured m_color, turned, then shown, or hidden and filed when `at` files.
// Returns the outline, so a caller can tell the hole, or that nothing is protected (nothing is drawn).
FourRodTargetOutline drawFourRodTargetOutline(services::FormState& st, const geometry::Placement& at,
                                              automation::ErrObject& err);

// A view's title at its origin: height 2 drawing units at every scale, colour 3, width factor 0.8.
// m_textPoint takes the origin. A text that is refused changes nothing else.
void AddSectionTitle(services::FormState& st, const QString& title, const cad::Point& origin,
                     automation::ErrObject& err);

// The three section views, never turned, from the section position in m_pickedPoint: each view with
// its title, the origin moved right between views (m_pickedPoint ends at the short-axis origin). Arcs
// and rod lines take m_color; lengths are (metres × 1000) × m_scale.
void DrawFourRodSections(services::FormState& st, double typedHeight, automation::ErrObject& err);

} // namespace rods
