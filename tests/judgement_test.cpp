#include "judge/judgement.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(Approx, AbsoluteThresholdIsStrict) {
  EXPECT_TRUE(approx(0.0, 0.0));
  EXPECT_TRUE(approx(0.0, 9.999999e-7));
  EXPECT_TRUE(approx(0.0, -9.999999e-7));
  EXPECT_FALSE(approx(0.0, 1e-6)); // and |a| = 0 divides to infinity without trapping
  EXPECT_FALSE(approx(-0.0, -1e-6));
}

TEST(Approx, RelativeThresholdIsStrictAndScaledByTheFirstArgument) {
  // a = 2^30: sums with multiples of 2^-22 are exact, and d / a is exact.
  const double a = 0x1p30, step = 0x1p-22;
  const double d = std::floor(std::ldexp(1e-8, 30) / step) * step; // largest d with d/a < 1e-8
  ASSERT_LT(d / a, 1e-8);
  ASSERT_GE((d + step) / a, 1e-8);
  EXPECT_TRUE(approx(a, a + d));
  EXPECT_TRUE(approx(a, a - d));
  EXPECT_TRUE(approx(-a, -a - d));
  EXPECT_FALSE(approx(a, a + d + step));
  EXPECT_FALSE(approx(-a, -a + d + step));
  // Scaled by |a|, not |b|: a smaller first argument tolerates less.
  EXPECT_TRUE(approx(2 * a, a + a + 2 * d));
  EXPECT_FALSE(approx(a / 2, a / 2 + d));
}

TEST(Approx, NonFiniteNeverMatches) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(approx(nan, 1.0));
  EXPECT_FALSE(approx(1.0, nan));
  EXPECT_FALSE(approx(inf, inf));
  EXPECT_FALSE(approx(1.0, -inf));
  EXPECT_FALSE(approx(inf, 1.0));
}

} // namespace
