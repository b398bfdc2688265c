// Generated from the checker's sources by single/amalgamate.sh: edit those, not this.
// Build: g++ -std=c++20 -O2 -ffp-contract=off THIS_FILE
// ---- reader/input_buffer.cpp
// The reader's buffer: one fixed block of standard input at a time.
// ---- reader/input_buffer.h
// The reader's buffer over standard input, shared by the integer and the real
// conversions; not part of the instance subsystem's interface.
#include <cstddef>
#include <cstdint>
#include <cstdio>

// ---- reader/reader.h
// Streaming reader of whitespace-separated numbers from one bound file.
// Reproduces the C library's "%d" and "%lf" conversions on every form a file can
// hold, over one fixed buffer: memory does not grow with the file.
#include <cstdint>

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

// Where the last read's token began, as a byte offset in the bound file: after the
// white space it skipped, so at the end of the file when only white space was left.
std::uint64_t input_token_offset();

// "%d": skips white space, takes an optional sign and the digits up to the first
// non-digit, which stays unread. Overflow stops at the digit that causes it.
Scan read_int(std::int32_t &value);

// "%lf": skips white space and takes the longest prefix that glibc's scanf takes
// (decimal, hexadecimal "0x", "inf", "infinity", "nan"), converted as strtod
// converts the same text, bit for bit. Out-of-range values become ±inf or ±0.
Scan read_real(double &value);

