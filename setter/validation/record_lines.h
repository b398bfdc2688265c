// Canonical record lines recognised 64 bytes at a time: the instance's layout check
// passes over nearly every line this way.
#pragma once
#include <cstddef>
#include <cstdint>

// What each of 64 bytes is, bit i for byte i.
struct ByteClasses {
  std::uint64_t digit, zero, space, newline, minus, point;
};

// The classes of p[0..64), with vector instructions where the target has them.
ByteClasses classify_bytes(const char *p);

// The same, byte by byte: the path of targets without them, and the yardstick of
// the vector path.
ByteClasses classify_bytes_plainly(const char *p);

// Canonical record lines at the start of 64 bytes: how many, the bytes they
// take, and the length of the last one, each length with its "\n".
struct RecordRun {
  std::size_t lines, bytes, last;
};

// The lines, at most most, from p on that are canonical records "es et ec er": two
// integers and two reals in their canonical forms, one space apart, each ended by
// "\n" within p[0..64). Reads p[0..64).
RecordRun canonical_record_lines(const char *p, std::size_t most);
