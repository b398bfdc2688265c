// The instance families that the generator writes, each built to stress one thing
// and to pass the validator whatever its options.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "setter/families/random.h"

// Reals are kept as whole numbers of units of 10^-scale, so that every cost at t
// the generator reasons about is exact and every value prints exactly.
struct Shape {
  std::string family;
  std::int64_t n, m, t;
  std::int64_t ec_low, ec_high, er_low, er_high, x; // in units
  std::int64_t ec_unit, er_unit;                     // the step of each, from its decimals
  std::int64_t x_unit = 0; // the step of X when the family chooses X; 0: as --x writes it
  std::int64_t one = 1;    // 1 in units: 10^scale
  std::int64_t gap = 0;    // near-tie, sixth-decimal: the least total at T minus the least total at 0, in units
  std::int64_t buckets = 351061; // hash-attack: the bucket count whose buckets the keys share
  bool key_shift = false;        // hash-attack: keys of smaller · 2^32 + larger (else · N)
};

struct Record {
  std::int32_t a, b;
  std::int64_t cost, rate; // in units
};

// The names of the families, for the help text.
extern const char *const kFamilies[];

// Fills records with the family's M portals, in file order (x-decides and
// near-tie also choose shape's X). Returns an empty string, or why these options
// do not suit the family (in English, a usage error).
std::string build_family(Shape &shape, Random &random, std::vector<Record> &records);
