// Ending a run for real: write both streams, exit.
#include "judge/end_run.h"

#include <cstdio>
#include <cstdlib>

void end_run(int status, std::string_view out, std::string_view err) {
  // Standard output stays buffered until exit flushes it, after the message.
  if (!out.empty())
    std::fwrite(out.data(), 1, out.size(), stdout);
  if (!err.empty())
    std::fwrite(err.data(), 1, err.size(), stderr);
  std::exit(status);
}
