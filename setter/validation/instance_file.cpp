// Loading an instance for the setter's commands, and locating what is wrong.
#include "setter/validation/instance_file.h"

#include <charconv>

#include "instance/loader.h"
#include "instance/tables.h"
#include "reader/position.h"
#include "reader/reader.h"

bool load_instance_text(std::string_view text, Defect &defect) {
  instance_reset();
  input_bind_text(text);
  defect = {0, load_instance()};
  defect.offset = input_token_offset();
  return defect.what.empty();
}

std::string report_at(const std::string &name, std::string_view text, std::uint64_t offset, const std::string &what) {
  return located(name, position_of(map_text(text), offset), what);
}

std::string report_at_token(const std::string &name, std::string_view text, std::uint64_t index,
                            const std::string &what) {
  const TextMap map = map_text(text);
  return located(name, position_of(map, token_start(map, index)), what);
}

std::string plain_decimal(double v) {
  char text[400]; // the longest, the least subnormal's, is 327 bytes
  return std::string(text, std::to_chars(text, text + sizeof text, v, std::chars_format::fixed).ptr);
}
