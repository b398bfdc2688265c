// Progress on standard error while a long command runs.
#pragma once
#include <string>

// Shows what runs now on one line that each call overwrites, when standard error
// is a terminal; prints nothing otherwise, so that logs stay readable.
void show_progress(const std::string &what);

// Clears the progress line, if one is shown.
void end_progress();
