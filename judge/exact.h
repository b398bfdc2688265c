// Totals written for people, to the last bit.
#pragma once
#include <string>

// v with 17 significant digits, so that it reads back to the same double.
std::string exact(double v);
