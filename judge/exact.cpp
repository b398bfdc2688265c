// Writing a double so that it reads back to itself.
#include "judge/exact.h"

#include <cstdio>

std::string exact(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}
