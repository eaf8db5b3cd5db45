#pragma once

#include <cmath>

namespace kiv {

// Euclidean distance. sqrt is the correctly rounded square root that IEEE 754 fixes bit for
// bit, unlike pow(x, 0.5), whose last bit varies between C libraries. Inline: the stretch test
// calls it a million times a scene.
inline double Distance(double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace kiv
