// checker INSTANCE ANSWER PLAN: writes the score line to standard output and one
// message to standard error.
#include "judge/checker.h"

int main(int argc, char **argv) { run_checker(argc, argv); }
