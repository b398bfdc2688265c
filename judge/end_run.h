// The one place where a run ends. The checker's definition writes and exits; a
// harness that judges many runs in one process links its own instead.
#pragma once
#include <string_view>

// Writes out to standard output and err to standard error, then exits with status.
[[noreturn]] void end_run(int status, std::string_view out, std::string_view err);
