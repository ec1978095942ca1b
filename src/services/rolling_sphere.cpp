// The rolling sphere shared by every zone computation: Hr from the protection-class text, W(x) and its centre offset.
#include "services/rolling_sphere.h"

#include <cmath>

namespace services {

std::optional<double> SphereRadiusOfClass(const QString& classText)
{
    if (classText == kClass1)
        return 30.0;
    if (classText == kClass2)
        return 45.0;
    if (classText == kClass3)
        return 60.0;
    return std::nullopt;
}

double SphereHalfWidth(double x, double sphereRadius)
{
    return std::sqrt(x * (2.0 * sphereRadius - x));
}

double sphereCentreOffset(double height, double sphereRadius)
{
    const double hr = sphereRadius;
    return std::sqrt(hr * hr - (hr - height) * (hr - height));
}

} // namespace services
