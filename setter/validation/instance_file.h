// The setter's view of an instance file: loaded by the checker's own loader, token
// by token, its defects reported at their line and column.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "instance/loader.h"
#include "setter/validation/layout.h"

// Loads the instance held in text as the checker loads it, in place of any
// instance loaded before, but each token read whole: a token the checker's reader
// would read only in part is one defect of its field, and the fields after it are
// read from where the next token starts. Returns up to most defects in file
// order, numbers quoted as the file writes them; none when the instance loaded.
// When the layout check has found every token canonical, canonical says so,
// and the search for tokens read in part is skipped.
std::vector<Defect> load_instance_text(std::string_view text, std::size_t most, bool canonical = false);

// The token of text that starts at offset: the bytes up to the next white space.
std::string_view token_at(std::string_view text, std::uint64_t offset);

// The loader's defect in the language of reports.
std::string load_report(const LoadDefect &defect);

// "name:line:column: what" for the byte at offset in text.
std::string report_at(const std::string &name, std::string_view text, std::uint64_t offset, const std::string &what);

// "name:line:column: what" for the index-th (0-based) token of text.
std::string report_at_token(const std::string &name, std::string_view text, std::uint64_t index,
                            const std::string &what);

// v in plain decimal notation, the shortest text that reads back to v bit for bit.
std::string plain_decimal(double v);

// The shortest text that reads back to v, in an exponent's form where that is
// shorter: computed numbers in reports.
std::string shortest(double v);
