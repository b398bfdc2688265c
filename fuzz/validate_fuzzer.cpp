// The validator over random instance and answer files (the first two bytes give
// the instance's length): it must never crash, and never pass an instance that
// the checker's loader rejects.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "harness.h"
#include "instance/loader.h"
#include "instance/tables.h"
#include "reader/reader.h"
#include "setter/commands/commands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 2)
    return 0;
  std::string_view rest = as_text(data + 2, size - 2);
  const std::size_t instance_size = std::min<std::size_t>(data[0] | data[1] << 8, rest.size());
  std::string instance = write_fuzz_file("instance", rest.substr(0, instance_size));
  std::string answer = write_fuzz_file("answer", rest.substr(instance_size));
  char command[] = "validate";
  char *argv[] = {command, instance.data(), answer.data(), nullptr};
  instance_reset();
  if (validate_command(3, argv) == EXIT_DONE) {
    instance_reset();
    if (!input_bind(instance.c_str()) || load_instance().kind != LoadDefect::none)
      std::abort(); // passed by the validator, rejected by the checker
  }
  return 0;
}
