// Small numeric routines of the zone and earthing computations: Ln, the cubic and its bisection, MinOf/MaxOf.
#pragma once

#include <initializer_list>
#include <span>

namespace services {

// log(x) / log(2.718282): the earthing formulas' logarithm, with the constant they were written
// with (Ln(100) is 4.6051699, not 4.6051702). x <= 0 fails with the invalid-argument error
// (automation::AutomationError, number InvalidProcedureCall).
double Ln(double x);

// a·t³ + b·t² + c·t + d, evaluated in double precision and rounded once to single precision.
float EvalCubic(float t, float a, float b, float c, float d);

// A root of a·t³ + b·t² + c·t + d on [0, hi] by bisection in single precision, to 0.00001.
// lo is not used: the search always starts at 0. Without a sign change it narrows towards 0.
// The search also ends when the midpoint no longer moves (roots of 128 and more, where neighbouring
// singles lie further apart than the tolerance), so it ends for every input.
float BisectCubicRoot(float a, float b, float c, float d, float lo, float hi);

// The smallest / largest of the values as a single, each value compared as stored with the
// single-precision result so far and taken in single precision when it wins. An empty list has no
// element 0 and fails with SubscriptOutOfRange.
float MinOf(std::span<const double> values);
float MaxOf(std::span<const double> values);
inline float MinOf(std::initializer_list<double> values) { return MinOf(std::span<const double>(values.begin(), values.size())); }
inline float MaxOf(std::initializer_list<double> values) { return MaxOf(std::span<const double>(values.begin(), values.size())); }

} // namespace services
