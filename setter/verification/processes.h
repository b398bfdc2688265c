// Every process setter verify starts is its own to end: on every path, on an
// interrupt, and when a program's descendants escape its run.
#pragma once
#include <sys/types.h>

// Makes this process the reaper of every orphaned descendant, and starts a
// thread that, on SIGINT, SIGTERM or SIGHUP (those not ignored from the start),
// records the signal and stops the run in progress; nothing else. Call once,
// before any other thread starts; the signals stay blocked in every thread but
// that one.
void own_descendants();

// The interrupting signal once one has come; 0 before.
int interruption();

// Kills and reaps every descendant of this process but keep (a process of its
// own it still needs), for at most deadline_seconds. Returns how many could not
// be killed (in uninterruptible sleep, say), given up then.
int end_descendants(pid_t keep, double deadline_seconds);

// Ends this process as the interrupting signal would have.
[[noreturn]] void end_as_interrupted(int signal);
