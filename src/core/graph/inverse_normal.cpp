// SPDX-License-Identifier: MIT
#include "core/graph/inverse_normal.h"

#include <array>
#include <cmath>
#include <limits>

namespace probel {
namespace {

// Wichura, "The percentage points of the normal distribution", Applied Statistics 37 (1988),
// algorithm AS 241, routine PPND16: three rational approximations of degree 7, one for the
// central region and two for the tails in r = sqrt(-ln(tail probability)).
using Coefficients = std::array<double, 8>;

constexpr double kCentralLimit = 0.425;
constexpr double kCentralOffset = 0.180625;  // kCentralLimit squared
constexpr double kNearTailLimit = 5.0;
constexpr double kNearTailOffset = 1.6;

constexpr Coefficients kCentralNumerator{
    3.3871328727963666080E0, 1.3314166789178437745E2, 1.9715909503065514427E3, 1.3731693765509461125E4,
    4.5921953931549871457E4, 6.7265770927008700853E4, 3.3430575583588128105E4, 2.5090809287301226727E3,
};
constexpr Coefficients kCentralDenominator{
    1.0,
    4.2313330701600911252E1,
    6.8718700749205790830E2,
    5.3941960214247511077E3,
    2.1213794301586595867E4,
    3.9307895800092710610E4,
    2.8729085735721942674E4,
    5.2264952788528545610E3,
};
constexpr Coefficients kNearTailNumerator{
    1.42343711074968357734E0, 4.63033784615654529590E0,  5.76949722146069140550E0,  3.64784832476320460504E0,
    1.27045825245236838258E0, 2.41780725177450611770E-1, 2.27238449892691845833E-2, 7.74545014278341407640E-4,
};
constexpr Coefficients kNearTailDenominator{
    1.0,
    2.05319162663775882187E0,
    1.67638483018380384940E0,
    6.89767334985100004550E-1,
    1.48103976427480074590E-1,
    1.51986665636164571966E-2,
    5.47593808499534494600E-4,
    1.05075007164441684324E-9,
};
constexpr Coefficients kFarTailNumerator{
    6.65790464350110377720E0,  5.46378491116411436990E0,  1.78482653991729133580E0,  2.96560571828504891230E-1,
    2.65321895265761230930E-2, 1.24266094738807843860E-3, 2.71155556874348757815E-5, 2.01033439929228813265E-7,
};
constexpr Coefficients kFarTailDenominator{
    1.0,
    5.99832206555887937690E-1,
    1.36929880922735805310E-1,
    1.48753612908506148525E-2,
    7.86869131145613259100E-4,
    1.84631831751005468180E-5,
    1.42151175831644588870E-7,
    2.04426310338993978564E-15,
};

// Horner evaluation, coefficients from the constant term up.
double polynomial(const Coefficients& c, double x)
{
    double sum = 0.0;
    for (auto it = c.rbegin(); it != c.rend(); ++it) {
        sum = sum * x + *it;
    }
    return sum;
}

double ratio(const Coefficients& numerator, const Coefficients& denominator, double x)
{
    return polynomial(numerator, x) / polynomial(denominator, x);
}

}  // namespace

double inverseNormal(double p)
{
    if (!(p >= 0.0 && p <= 1.0)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    if (p == 0.0) {
        return -std::numeric_limits<double>::infinity();
    }
    if (p == 1.0) {
        return std::numeric_limits<double>::infinity();
    }
    const double q = p - 0.5;
    if (std::fabs(q) <= kCentralLimit) {
        const double r = kCentralOffset - q * q;
        return q * ratio(kCentralNumerator, kCentralDenominator, r);
    }
    const double tail = q < 0.0 ? p : 1.0 - p;
    double r = std::sqrt(-std::log(tail));
    double z = 0.0;
    if (r <= kNearTailLimit) {
        r -= kNearTailOffset;
        z = ratio(kNearTailNumerator, kNearTailDenominator, r);
    } else {
        r -= kNearTailLimit;
        z = ratio(kFarTailNumerator, kFarTailDenominator, r);
    }
    return q < 0.0 ? -z : z;
}

}  // namespace probel
