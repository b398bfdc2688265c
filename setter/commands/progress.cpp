// A progress line, rewritten in place on a terminal.
#include "setter/commands/progress.h"

#include <cstdio>
#include <unistd.h>

namespace {

bool on_terminal() {
  static const bool terminal = isatty(2) != 0;
  return terminal;
}

} // namespace

void show_progress(const std::string &what) {
  if (on_terminal())
    std::fprintf(stderr, "\r\033[K%s", what.c_str());
}

void end_progress() {
  if (on_terminal())
    std::fputs("\r\033[K", stderr);
}
