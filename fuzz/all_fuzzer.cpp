// All three files mutated together: the first two bytes give the instance's
// length, the next two the answer's, and the plan is the rest.
#include <algorithm>

#include "harness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 4)
    return 0;
  std::string_view rest = as_text(data + 4, size - 4);
  std::size_t instance_size = std::min<std::size_t>(data[0] | data[1] << 8, rest.size());
  std::string_view instance = rest.substr(0, instance_size);
  rest.remove_prefix(instance_size);
  std::size_t answer_size = std::min<std::size_t>(data[2] | data[3] << 8, rest.size());
  judge_and_check(instance, rest.substr(0, answer_size), rest.substr(answer_size));
  return 0;
}
