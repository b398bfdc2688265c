// The setter's view of an instance file: loaded by the checker's own loader, its
// defects reported at their line and column.
#pragma once
#include <string>
#include <string_view>

#include "setter/validation/layout.h"

// Loads the instance held in text as the checker loads it, in place of any
// instance loaded before. On a defect returns
// false with the loader's description and the offset of the token at fault.
bool load_instance_text(std::string_view text, Defect &defect);

// "name:line:column: what" for the byte at offset in text.
std::string report_at(const std::string &name, std::string_view text, std::uint64_t offset, const std::string &what);

// "name:line:column: what" for the index-th (0-based) token of text.
std::string report_at_token(const std::string &name, std::string_view text, std::uint64_t index,
                            const std::string &what);

// v in plain decimal notation, the shortest text that reads back to v bit for bit.
std::string plain_decimal(double v);
