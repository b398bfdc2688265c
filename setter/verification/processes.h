// Every process setter verify starts is its own to end: on every path, on an
// interrupt, and when a program's descendants leave its process group.
#pragma once
#include <functional>
#include <sys/types.h>

// Makes this process the reaper of every orphaned descendant, and starts a
// thread that, on SIGINT, SIGTERM or SIGHUP (those not ignored from the start),
// ends every descendant, calls cleanup and ends this process as the signal would
// have. Call once, before any other thread starts; the signals stay blocked in
// every thread but that one.
void own_descendants(const std::function<void()> &cleanup);

// Undoes own_descendants()'s blocking of the signals, in a child about to exec.
void unblock_signals_in_child();

// Calls start, which starts a program in a process group of its own and returns
// its process id (the group's), and makes that the group an interrupt kills
// first. Once an interrupt is being handled, no program starts: the call waits
// for the end of this process instead.
pid_t start_owned(const std::function<pid_t()> &start);

// Says that the group start_owned() started has ended.
void end_owned();

// Waits, when an interrupt is being handled, for the end of this process;
// returns at once otherwise. Call before this process ends on its own.
void finish_owned();

// Kills the process group and every descendant of this process, the ones that
// left the group too, and reaps them all; returns when none is left.
void end_descendants(pid_t group);
