// Files that a front-end leaves for its judge.
#pragma once
#include <string>

// Writes text to the file at path, replacing what it held; false when the file
// cannot be written in full.
bool write_text(const std::string &path, const std::string &text);

// Writes text to a fresh file beside path, then renames it to path: the file at
// path ends up holding all of text, or is left as it was. False when it cannot.
bool write_text_whole(const std::string &path, const std::string &text);
