#pragma once

namespace kiv {

// Euclidean distance. sqrt is the correctly rounded square root that IEEE 754 fixes bit for
// bit, unlike pow(x, 0.5), whose last bit varies between C libraries.
double Distance(double x1, double y1, double x2, double y2);

}  // namespace kiv
