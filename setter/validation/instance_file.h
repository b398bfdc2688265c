// The setter's view of an instance file: loaded by the checker's own loader, its
// defects reported at their line and column.
#pragma once
#include <string>

#include "setter/validation/layout.h"

// Loads the instance at path as the checker does. On a defect returns false with
// the loader's description and the offset of the token at fault in defect; when
// the file cannot be opened, the description says so.
bool load_instance_file(const std::string &path, Defect &defect);

// "path:line:column: what" for the byte at offset in the file at path.
std::string report_at(const std::string &path, std::uint64_t offset, const std::string &what);

// "path:line:column: what" for the token-th (0-based) token of the file at path.
std::string report_at_token(const std::string &path, std::uint64_t token, const std::string &what);

// v in plain decimal notation, the shortest text that reads back to v bit for bit.
std::string plain_decimal(double v);
