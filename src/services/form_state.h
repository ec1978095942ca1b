// The state that the panels and the drawing engines share through the main window.
#pragma once

#include "platform/cad/point.h"

#include <QString>
#include <QStringList>

namespace services {

struct FormState {
    bool m_computed = false;      // the last compute step succeeded; drawing steps test it

    cad::Point m_pickedPoint{};   // result of the last pick
    cad::Point m_fromPoint{};     // drawing arguments of the next arc or line
    cad::Point m_toPoint{};
    cad::Point m_centrePoint{};
    cad::Point m_tmpPoint{};      // scratch for a point read back from the drawing before it is copied
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
    bool m_presetFourRod = false;
    bool m_presetOneStrip = false;
    int m_pairId = 0;
};

} // namespace services