namespace input {

inline constexpr std::size_t kBufferSize = 1 << 18;
extern char buffer[kBufferSize];
extern std::size_t pos, len; // next byte, bytes held
extern bool read_failed;     // the file could not be read to its end
extern std::FILE *source;    // the bound file
extern std::uint64_t before; // bytes of the file before buffer[0]
extern std::uint64_t token;  // offset in the file of the last read's token

// Reads the next block; false at the end of the file.
bool refill();

// The next byte, or -1 at the end of the file.
inline int peek() {
  if (pos == len && !refill())
    return -1;
  return static_cast<unsigned char>(buffer[pos]);
}

inline bool is_space(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

inline bool is_digit(int c) { return c >= '0' && c <= '9'; }

inline int lower(int c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// What a read met where it expected a number: garbage, or the end (a read error).
inline Scan no_number(int c) { return c < 0 && read_failed ? Scan::unreadable : Scan::not_number; }

// Skips white space; ok when a byte follows, else end (or unreadable).
Scan skip_space();

// Consumes an optional sign; true when it is '-'.
inline bool take_sign() {
  const int c = peek();
  if (c != '+' && c != '-')
    return false;
  ++pos;
  return c == '-';
}

// Short tokens far from the buffer's end are read straight from memory; anything
// else (long digit runs, hex, inf, nan, a token near the end) takes the general
// byte-at-a-time path, which the fast paths leave untouched when they give up.
inline constexpr std::size_t kFastReach = 64;

inline bool fast_reach() { return len - pos >= kFastReach; }

} // namespace input

#include <cstdio>

namespace input {

char buffer[kBufferSize];
std::size_t pos = 0, len = 0;
bool read_failed = false;
std::FILE *source = nullptr;
std::uint64_t before = 0, token = 0;

namespace {
bool at_eof = false;
} // namespace

bool refill() {
  if (at_eof)
    return false;
  before += len;
  pos = 0;
  len = source ? std::fread(buffer, 1, kBufferSize, source) : 0;
  if (len == 0) {
    at_eof = true;
    read_failed = !source || std::ferror(source) != 0;
    return false;
  }
  return true;
}

Scan skip_space() {
  for (;;) {
    const char *p = buffer + pos, *end = buffer + len;
    while (p < end && is_space(static_cast<unsigned char>(*p)))
      ++p;
    pos = static_cast<std::size_t>(p - buffer);
    token = before + pos;
    if (p < end)
      return Scan::ok;
    if (!refill())
      return read_failed ? Scan::unreadable : Scan::end;
  }
}

} // namespace input

namespace {

void bind(std::FILE *file) {
  using namespace input;
  if (source && source != stdin)
    std::fclose(source);
  source = file;
  pos = len = 0;
  before = token = 0;
  at_eof = read_failed = false;
  if (file)
    std::setvbuf(file, nullptr, _IONBF, 0); // the reader buffers; stdio need not
}

} // namespace

bool input_bind(const char *path) {
  bind(std::fopen(path, "r"));
  return input::source != nullptr;
}

void input_bind_stdin() { bind(stdin); }

std::uint64_t input_token_offset() { return input::token; }
// ---- reader/read_int.cpp
// "%d": decimal integers with a sign, overflow beyond 32 bits reported.
#include <bit>
#include <cstdint>
#include <cstring>


using namespace input;

namespace {

// The number of leading decimal digits among the 8 bytes of v (first byte lowest),
// 8 when all are digits. Bytes after the first non-digit may be garbled by the
// carries, but never the ones before it.
inline int leading_digits(std::uint64_t v) {
  const std::uint64_t t =
      ((v & 0xF0F0F0F0F0F0F0F0) | (((v + 0x0606060606060606) & 0xF0F0F0F0F0F0F0F0) >> 4)) ^
      0x3333333333333333; // zero bytes are digits
  const std::uint64_t nonzero =
      (((t & 0x7F7F7F7F7F7F7F7F) + 0x7F7F7F7F7F7F7F7F) | t) & 0x8080808080808080;
  return nonzero ? std::countr_zero(nonzero) / 8 : 8;
}

// The value of the first n (1..8) digit bytes of v, without a loop.
inline std::uint32_t digits_value(std::uint64_t v, int n) {
  std::uint64_t x = (v - 0x3030303030303030) << (8 * (8 - n)); // leading zeros
  x = x * 10 + (x >> 8);
  x = (((x & 0x000000FF000000FF) * (100 + (1000000ULL << 32))) +
       (((x >> 16) & 0x000000FF000000FF) * (1 + (10000ULL << 32)))) >>
      32;
  return static_cast<std::uint32_t>(x);
}

// A decimal integer of at most 7 digits; false (nothing consumed) for any other
// token, which the general path then reads.
bool fast_int(std::int32_t &value) {
  if constexpr (std::endian::native != std::endian::little)
    return false;
  const char *p = buffer + pos;
  const bool negative = *p == '-';
  p += *p == '-' || *p == '+';
  std::uint64_t v;
  std::memcpy(&v, p, sizeof v);
  const int n = leading_digits(v);
  if (n == 0 || n == 8)
    return false;
  const std::int32_t magnitude = static_cast<std::int32_t>(digits_value(v, n));
  value = negative ? -magnitude : magnitude;
  pos = static_cast<std::size_t>(p + n - buffer);
  return true;
}

} // namespace

Scan read_int(std::int32_t &value) {
  if (Scan s = skip_space(); s != Scan::ok)
    return s;
  if (fast_reach() && fast_int(value))
    return Scan::ok;
  const bool negative = take_sign();
  int c = peek();
  if (!is_digit(c))
    return no_number(c);
  const std::uint32_t limit = negative ? 2147483648u : 2147483647u;
  std::uint32_t magnitude = 0;
  do {
    std::uint32_t digit = static_cast<std::uint32_t>(c - '0');
    if (magnitude > (limit - digit) / 10)
      return Scan::too_big;
    magnitude = magnitude * 10 + digit;
    ++pos;
  } while (is_digit(c = peek()));
  value =
      negative ? static_cast<std::int32_t>(0u - magnitude) : static_cast<std::int32_t>(magnitude);
  return Scan::ok;
}
// ---- reader/read_real.cpp
// "%lf": decimal and hexadecimal reals, inf and nan, as glibc's scanf takes them
// and strtod converts them.
#include <charconv>
#include <cstdint>
#include <limits>


using namespace input;

namespace {

int hex_value(int c) {
  if (is_digit(c))
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// A decimal of at most 19 digits whose value is exactly m·10^e with m <= 2^53 and
// |e| <= 22: one correctly rounded operation on exact operands gives strtod's
// result. False (nothing consumed) for any other token.
bool fast_real(double &value) {
  static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                       1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const char *p = buffer + pos;
  const bool negative = *p == '-';
  p += *p == '-' || *p == '+';
  if (p[0] == '0' && lower(p[1]) == 'x')
    return false;
  std::uint64_t m = 0;
  int digits = 0, scale = 0;
  // Bounded loops: the scan never leaves the kFastReach bytes known to be there.
  for (; is_digit(*p) && digits < 20; ++p, ++digits)
    m = m * 10 + static_cast<unsigned>(*p - '0');
  if (*p == '.')
    for (++p; is_digit(*p) && digits < 20; ++p, ++digits, --scale)
      m = m * 10 + static_cast<unsigned>(*p - '0');
  if (digits == 0 || digits > 19 || m > (std::uint64_t{1} << 53))
    return false;
  if (lower(*p) == 'e') {
    const char *q = p + 1;
    const bool minus = *q == '-';
    q += *q == '-' || *q == '+';
    int e = 0, e_digits = 0;
    for (; is_digit(*q) && e_digits < 4; ++q, ++e_digits)
      e = e * 10 + (*q - '0');
    if (e_digits == 0 || is_digit(*q))
      return false;
    scale += minus ? -e : e;
    p = q;
  }
  if (scale < -22 || scale > 22)
    return false;
  const double mantissa = static_cast<double>(m);
  const double v = scale < 0 ? mantissa / kPowers[-scale] : mantissa * kPowers[scale];
  value = negative ? -v : v;
  pos = static_cast<std::size_t>(p - buffer);
  return true;
}

// Consumes the letters of word (lower case) whatever their case; false at the first
// mismatch, which stays unread.
bool take_word(const char *word) {
  for (; *word; ++word) {
    if (lower(peek()) != *word)
      return false;
    ++pos;
  }
  return true;
}

// The significant digits of a mantissa of any length, kept in bounded memory.
// Beyond kKept digits only whether some digit is non-zero matters for correct
// rounding (767 decimal digits decide any double), so the tail is folded into one
// sticky digit.
struct Mantissa {
  static constexpr int kKept = 800;
  char digits[kKept + 1];
  int kept = 0;
  std::int64_t shift = 0; // value = digits × base^shift
  bool sticky = false;
  bool any_digit = false;
  bool in_fraction = false;

  void add(int digit, char text) {
    any_digit = true;
    if (kept == 0 && digit == 0) {
      shift -= in_fraction;
    } else if (kept < kKept) {
      digits[kept++] = text;
      shift -= in_fraction;
    } else {
      sticky |= digit != 0;
      shift += !in_fraction;
    }
  }
};

// Digits of an exponent, saturated far beyond any double's range.
std::int64_t take_exponent() {
  const bool negative = take_sign();
  std::int64_t e = 0;
  for (int c; is_digit(c = peek()); ++pos)
    e = e < 1000000000 ? e * 10 + (c - '0') : e;
  return negative ? -e : e;
}

// Converts digits × base^shift × radix^exponent, with the rounding of strtod.
double convert(Mantissa &m, std::int64_t exponent, bool hex) {
  if (m.kept == 0)
    return 0.0;
  if (m.sticky) {
    m.digits[m.kept++] = '1';
    --m.shift;
  }
  std::int64_t power = (hex ? 4 * m.shift : m.shift) + exponent;
  power = power < -1000000 ? -1000000 : power > 1000000 ? 1000000 : power;
  char text[Mantissa::kKept + 16];
  std::size_t n = 0;
  for (int i = 0; i < m.kept; ++i)
    text[n++] = m.digits[i];
  text[n++] = hex ? 'p' : 'e';
  n = static_cast<std::size_t>(std::to_chars(text + n, text + sizeof text, power).ptr - text);
  double value = 0.0;
  auto result = std::from_chars(text, text + n, value,
                                hex ? std::chars_format::hex : std::chars_format::scientific);
  if (result.ec == std::errc::result_out_of_range) {
    std::int64_t magnitude = (hex ? 4 : 1) * static_cast<std::int64_t>(m.kept) + power;
    value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

// After "0x": hex digits with at most one point, then "p" and an exponent only when
// a digit came before it. "0x" followed by neither a digit nor a point is no number.
Scan read_hex(double &value, bool negative) {
  int c = peek();
  if (hex_value(c) < 0 && c != '.')
    return no_number(c);
  Mantissa m;
  for (;; ++pos) {
    c = peek();
    if (int d = hex_value(c); d >= 0)
      m.add(d, static_cast<char>(c));
    else if (c == '.' && !m.in_fraction)
      m.in_fraction = true;
    else
      break;
  }
  std::int64_t exponent = 0;
  if (m.any_digit && lower(c) == 'p') {
    ++pos;
    exponent = take_exponent();
  }
  double v = convert(m, exponent, true);
  value = negative ? -v : v;
  return Scan::ok;
}

} // namespace

Scan read_real(double &value) {
  if (Scan s = skip_space(); s != Scan::ok)
    return s;
  if (fast_reach() && fast_real(value))
    return Scan::ok;
  const bool negative = take_sign();
  int c = peek();
  if (lower(c) == 'i') {
    if (!take_word("inf"))
      return Scan::not_number;
    if (lower(peek()) == 'i' && !take_word("inity"))
      return Scan::not_number;
    value = negative ? -std::numeric_limits<double>::infinity()
                     : std::numeric_limits<double>::infinity();
    return Scan::ok;
  }
  if (lower(c) == 'n') {
    if (!take_word("nan"))
      return Scan::not_number;
    value = negative ? -std::numeric_limits<double>::quiet_NaN()
                     : std::numeric_limits<double>::quiet_NaN();
    return Scan::ok;
  }
  Mantissa m;
  if (c == '0') {
    ++pos;
    if (lower(peek()) == 'x') {
      ++pos;
      return read_hex(value, negative);
    }
    m.add(0, '0');
  }
  for (;; ++pos) {
    c = peek();
    if (is_digit(c))
      m.add(c - '0', static_cast<char>(c));
    else if (c == '.' && !m.in_fraction)
      m.in_fraction = true;
    else
      break;
  }
  if (!m.any_digit)
    return no_number(c);
  std::int64_t exponent = 0;
  if (lower(c) == 'e') {
    ++pos;
    exponent = take_exponent();
  }
  double v = convert(m, exponent, false);
  value = negative ? -v : v;
  return Scan::ok;
}
// ---- reader/position.cpp
// Line and column of a byte offset, and the offset of the n-th token.
// ---- reader/position.h
// Where a byte offset lies in a file's text, for reports that name a line and a
// column. Worked out from the text once a defect is reported, so reading pays
// nothing for it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct Position {
  std::uint64_t line, column; // both 1-based; the column counts bytes
};

// The offsets at which a text's lines and white-space-separated tokens begin
// (white space as the reader skips it).
struct TextMap {
  std::vector<std::uint64_t> line_starts, token_starts;
  std::uint64_t size = 0;
};

// Maps text: every line start and every token start, in order.
TextMap map_text(std::string_view text);

// The line and column of the byte at offset; an offset at or past the end gives
// the position just after the last byte.
Position position_of(const TextMap &map, std::uint64_t offset);

// The offset of the index-th (0-based) token; the text's size when it has fewer.
std::uint64_t token_start(const TextMap &map, std::uint64_t index);

// Reads the whole file at path into text; false when it cannot be read.
bool read_whole_file(const char *path, std::string &text);

// "path:line:column: what", one located report.
std::string located(const std::string &path, Position at, const std::string &what);

#include <algorithm>
#include <cstdio>

TextMap map_text(std::string_view text) {
  TextMap map;
  map.size = text.size();
  map.line_starts.push_back(0);
  bool in_token = false;
  for (std::uint64_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool space = c == ' ' || (c >= '\t' && c <= '\r');
    if (!space && !in_token)
      map.token_starts.push_back(i);
    in_token = !space;
    if (c == '\n')
      map.line_starts.push_back(i + 1);
  }
  return map;
}

Position position_of(const TextMap &map, std::uint64_t offset) {
  offset = std::min(offset, map.size);
  auto after = std::upper_bound(map.line_starts.begin(), map.line_starts.end(), offset);
  const std::uint64_t line = static_cast<std::uint64_t>(after - map.line_starts.begin());
  return {line, offset - after[-1] + 1};
}

std::uint64_t token_start(const TextMap &map, std::uint64_t index) {
  return index < map.token_starts.size() ? map.token_starts[index] : map.size;
}

bool read_whole_file(const char *path, std::string &text) {
  std::FILE *f = std::fopen(path, "rb");
  if (!f)
    return false;
  text.clear();
  char block[1 << 16];
  for (std::size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;)
    text.append(block, n);
  const bool ok = !std::ferror(f);
  std::fclose(f);
  return ok;
}

std::string located(const std::string &path, Position at, const std::string &what) {
  return path + ":" + std::to_string(at.line) + ":" + std::to_string(at.column) + ": " + what;
}
// ---- instance/tables.cpp
// The instance tables and their reset.
// ---- instance/tables.h
// The problem instance: scalars, per-portal tables and the portal list.
// Written once by the loader; afterwards only mst() reorders edges.
#include <cstdint>
#include <vector>

// Capacity of every per-island and per-portal table.
inline constexpr std::int32_t MAXN = 262144;

extern std::int32_t N; // islands, numbered 0..N-1
extern std::int32_t M; // portals, numbered 0..M-1 in file order
extern std::int32_t T; // largest admissible t (the smallest is 0)
extern double X;       // cost added per unit of t

extern std::int32_t es[MAXN]; // first end of portal i, as the file writes it
extern std::int32_t et[MAXN]; // second end of portal i
extern double ec[MAXN];       // cost of portal i at t = 0
extern double er[MAXN];       // fall of the cost of portal i per unit of t

// Portal numbers: 0..M-1 after loading, sorted by cost at t after mst(t).
extern std::vector<std::int32_t> edges;

// Returns the instance to its state at start (zero tables, empty portal list and
// registry), so that one process can load several instances, as tests do.
void instance_reset();

#include <algorithm>

// ---- instance/registry.h
// The portal registry: finds a portal from the two islands it joins.
#include <cstddef>
#include <cstdint>

// Registers portal index under the key (larger of a and b, smaller of a and b);
// a later registration of the same pair replaces the earlier one. Both ends must
// lie in 0..MAXN-1. Takes effect for look-ups after registry_seal().
void add_edge(std::int32_t a, std::int32_t b, std::int32_t index);

// Orders the registrations once all are made; call after loading, before look-ups.
void registry_seal();

// The portal registered for the pair u, v in either order, or -1 when no portal is
// (for instance when either number is negative). Never adds to the registry.
std::int32_t find_edge(std::int32_t u, std::int32_t v);

// find_edge for n pairs at once: portal[i] for (u[i], v[i]). The look-ups' cache
// misses overlap, which makes a long batch several times faster.
void find_edges(std::size_t n, const std::int32_t *u, const std::int32_t *v, std::int32_t *portal);

// How many distinct pairs are registered (after registry_seal()): fewer than the
// portals exactly when some pair is joined more than once.
std::int32_t registry_keys();

// Forgets every registration.
void registry_clear();

std::int32_t N, M, T;
double X;
std::int32_t es[MAXN], et[MAXN];
double ec[MAXN], er[MAXN];
std::vector<std::int32_t> edges;

void instance_reset() {
  // Only the first M entries can have been written.
  std::size_t used = static_cast<std::size_t>(std::clamp(M, 0, MAXN));
  std::fill_n(es, used, 0);
  std::fill_n(et, used, 0);
  std::fill_n(ec, used, 0.0);
  std::fill_n(er, used, 0.0);
  N = M = T = 0;
  X = 0.0;
  edges.clear();
  registry_clear();
}
// ---- instance/registry.cpp
// Portal registry: an ordered map from (larger end, smaller end) to a portal
// number, kept as one flat array sorted by key and bucketed by the larger end, so
// that a look-up touches two cache lines instead of a tree path.

#include <algorithm>
#include <cassert>
#include <utility>


namespace {

struct Entry {
  std::int32_t larger, smaller, portal;
};

// Registrations in the order made; the loader makes at most MAXN.
Entry pending[MAXN];
std::size_t pending_count = 0;

// m_edge[m_edge_start[a] .. m_edge_start[a+1]) holds the keys (a, b) for a below
// buckets, ascending in b, one per key, with the portal of its latest registration.
struct Keyed {
  std::int32_t smaller, portal;
};

Keyed m_edge[MAXN];
std::int32_t m_edge_start[MAXN + 1];
std::int32_t buckets = 0;

bool by_smaller(const Keyed &x, const Keyed &y) { return x.smaller < y.smaller; }

// Stable, so that registrations of one key stay in the order made.
void sort_bucket(Keyed *first, Keyed *last) {
  if (last - first > 32) {
    std::stable_sort(first, last, by_smaller);
    return;
  }
  for (Keyed *it = first + 1; it < last; ++it)
    for (Keyed *j = it; j > first && by_smaller(*j, j[-1]); --j)
      std::swap(*j, j[-1]);
}

} // namespace

void add_edge(std::int32_t a, std::int32_t b, std::int32_t index) {
  assert(a >= 0 && b >= 0 && a < MAXN && b < MAXN);
  assert(pending_count < static_cast<std::size_t>(MAXN));
  pending[pending_count++] = {std::max(a, b), std::min(a, b), index};
}

void registry_seal() {
  buckets = 0;
  for (std::size_t i = 0; i < pending_count; ++i)
    buckets = std::max(buckets, pending[i].larger + 1);
  // Counting sort by the larger end, registration order kept within a bucket. The
  // bounds serve as fill cursors, so each ends at the next bucket's start.
  std::fill_n(m_edge_start, buckets + 1, 0);
  for (std::size_t i = 0; i < pending_count; ++i)
    ++m_edge_start[pending[i].larger];
  std::int32_t sum = 0;
  for (std::int32_t a = 0; a < buckets; ++a)
    sum += std::exchange(m_edge_start[a], sum);
  for (std::size_t i = 0; i < pending_count; ++i)
    m_edge[m_edge_start[pending[i].larger]++] = {pending[i].smaller, pending[i].portal};

  std::int32_t out = 0, first = 0;
  for (std::int32_t a = 0; a < buckets; ++a) {
    const std::int32_t last = m_edge_start[a];
    sort_bucket(m_edge + first, m_edge + last);
    m_edge_start[a] = out;
    for (std::int32_t i = first; i < last; ++i)
      if (i + 1 == last || m_edge[i + 1].smaller != m_edge[i].smaller)
        m_edge[out++] = m_edge[i]; // the last registration of its key
    first = last;
  }
  m_edge_start[buckets] = out;
  pending_count = 0;
}

std::int32_t find_edge(std::int32_t u, std::int32_t v) {
  std::int32_t a = std::max(u, v), b = std::min(u, v);
  if (b < 0 || a >= buckets)
    return -1;
  const Keyed *first = m_edge + m_edge_start[a], *last = m_edge + m_edge_start[a + 1];
  const Keyed *it = std::lower_bound(
      first, last, b, [](const Keyed &x, std::int32_t key) { return x.smaller < key; });
  return it != last && it->smaller == b ? it->portal : -1;
}

void find_edges(std::size_t n, const std::int32_t *u, const std::int32_t *v, std::int32_t *portal) {
  // Each pass prefetches what the next one reads: bucket bounds, then bucket heads.
  for (std::size_t i = 0; i < n; ++i)
    if (std::int32_t a = std::max(u[i], v[i]); a >= 0 && a < buckets)
      __builtin_prefetch(&m_edge_start[a]);
  for (std::size_t i = 0; i < n; ++i)
    if (std::int32_t a = std::max(u[i], v[i]); a >= 0 && a < buckets)
      __builtin_prefetch(m_edge + m_edge_start[a]);
  for (std::size_t i = 0; i < n; ++i)
    portal[i] = find_edge(u[i], v[i]);
}

std::int32_t registry_keys() { return buckets > 0 ? m_edge_start[buckets] : 0; }

void registry_clear() {
  pending_count = 0;
  buckets = 0;
}
// ---- instance/loader.cpp
// Instance loader: one pass over the instance file, checking as it reads.
// ---- instance/loader.h
// Loading the instance file from standard input.
#include <string>

// Reads "N M T X" and M records "es et ec er" from standard input, filling the
// instance tables, edges and the registry. The instance is the judge's own data,
// yet it is checked: returns an empty string when it is sound, else a description
// (in Traditional Chinese) of the first defect in reading order: a missing or
// non-numeric field, an integer beyond 32 bits, N or M above MAXN, an island
// number outside 0..N-1, or a non-finite X, ec or er. A negative N, M or T is
// sound (no islands, no portals, no admissible t). Nothing after the M-th record
// is read.
std::string load_instance();

#include <cmath>
#include <cstdio>


namespace {

std::string field_name(const char *field, std::int32_t record) {
  if (record < 0)
    return std::string("開頭的 ") + field;
  return "第 " + std::to_string(record + 1) + " 筆傳送門資料的 " + field;
}

// Why a read of field (of portal record `record`, or of the header when -1) failed.
std::string read_error(Scan s, const char *field, std::int32_t record) {
  std::string where = field_name(field, record);
  switch (s) {
  case Scan::end:
    return "題目檔在讀到" + where + " 之前就結束了";
  case Scan::too_big:
    return "題目檔" + where + " 超出 32 位元整數範圍";
  case Scan::unreadable:
    return "無法讀取題目檔";
  default:
    return "題目檔" + where + " 不是數字";
  }
}

std::string real_text(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

// Each reader below fills value and returns true, or describes the defect in error.
bool read_count(std::int32_t &value, const char *field, std::string &error) {
  if (Scan s = read_int(value); s != Scan::ok) {
    error = read_error(s, field, -1);
    return false;
  }
  if (value > MAXN) {
    error = "題目檔" + field_name(field, -1) + " = " + std::to_string(value) + " 超過上限 " +
            std::to_string(MAXN);
    return false;
  }
  return true;
}

bool read_island(std::int32_t &value, const char *field, std::int32_t record, std::string &error) {
  if (Scan s = read_int(value); s != Scan::ok) {
    error = read_error(s, field, record);
    return false;
  }
  if (value < 0 || value >= N) {
    error = "題目檔" + field_name(field, record) + " = " + std::to_string(value) +
            " 不是 0 到 N-1 的島嶼編號（N = " + std::to_string(N) + "）";
    return false;
  }
  return true;
}

// A non-finite cost would make costs at t NaN, which no sort can order.
bool read_finite(double &value, const char *field, std::int32_t record, std::string &error) {
  if (Scan s = read_real(value); s != Scan::ok) {
    error = read_error(s, field, record);
    return false;
  }
  if (!std::isfinite(value)) {
    error = "題目檔" + field_name(field, record) + " 不是有限數（" + real_text(value) + "）";
    return false;
  }
  return true;
}

} // namespace

std::string load_instance() {
  std::string error;
  if (!read_count(N, "N", error) || !read_count(M, "M", error))
    return error;
  if (Scan s = read_int(T); s != Scan::ok)
    return read_error(s, "T", -1);
  if (!read_finite(X, "X", -1, error))
    return error;
  edges.reserve(static_cast<std::size_t>(M > 0 ? M : 0));
  for (std::int32_t i = 0; i < M; ++i) {
    if (!read_island(es[i], "es", i, error) || !read_island(et[i], "et", i, error) ||
        !read_finite(ec[i], "ec", i, error) || !read_finite(er[i], "er", i, error))
      return error;
    edges.push_back(i);
    add_edge(es[i], et[i], i);
  }
  registry_seal();
  return {};
}
// ---- graph/dsu.cpp
// Disjoint-set forest with full path compression.
// ---- graph/dsu.h
// Disjoint-set forest over the islands, for the minimum-total computation.
#include <cstdint>


// Parent link of island i; a representative links to itself. Written by the dj*.
extern std::int32_t root[MAXN];

// Makes every island 0..N-1 its own set; does nothing when N <= 0.
void djInit();

// The representative of x's set; every island on the way is re-pointed straight to
// it. Iterative, so a parent chain of MAXN-1 links costs no stack.
std::int32_t djFind(std::int32_t x);

// Joins the sets of a and b, placing a's representative under b's (no rank).
// Returns false, with paths compressed but sets unchanged, when they were one set.
bool djUnion(std::int32_t a, std::int32_t b);

std::int32_t root[MAXN];

void djInit() {
  for (std::int32_t i = 0; i < N; ++i)
    root[i] = i;
}

std::int32_t djFind(std::int32_t x) {
  std::int32_t r = x;
  while (root[r] != r)
    r = root[r];
  while (root[x] != r) {
    std::int32_t next = root[x];
    root[x] = r;
    x = next;
  }
  return r;
}

bool djUnion(std::int32_t a, std::int32_t b) {
  std::int32_t x = djFind(a);
  std::int32_t y = djFind(b);
  if (x == y)
    return false;
  root[x] = y;
  return true;
}
// ---- graph/mst.cpp
// Minimum total at t: costs at t, one sort, one Kruskal pass over all portals.
// ---- graph/mst.h
// Minimum total at a given t, by Kruskal's method.
#include <cstdint>
#include <vector>


// Cost of portal i at the t under judgement; written by mst(), read by the judgement.
extern double enow[MAXN];

// The order of edges after mst(): true when portal a is cheaper at t than b.
bool cmp(std::int32_t a, std::int32_t b);

// t·X plus the costs at t of a minimum spanning forest of the portals in edges, the
// cheapest taken first (equal costs in any order: the sum is the same to the last
// bit). Fills enow for every portal, sorts edges by cmp and leaves root holding the
// forest; appends the portals taken, in cost order, to taken when given. Costs at
// t must not be NaN. Allocates nothing but what taken needs.
double mst(std::int32_t t, std::vector<std::int32_t> *taken = nullptr);

#include <algorithm>
#include <bit>
#include <utility>


double enow[MAXN];

namespace {

// Costs at t as unsigned keys with the same order (negative costs flipped whole,
// others with the sign bit set), so that a radix sort can order them; NaN has no
// place in it and never reaches here. key[i] is the key of portal edges[i].
std::uint64_t key[MAXN], key_scratch[MAXN];
std::int32_t portal_scratch[MAXN];

std::uint64_t key_of(double cost) {
  std::uint64_t bits = std::bit_cast<std::uint64_t>(cost);
  return bits >> 63 ? ~bits : bits | (std::uint64_t{1} << 63);
}

double cost_of(std::uint64_t k) {
  return std::bit_cast<double>(k >> 63 ? k & ~(std::uint64_t{1} << 63) : ~k);
}

// Sorts key[0..n) and edges with it: least significant digit first, 11 bits a pass;
// a pass whose digit is the same in every key changes nothing and is skipped.
// Linear whatever the costs.
void sort_by_key(std::size_t n) {
  constexpr int kBits = 11, kPasses = 6;
  constexpr std::size_t kBuckets = std::size_t{1} << kBits;
  static std::uint32_t count[kPasses][kBuckets];
  std::fill_n(&count[0][0], kPasses * kBuckets, 0u);
  for (std::size_t i = 0; i < n; ++i)
    for (int d = 0; d < kPasses; ++d)
      ++count[d][(key[i] >> (d * kBits)) & (kBuckets - 1)];
  std::uint64_t *from_key = key, *to_key = key_scratch;
  std::int32_t *from_portal = edges.data(), *to_portal = portal_scratch;
  for (int d = 0; d < kPasses; ++d) {
    std::uint32_t *c = count[d];
    if (std::find(c, c + kBuckets, n) != c + kBuckets)
      continue;
    std::uint32_t sum = 0;
    for (std::size_t b = 0; b < kBuckets; ++b)
      sum += std::exchange(c[b], sum);
    for (std::size_t i = 0; i < n; ++i) {
      std::uint32_t at = c[(from_key[i] >> (d * kBits)) & (kBuckets - 1)]++;
      to_key[at] = from_key[i];
      to_portal[at] = from_portal[i];
    }
    std::swap(from_key, to_key);
    std::swap(from_portal, to_portal);
  }
  if (from_key != key) {
    std::copy_n(from_key, n, key);
    std::copy_n(from_portal, n, edges.data());
  }
}

} // namespace

bool cmp(std::int32_t a, std::int32_t b) { return enow[a] < enow[b]; }

double mst(std::int32_t t, std::vector<std::int32_t> *taken) {
  djInit();
  const double td = static_cast<double>(t);
  for (std::int32_t i = 0; i < M; ++i) {
    double fall = er[i] * td; // rounded on its own before the subtraction
    enow[i] = ec[i] - fall;
  }
  const std::size_t count = edges.size();
  for (std::size_t i = 0; i < count; ++i)
    key[i] = key_of(enow[edges[i]]);
  sort_by_key(count);
  double total = td * X;
  // The portals come in cost order, scattered over the tables: fetch their ends,
  // then the ends' parent links, some iterations ahead.
  constexpr std::size_t kAhead = 16;
  for (std::size_t i = 0; i < count; ++i) {
    if (i + kAhead < count) {
      std::int32_t q = edges[i + kAhead];
      __builtin_prefetch(&es[q]);
      __builtin_prefetch(&et[q]);
    }
    if (i + kAhead / 2 < count) {
      std::int32_t q = edges[i + kAhead / 2];
      __builtin_prefetch(&root[es[q]]);
      __builtin_prefetch(&root[et[q]]);
    }
    std::int32_t p = edges[i];
    if (djUnion(es[p], et[p])) {
      total += cost_of(key[i]);
      if (taken)
        taken->push_back(p);
    }
  }
  return total;
}
// ---- graph/optimum.cpp
// Least total over t: two Kruskal passes, one at each end of 0..T.
// ---- graph/optimum.h
// The least total over every admissible t.
#include <cstdint>

struct Best {
  std::int32_t t; // where the least total is reached: 0, or T when it is lower there
  double total;
};

// The better of the least totals at t = 0 and at t = T: T's only when it is lower.
Best better_end(double at_zero, double at_end);

// The least total over t in 0..T (T >= 0): the least total at t is the minimum of
// linear functions of t, hence concave, so it is the smaller of mst(0) and mst(T).
// Overwrites enow, the order of edges and root, as mst() does.
Best best_total();


Best better_end(double at_zero, double at_end) {
  return at_end < at_zero ? Best{T, at_end} : Best{0, at_zero};
}

Best best_total() {
  const double at_zero = mst(0);
  return T == 0 ? Best{0, at_zero} : better_end(at_zero, mst(T));
}
// ---- graph/connect.cpp
// Plan connectivity: adjacency of the marked portals in one flat array, then a
// breadth-first search from island 0.
// ---- graph/connect.h
// Whether the portals a plan names join all islands.
#include <cstdint>


// 1 when the plan names portal i; set by the judgement, read by connected().
extern std::uint8_t sel_edge[MAXN];

// 1 once the search has reached island i.
extern std::uint8_t vis[MAXN];

// Breadth-first search from island 0 over the marked portals; true when it reaches
// every island 0..N-1, and always when N <= 0. Call once per run: vis is not
// cleared first.
bool connected();

// Clears sel_edge and vis, so that one process can judge several plans (tests).
void plan_reset();

#include <algorithm>
#include <utility>

std::uint8_t sel_edge[MAXN];
std::uint8_t vis[MAXN];

namespace {

// Neighbours of island x over marked portals, in portal order:
// vedge[(x ? vedge_end[x-1] : 0) .. vedge_end[x]).
std::int32_t vedge_end[MAXN];
std::int32_t vedge[2 * MAXN];

// Islands are marked as they enter, so each enters once.
std::int32_t queue[MAXN];

void build_lists() {
  std::fill_n(vedge_end, N, 0);
  for (std::int32_t i = 0; i < M; ++i)
    if (sel_edge[i]) {
      ++vedge_end[es[i]];
      ++vedge_end[et[i]];
    }
  std::int32_t sum = 0;
  for (std::int32_t x = 0; x < N; ++x)
    sum += std::exchange(vedge_end[x], sum);
  // Filling advances each island's start to its end.
  for (std::int32_t i = 0; i < M; ++i)
    if (sel_edge[i]) {
      vedge[vedge_end[es[i]]++] = et[i];
      vedge[vedge_end[et[i]]++] = es[i];
    }
}

} // namespace

bool connected() {
  if (N <= 0)
    return true;
  build_lists();
  std::int32_t head = 0, tail = 0, reached = 1;
  vis[0] = 1;
  queue[tail++] = 0;
  // Islands leave the queue in an order scattered over the lists: fetch the list
  // bounds, then the lists, of islands a little further on.
  constexpr std::int32_t kAhead = 16;
  auto list_begin = [](std::int32_t x) { return x ? vedge_end[x - 1] : 0; };
  while (head < tail) {
    if (head + kAhead < tail)
      __builtin_prefetch(&vedge_end[std::max(queue[head + kAhead] - 1, 0)]);
    if (head + kAhead / 2 < tail)
      __builtin_prefetch(&vedge[list_begin(queue[head + kAhead / 2])]);
    const std::int32_t x = queue[head++];
    for (std::int32_t j = list_begin(x); j < vedge_end[x]; ++j)
      if (const std::int32_t y = vedge[j]; !vis[y]) {
        vis[y] = 1;
        queue[tail++] = y;
        ++reached;
      }
  }
  return reached == N;
}

void plan_reset() {
  std::fill_n(sel_edge, MAXN, 0);
  std::fill_n(vis, MAXN, 0);
}
// ---- judge/outcome.cpp
// What the judgement establishes, kept for the front-ends.
// ---- judge/outcome.h
// What a run ends with, handed to the front-end that started it. The judging core
// never writes a stream or exits on its own: each front-end defines end_run() and
// turns the outcome into its judge's streams, files and exit status.
#include <cstdint>
#include <string>

// What the judgement had established when the run ended, for judges' eyes.
struct Detail {
  bool has_t = false; // the plan's t was read
  std::int32_t t = 0;
  bool priced = false; // the totals below were computed
  double plan_total = 0, minimum = 0, reference = 0;
  std::int64_t line = 0; // 1-based portal line of the plan where it was rejected; 0: none
  bool has_pair = false; // the two islands read on that line
  std::int32_t u = 0, v = 0;
};

// Written by the judgement as it goes; read by the front-ends.
extern Detail detail;

struct Outcome {
  bool failed;         // a checker failure: the judge's own data allows no verdict
  int code;            // the verdict code given to finish() (0, 1, 2); unset on failure
  const char *message; // the catalogue message; unset on failure
  std::string failure; // on failure, "評測資料錯誤：…" on one line, without a newline
};

// Turns the outcome into what the calling judge expects and ends the process.
// Defined once per front-end.
[[noreturn]] void end_run(const Outcome &outcome);

Detail detail;
// ---- judge/verdict.cpp
// Verdicts and checker failures become outcomes for the front-end.
// ---- judge/verdict.h
// The verdict reporter and its message catalogue: every run ends here.
#include <string>

// Verdict codes given to finish(): the score is 0, 0.3 or 1.
inline constexpr int REJECTED = 0;
inline constexpr int CHEAPEST_AT_T = 1;
inline constexpr int OPTIMAL = 2;

// The catalogue, written to standard error byte for byte.
namespace message {
// Two integers cannot be read where the plan needs them.
inline constexpr char bad_format[] = "輸出格式不正確。";
// t < 0 or t > T.
inline constexpr char t_out_of_range[] = "輸出的 t 值超出範圍。";
// A named pair that no portal joins.
inline constexpr char invalid_portal[] = "輸出的建設方案中，包含不合法的傳送門。";
// A portal named a second time, in either order of its ends.
inline constexpr char repeated_portal[] = "輸出的建設方案中，包含重複的傳送門。";
// The named portals leave some island unreached.
inline constexpr char not_connected[] = "輸出的建設方案，無法使得所有島嶼互相連通。";
// The plan total is not within tolerance of the minimum total at its t.
inline constexpr char not_cheapest[] = "輸出的建設方案，在所選擇的 t 值中，並非最小成本的方案。";
// Cheapest at its t, but not within tolerance of the reference total (score 0.3).
inline constexpr char t_not_best[] =
    "輸出的建設方案為該 t 值中的最小成本方案，但 t 值的選擇並非最佳。";
// Within tolerance of both totals (score 1).
inline constexpr char optimal[] = "輸出的建設方案為最佳方案。";
} // namespace message

// Ends the run with the verdict of code (REJECTED, CHEAPEST_AT_T or OPTIMAL) and
// its catalogue message.
[[noreturn]] void finish(int code, const char *message);

// The format error: finish(REJECTED, message::bad_format).
[[noreturn]] void badin();

// Ends the run with a checker failure: the judge's own data allows no verdict. The
// report is "評測資料錯誤：" + what, line breaks in what turned into spaces.
[[noreturn]] void checker_failure(const std::string &what);

// The score of a verdict code: 0.3 for CHEAPEST_AT_T, 1 for OPTIMAL, else 0.
double score_of(int code);


double score_of(int code) { return code == CHEAPEST_AT_T ? 0.3 : code == OPTIMAL ? 1.0 : 0.0; }

void finish(int code, const char *message) { end_run({false, code, message, {}}); }

void badin() { finish(REJECTED, message::bad_format); }

void checker_failure(const std::string &what) {
  std::string line = "評測資料錯誤：" + what;
  for (char &c : line)
    if (c == '\n' || c == '\r')
      c = ' '; // a path may hold line breaks; the report stays one line
  end_run({true, REJECTED, nullptr, line});
}
// ---- judge/approx.cpp
// The tolerant comparison of two totals, on its own so that tools which compare
// totals without judging a plan need nothing else of the judgement.
#include <cmath>

// ---- judge/judgement.h
// The plan judgement: from the minimum total to the final verdict.
#include <cstdint>

// True when b equals the reference value a within tolerance: |a−b| < 1e-6, or
// |a−b| / |a| < 1e-8. False for a NaN difference; a = 0 divides without trapping.
bool approx(double a, double b);

// Judges the plan whose header (t within 0..T, k) has been read, against the
// reference total read from the file at answer; reads the k portal lines from the
// bound file and records what it establishes in detail. Ends the run with a
// verdict, or with a checker failure when the answer file is proved wrong (a plan
// beats it, or it lies below the least total over every t) or a least total
// overflows.
[[noreturn]] void judge_plan(std::int32_t t, std::int32_t k, double reference, const char *answer);

bool approx(double a, double b) {
  double d = std::fabs(a - b);
  return d < 1e-6 || d / std::fabs(a) < 1e-8;
}
// ---- judge/judgement.cpp
// Plan judgement: price and check the named portals, then compare the totals.

#include <cmath>
#include <string>

// ---- judge/explain.h
// The outcome told to a judge: the message and what the judgement established.
#include <string>


// The catalogue message (or the failure report) and a newline, then one line for
// each fact in detail: the plan's t; the portal line where the plan was rejected
// and the pair read there; the plan total, the minimum total at t and the
// reference total, with 17 significant digits.
std::string explain(const Outcome &outcome);

// v with 17 significant digits, so that it reads back to the same double.
std::string exact(double v);

namespace {

// A least total that overflows leaves nothing to compare a plan with.
void require_finite(std::int32_t t, double minimum) {
  if (!std::isfinite(minimum))
    checker_failure("t = " + std::to_string(t) + " 時的最小總成本不是有限數（" + exact(minimum) +
                    "），題目檔的成本溢位");
}

// Records where the plan was rejected, then rejects it.
[[noreturn]] void reject_line(std::int64_t line, std::int32_t u, std::int32_t v,
                              const char *message) {
  detail.line = line;
  detail.has_pair = true;
  detail.u = u;
  detail.v = v;
  finish(REJECTED, message);
}

} // namespace

void judge_plan(std::int32_t t, std::int32_t k, double reference, const char *answer) {
  const double minimum = mst(t); // fills enow, which prices the plan's portals
  require_finite(t, minimum);
  double total = static_cast<double>(t) * X;
  // Lines are read and looked up a batch at a time so that the cache misses of the
  // look-ups overlap; they are still judged one by one in reading order, and a
  // format error counts only after the lines before it have been judged.
  constexpr std::int32_t kBatch = 256;
  std::int32_t u[kBatch], v[kBatch], p[kBatch];
  std::int64_t judged = 0; // portal lines before the batch
  for (std::int32_t left = k; left > 0;) {
    std::int32_t n = 0;
    bool unreadable_line = false;
    while (n < kBatch && n < left && !unreadable_line) {
      unreadable_line = read_int(u[n]) != Scan::ok || read_int(v[n]) != Scan::ok;
      n += !unreadable_line;
    }
    find_edges(static_cast<std::size_t>(n), u, v, p);
    for (std::int32_t i = 0; i < n; ++i)
      if (p[i] >= 0) {
        __builtin_prefetch(&enow[p[i]]);
        __builtin_prefetch(&sel_edge[p[i]]);
      }
    for (std::int32_t i = 0; i < n; ++i) {
      if (p[i] < 0)
        reject_line(judged + i + 1, u[i], v[i], message::invalid_portal);
      if (sel_edge[p[i]])
        reject_line(judged + i + 1, u[i], v[i], message::repeated_portal);
      sel_edge[p[i]] = 1;
      total += enow[p[i]];
    }
    judged += n;
    if (unreadable_line) {
      detail.line = judged + 1;
      badin();
    }
    left -= n;
  }
  if (!connected())
    finish(REJECTED, message::not_connected);
  detail.priced = true;
  detail.plan_total = total;
  detail.minimum = minimum;
  detail.reference = reference;
  if (!approx(minimum, total))
    finish(REJECTED, message::not_cheapest);
  if (approx(reference, total))
    finish(OPTIMAL, message::optimal);
  if (total < reference)
    checker_failure("輸出的建設方案總成本 " + exact(total) + " 低於答案檔的參考總成本 " +
                    exact(reference) + "，答案檔有誤");
  // The plan is about to be told that its t is not the best: that holds only when
  // some t reaches the reference total. One below every t's least total is the
  // answer file's fault, found here, where the extra passes cost no other verdict.
  const Best best = best_total();
  require_finite(best.t, best.total);
  if (reference < best.total && !approx(reference, best.total))
    checker_failure("答案檔的參考總成本 " + exact(reference) + " 低於所有 t 中的最小總成本 " +
                    exact(best.total) + "（t = " + std::to_string(best.t) +
                    "），沒有方案能達到，答案檔有誤：" + answer);
  finish(CHEAPEST_AT_T, message::t_not_best);
}
// ---- judge/explain.cpp
// Judges' explanation of an outcome.

#include <cstdio>

std::string exact(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

std::string explain(const Outcome &outcome) {
  std::string text = (outcome.failed ? outcome.failure : std::string(outcome.message)) + "\n";
  if (detail.has_t)
    text += "t = " + std::to_string(detail.t) + "\n";
  if (detail.line > 0) {
    text += "第 " + std::to_string(detail.line) + " 條傳送門";
    if (detail.has_pair)
      text += "：" + std::to_string(detail.u) + " " + std::to_string(detail.v);
    text += "\n";
  }
  if (detail.priced)
    text += "方案總成本 " + exact(detail.plan_total) + "\n" + "t = " + std::to_string(detail.t) +
            " 時的最小總成本 " + exact(detail.minimum) + "\n" + "參考總成本 " +
            exact(detail.reference) + "\n";
  return text;
}
// ---- judge/checker.cpp
// Checking sequence: instance, answer, plan header; the judge's own data is
// blamed first, then the plan's format, then its meaning.
// ---- judge/checker.h
// The checking sequence, from three files to the outcome.

// Judges the plan (read from standard input when plan is null) against the
// instance and the answer file, in that reading order, and ends the run through
// end_run(); see README.md for every outcome. Never returns.
[[noreturn]] void judge_files(const char *instance, const char *answer, const char *plan);

#include <cmath>
#include <string>


namespace {

double read_reference(const char *path) {
  if (!input_bind(path))
    checker_failure(std::string("無法開啟答案檔：") + path);
  double reference = 0.0; // an answer file with no number leaves it at 0
  Scan s = read_real(reference);
  if (s == Scan::unreadable)
    checker_failure(std::string("無法讀取答案檔：") + path);
  if (!std::isfinite(reference))
    checker_failure(std::string("答案檔的參考總成本不是有限數（") +
                    (std::isnan(reference) ? "nan"
                     : reference > 0       ? "inf"
                                           : "-inf") +
                    "）：" + path);
  return reference;
}

} // namespace

void judge_files(const char *instance, const char *answer, const char *plan) {
  if (!input_bind(instance))
    checker_failure(std::string("無法開啟題目檔：") + instance);
  if (std::string error = load_instance(); !error.empty())
    checker_failure(error + "：" + instance);
  const double reference = read_reference(answer);

  // A plan that cannot be opened is judged as the empty plan it amounts to.
  if (plan)
    input_bind(plan);
  else
    input_bind_stdin();
  std::int32_t t, k;
  if (read_int(t) != Scan::ok || read_int(k) != Scan::ok)
    badin();
  detail.has_t = true;
  detail.t = t;
  if (t < 0 || t > T)
    finish(REJECTED, message::t_out_of_range);
  judge_plan(t, k, reference, answer);
}
// ---- frontends/output_file.cpp
// Writing a judge's feedback or result file.
// ---- frontends/output_file.h
// Files that a front-end leaves for its judge.
#include <string>

// Writes text to the file at path, replacing what it held; false when the file
// cannot be written in full.
bool write_text(const std::string &path, const std::string &text);

#include <cstdio>

bool write_text(const std::string &path, const std::string &text) {
  std::FILE *f = std::fopen(path.c_str(), "wb");
  if (!f)
    return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && written;
}
// ---- frontends/kattis.cpp
// checker-kattis INPUT ANSWER FEEDBACK_DIR [FLAGS] < PLAN: an output validator for
// Kattis and DOMjudge. Exit 42 accepts, 43 rejects; anything else, 1 here, tells
// the judge that the validator or its data failed. Flags, from the problem's
// configuration: "score_multiplier" makes the 0.3 verdict accepted with
// score_multiplier.txt (Kattis scoring problems); "score MAX" makes it accepted
// with score.txt holding 0.3·MAX (DOMjudge). A score file goes only with exit 42.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>


namespace {

constexpr int EXIT_AC = 42;
constexpr int EXIT_WA = 43;
constexpr int EXIT_JUDGE_ERROR = 1;

constexpr char kUsage[] =
    "usage: checker-kattis INPUT ANSWER FEEDBACK_DIR [score_multiplier | score MAX] < PLAN\n";

enum class Scoring { pass_fail, multiplier, absolute };

Scoring scoring = Scoring::pass_fail;
double max_score = 0; // with Scoring::absolute
std::string feedback; // FEEDBACK_DIR, ending with a separator

// Ends for a broken call or broken data: the report on standard error and, where
// the feedback folder is known, in judgemessage.txt and judgeerror.txt.
[[noreturn]] void judge_error(const std::string &report) {
  std::fputs(report.c_str(), stderr);
  if (!feedback.empty()) {
    write_text(feedback + "judgemessage.txt", report);
    write_text(feedback + "judgeerror.txt", report);
  }
  std::exit(EXIT_JUDGE_ERROR);
}

void write_feedback(const std::string &name, const std::string &text) {
  if (!write_text(feedback + name, text))
    judge_error("評測資料錯誤：無法寫入回饋檔 " + feedback + name + "\n");
}

// The shortest text that reads back to v.
std::string shortest(double v) {
  char text[64];
  return std::string(text, std::to_chars(text, text + sizeof text, v).ptr);
}

bool parse_positive(const char *text, double &value) {
  const char *end = text + std::strlen(text);
  auto [ptr, ec] = std::from_chars(text, end, value);
  return ec == std::errc() && ptr == end && std::isfinite(value) && value > 0;
}

void parse_flags(int argc, char **argv) {
  for (int i = 4; i < argc; ++i) {
    const std::string flag = argv[i];
    if (flag == "score_multiplier" && scoring == Scoring::pass_fail) {
      scoring = Scoring::multiplier;
    } else if (flag == "score" && scoring == Scoring::pass_fail && i + 1 < argc &&
               parse_positive(argv[i + 1], max_score)) {
      scoring = Scoring::absolute;
      ++i;
    } else {
      judge_error("checker-kattis: unknown, repeated or malformed flag '" + flag + "'\n" + kUsage);
    }
  }
}

} // namespace

void end_run(const Outcome &outcome) {
  if (outcome.failed)
    judge_error(outcome.failure + "\n");
  write_feedback("teammessage.txt", outcome.message);
  write_feedback("judgemessage.txt", explain(outcome));
  const bool accepted =
      outcome.code == OPTIMAL || (outcome.code == CHEAPEST_AT_T && scoring != Scoring::pass_fail);
  if (!accepted)
    std::exit(EXIT_WA);
  const double score = score_of(outcome.code);
  if (scoring == Scoring::multiplier)
    write_feedback("score_multiplier.txt", shortest(score) + "\n");
  else if (scoring == Scoring::absolute)
    write_feedback("score.txt", shortest(outcome.code == OPTIMAL ? max_score : 3 * max_score / 10) +
                                    "\n");
  std::exit(EXIT_AC);
}

int main(int argc, char **argv) {
  if (argc < 4 || argv[3][0] == '\0')
    judge_error(std::string("checker-kattis: missing arguments\n") + kUsage);
  feedback = argv[3];
  if (feedback.empty() || feedback.back() != '/')
    feedback += '/';
  parse_flags(argc, argv);
  judge_files(argv[1], argv[2], nullptr);
}
