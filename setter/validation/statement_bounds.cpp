// The statement's bounds.
#include "setter/validation/statement_bounds.h"

Bounds statement_bounds() {
  Bounds b;
  b.t.high = 1e6;
  b.x = {-1e6, 1e6, "--x"};
  b.ec = {-1e6, 1e6, "--ec"};
  b.er = {-1e3, 1e3, "--er"};
  b.most_decimals = 6;
  return b;
}
