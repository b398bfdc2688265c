// Temporary files for tests.
#pragma once
#include <string>

// This test process's own folder, ending with a separator; removed at exit.
const std::string &scratch_dir();

// Writes text to a fresh file in the test's temporary folder and returns its path.
std::string temp_file(const std::string &text);

// Writes head, then count copies of fill, then tail, without holding them in memory.
std::string temp_file_filled(const std::string &head, char fill, std::size_t count,
                             const std::string &tail);

// Binds the reader to a temporary file holding text.
void bind_text(const std::string &text);
