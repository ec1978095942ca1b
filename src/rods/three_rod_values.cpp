// The values both three-rod panels show: the centre height, then rx and r0 of one rod.
#include "rods/three_rod_values.h"

#include "rods/one_rod_zone.h"
#include "rods/three_rod_zone.h"
#include "services/form.h"
#include "services/number_format.h"
#include "services/panel_io.h"

#include <QLineEdit>

namespace rods {

bool ShowThreeRodValues(services::Form& form, const QString& inputBoxes, const QString& resultBoxes)
{
    services::FormState& st = form.state();
    const auto h0 = ThreeRodCentreHeight(st.m_height, st.m_spacing, st.m_sphereRadius);
    st.m_lowestHeight = h0.value_or(kNoCentreHeight);
    if (QLineEdit* box = form.controls().textBox(resultBoxes, 2))
        box->setText(h0 ? services::FormatFixed3(*h0) : QString());

    const auto radii = OneRodRadiiOf(st.m_height, st.m_targetHeight, st.m_sphereRadius);
    if (!radii || 2.0 * st.m_sphereRadius - st.m_targetHeight < 0.0) {
        services::refuse(form, inputBoxes, 1, QStringLiteral("被保护物高度不应超过所选Hr的两倍!"));
        return false;
    }
    st.m_targetHalfWidth = services::shownValue(radii->rx);
    st.m_groundHalfWidth = services::shownValue(radii->r0);
    services::showResult(form, resultBoxes, 0, st.m_targetHalfWidth);
    services::showResult(form, resultBoxes, 1, st.m_groundHalfWidth);
    return true;
}

} // namespace rods
