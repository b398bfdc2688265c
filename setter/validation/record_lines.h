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

// The length, with its "\n", of the line at p when it is a canonical record
// "es et ec er": two integers and two reals in their canonical forms, one space
// apart, ended by "\n" within the 64 bytes; 0 otherwise. Reads p[0..64).
std::size_t canonical_record_line(const char *p);
