// The rolling sphere shared by every zone computation: Hr from the protection-class text, W(x) and its centre offset.
#pragma once

#include <QString>
#include <optional>

namespace services {

// The class texts of the class combos, exactly as listed (two blanks before "Hr").
inline const QString kClass1 = QStringLiteral("第一类  Hr=30米");
inline const QString kClass2 = QStringLiteral("第二类  Hr=45米");
inline const QString kClass3 = QStringLiteral("第三类  Hr=60米");

// Hr in metres for a class text compared whole and exactly (30, 45 or 60); nothing for any other
// text, which happens only when the combo has no selection. The callers decide what then holds.
std::optional<double> SphereRadiusOfClass(const QString& classText);

// W(x) = sqrt(x·(2·Hr − x)): the horizontal distance, at height x, from the axis of a sphere of
// radius Hr resting on the ground to its surface. Meant for 0 <= x <= 2·Hr; outside it gives NaN.
double SphereHalfWidth(double x, double sphereRadius);

// sqrt(Hr² − (Hr − h)²): the horizontal distance from a point at height h to the centre of the
// sphere of radius Hr that rests on the ground and passes through it. Equal to W(h) in exact
// arithmetic, but the sections place their arc centres by this form and W(h) may differ in the last
// bit, so the two are not interchangeable. Meant for 0 <= h <= 2·Hr; outside it gives NaN.
double sphereCentreOffset(double height, double sphereRadius);

} // namespace services
