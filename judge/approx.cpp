// The tolerant comparison of two totals, on its own so that tools which compare
// totals without judging a plan need nothing else of the judgement.
#include <cmath>

#include "judge/approx.h"

bool approx(double a, double b) {
  double d = std::fabs(a - b);
  return d < kAbsoluteTolerance || d / std::fabs(a) < kRelativeTolerance;
}
