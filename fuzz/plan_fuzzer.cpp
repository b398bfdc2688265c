// The plan file mutated against fixed instances: the first byte picks one.
#include "fixtures.h"
#include "harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const Fixture &f = kFixtures[size ? data[0] % kFixtureCount : 0];
  judge_and_check(f.instance, f.answer, size ? as_text(data + 1, size - 1) : "");
  return 0;
}
