// What a solution's source declares it earns: a line "// Earns: NAME..." naming
// the subtasks it scores in full, as the example subtask file names them.
#pragma once
#include <string>
#include <vector>

// The subtask names on the source's "Earns:" line; declared is false when the
// source has none. "none" stands for no subtask.
std::vector<std::string> declared_earns(const std::string &source, bool &declared);
