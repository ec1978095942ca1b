// Ln, the single-precision cubic bisection and MinOf/MaxOf.
#include "services/numeric_routines.h"

#include "platform/automation/automation_error.h"
#include "services/number_format.h"

#include <cmath>

namespace services {

double Ln(double x)
{
    if (!(x > 0))
        throw automation::AutomationError(automation::errors::InvalidProcedureCall,
                                           QStringLiteral("Invalid procedure call or argument"));
    return std::log(x) / std::log(2.718282);
}

float EvalCubic(float t, float a, float b, float c, float d)
{
    const double td = t;
    const double value = ((td * a) * td) * td + (td * b) * td + td * c + d;
    return ToSingle(value);
}

float BisectCubicRoot(float a, float b, float c, float d, float /*lo*/, float hi)
{
    const float tolerance = 0.00001f;
    float lo = 0.0f;
    float mid = hi / 2.0f;
    // Every pass halves the interval or leaves the midpoint where it was; the cap only guards
    // against a state this reasoning missed.
    for (int pass = 0; pass < 10000; ++pass) {
        const float product = EvalCubic(hi, a, b, c, d) * EvalCubic(mid, a, b, c, d);
        if (product > 0)
            hi = mid;
        else
            lo = mid;
        const float previous = mid;
        mid = ToSingle((static_cast<double>(lo) + hi) / 2.0);
        if (!(hi - lo >= tolerance) || EvalCubic(mid, a, b, c, d) == 0)
            return mid;
        if (mid == previous || mid == lo || mid == hi)
            return mid;
    }
    return mid;
}

namespace {

void requireElementZero(std::span<const double> values)
{
    if (values.empty())
        throw automation::AutomationError(automation::errors::SubscriptOutOfRange,
                                          QStringLiteral("Subscript out of range"));
}

} // namespace

float MinOf(std::span<const double> values)
{
    requireElementZero(values);
    float result = ToSingle(values[0]);
    for (double v : values) {
        if (static_cast<double>(result) > v)
            result = ToSingle(v);
    }
    return result;
}

float MaxOf(std::span<const double> values)
{
    requireElementZero(values);
    float result = ToSingle(values[0]);
    for (double v : values) {
        if (static_cast<double>(result) < v)
            result = ToSingle(v);
    }
    return result;
}

} // namespace services
