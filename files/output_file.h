// Files that a front-end leaves for its judge.
#pragma once
#include <string>

// Writes text to the file at path, replacing what it held; false when the file
// cannot be written in full.
bool write_text(const std::string &path, const std::string &text);
