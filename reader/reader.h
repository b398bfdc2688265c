// Streaming reader of whitespace-separated numbers from one bound file.
// Reproduces the C library's "%d" and "%lf" conversions on every form a file can
// hold, over one fixed buffer: memory does not grow with the file.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// Outcome of one read. On anything but ok the value is left untouched.
enum class Scan {
  ok,
  end,        // only white space was left before the end of the file
  not_number, // the next token does not start a number of the asked kind
  too_big,    // an integer beyond signed 32 bits ("%d" has no defined result)
  unreadable, // the file could not be read (an I/O error, a directory)
};

// Binds the reader to the file at path, closing the file bound before, and forgets
// any buffered input. Returns false when the file cannot be opened; every read then
// reports unreadable.
bool input_bind(const char *path);

// Binds the reader to standard input, as input_bind does to a file.
void input_bind_stdin();

// Binds the reader to text held in memory, which must outlive the reads.
void input_bind_text(std::string_view text);

// Up to count records "%d %d %lf %lf" at once into a[i], b[i], c[i], d[i], while
// they take their short forms: integers in 0..limit-1 of at most 7 digits, plain
// decimals of at most 7 digits on each side of the point, each token followed by
// white space, well inside the buffer. Returns how many were read, exactly as the
// token-by-token readers would read them; the first record that is not in short
// form is left unread, wholly.
std::size_t read_records_fast(std::int32_t limit, std::int32_t *a, std::int32_t *b, double *c, double *d,
                              std::size_t count);

// Up to count pairs "%d %d" at once, on the same terms: integers of at most 7
// digits after an optional sign. Returns how many were read.
std::size_t read_int_pairs_fast(std::int32_t *a, std::int32_t *b, std::size_t count);

// Where the last read's token began, as a byte offset in the bound file: after the
// white space it skipped, so at the end of the file when only white space was left.
std::uint64_t input_token_offset();

// Goes back to the start of the bound file, as if it had just been bound; false
// when it cannot (a stream whose first bytes have left the buffer).
bool input_restart();

// The 1-based line of the bound file that holds the byte at offset (the line after
// the last when offset lies past the end), found by reading the file again from
// its start; 0 when it cannot be read again.
std::uint64_t input_line_at(std::uint64_t offset);

// Skips white space and the next token, up to white space or the end; true when
// that token is wholly a decimal integer: an optional sign, then digits only.
// Nothing is converted, so any number of digits passes.
bool skip_integer_token();

// "%d": skips white space, takes an optional sign and the digits up to the first
// non-digit, which stays unread. Overflow stops at the digit that causes it.
Scan read_int(std::int32_t &value);

// "%lf": skips white space and takes the longest prefix that glibc's scanf takes
// (decimal, hexadecimal "0x", "inf", "infinity", "nan"), converted as strtod
// converts the same text, bit for bit. Out-of-range values become ±inf or ±0.
Scan read_real(double &value);
