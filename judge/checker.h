// The checking sequence, from the command line to the verdict.
#pragma once

// Judges argv[3] (the plan) against argv[1] (the instance) and argv[2] (the answer)
// and ends the run; see README.md for every outcome. Never returns.
[[noreturn]] void run_checker(int argc, char **argv);
