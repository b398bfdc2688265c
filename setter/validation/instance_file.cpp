// Loading an instance for the setter's commands, and locating what is wrong.
#include "setter/validation/instance_file.h"

#include <algorithm>
#include <charconv>
#include <set>

#include "instance/tables.h"
#include "reader/position.h"
#include "reader/reader.h"
#include "reader/swar.h"
#include "setter/language/language.h"

namespace instance_file_internal {

constexpr std::uint64_t kHeaderTokens = 4, kRecordTokens = 4;

bool is_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool is_real(std::uint64_t token) {
  return token == 3 || (token >= kHeaderTokens && (token - kHeaderTokens) % kRecordTokens >= 2);
}

// The field that the index-th token holds, as the loader names it.
LoadDefect field_of(std::uint64_t token, LoadDefect::Kind kind) {
  static const char *const kHeader[] = {"N", "M", "T", "X"}, *const kRecord[] = {"es", "et", "ec", "er"};
  if (token < kHeaderTokens)
    return {kind, kHeader[token], -1, {}};
  const std::uint64_t record = (token - kHeaderTokens) / kRecordTokens;
  return {kind, kRecord[(token - kHeaderTokens) % kRecordTokens], static_cast<std::int32_t>(record), {}};
}

// The token that starts at text[at], and whether it is plainly whole: a sign,
// then digits with at most one point among them (when real), at least one digit,
// as "%d" or "%lf" takes it whole. One pass: nearly every token is.
std::string_view scan_token(std::string_view text, std::size_t at, bool real, bool &plain) {
  std::size_t i = at + (text[at] == '-' || text[at] == '+'), digits = 0, points = 0, others = 0;
  for (; i < text.size() && !is_space(text[i]); ++i) {
    const unsigned digit = static_cast<unsigned char>(text[i]) - unsigned{'0'};
    digits += digit <= 9;
    points += text[i] == '.';
    others += digit > 9 && text[i] != '.';
  }
  plain = others == 0 && digits > 0 && points <= (real ? 1u : 0u);
  return text.substr(at, i - at);
}

// Bytes that short_plain_token() may read from a token's start.
constexpr std::size_t kTokenOverread = 32;

// The length of the token at p when it is plainly whole and short (at most 7
// digits on each side of a point), read eight bytes at a time; 0 otherwise, or
// when it is not followed by white space. Reads up to 18 bytes from p.
std::size_t short_plain_token(const char *p, bool real) {
  std::size_t n = *p == '-' || *p == '+';
  const int whole = swar::leading_digits(swar::eight_bytes(p + n));
  if (whole == 8)
    return 0;
  n += static_cast<std::size_t>(whole);
  if (real && p[n] == '.') {
    const int fraction = swar::leading_digits(swar::eight_bytes(p + n + 1));
    if (fraction == 8 || whole + fraction == 0)
      return 0;
    n += 1 + static_cast<std::size_t>(fraction);
  } else if (whole == 0) {
    return 0;
  }
  return is_space(p[n]) ? n : 0;
}

// Whether the checker's reader takes the token whole as its field's kind. An
// integer beyond 32 bits counts as whole: the loader says what is wrong with it.
bool reader_takes_whole(std::string_view token, bool real) {
  input_bind_text(token);
  std::int32_t integer;
  double number;
  const Scan first = real ? read_real(number) : read_int(integer);
  return first == Scan::too_big || (first == Scan::ok && read_int(integer) == Scan::end);
}

// The count a token that reads whole holds, or -1 when it does not fit.
std::int64_t count_of(std::string_view token) {
  std::int32_t value;
  input_bind_text(token);
  return read_int(value) == Scan::ok ? value : -1;
}

// Whether the token starting at text[at] is read whole as its field's kind, with
// its length.
bool whole_token(std::string_view text, std::size_t at, bool real, std::size_t &length) {
  bool plain = true;
  const std::size_t short_length = at + kTokenOverread <= text.size() ? short_plain_token(text.data() + at, real) : 0;
  const std::string_view token = short_length > 0 ? text.substr(at, short_length) : scan_token(text, at, real, plain);
  length = token.size();
  return plain || reader_takes_whole(token, real);
}

// Whether count tokens from text[at] on, the first the index-th of the file, are
// each read whole.
bool whole_tokens(std::string_view text, std::size_t at, std::uint64_t index, std::uint64_t count) {
  for (std::uint64_t k = index; k < index + count; ++k) {
    while (at < text.size() && is_space(text[at]))
      ++at;
    std::size_t length;
    if (at == text.size() || !whole_token(text, at, is_real(k), length))
      return false;
    at += length;
  }
  return true;
}

// Loads text and says whether that is all: no defect, and every token read whole.
// The loader reads nearly every record as whole short forms, so only the first
// line and the records it read token by token need a look (none when the layout
// check found every token canonical).
bool loads_whole(std::string_view text, bool canonical) {
  instance_reset();
  input_bind_text(text);
  std::vector<std::uint64_t> by_token;
  if (load_instance(&by_token).kind != LoadDefect::none)
    return false;
  if (canonical)
    return true;
  if (!whole_tokens(text, 0, 0, kHeaderTokens))
    return false;
  return std::all_of(by_token.begin(), by_token.end(), [text](std::uint64_t at) {
    return whole_tokens(text, static_cast<std::size_t>(at), kHeaderTokens, kRecordTokens);
  });
}

bool is_count(const LoadDefect &d) {
  return d.record < 0 && (std::string_view(d.field) == "N" || std::string_view(d.field) == "M");
}

} // namespace instance_file_internal

std::string_view token_at(std::string_view text, std::uint64_t offset) {
  using instance_file_internal::is_space;
  std::uint64_t end = offset;
  while (end < text.size() && !is_space(text[end]))
    ++end;
  return text.substr(offset, end - offset);
}

std::string load_report(const LoadDefect &d) {
  const std::string where = d.record < 0 ? std::string(d.field) + " on the first line"
                                         : std::string(d.field) + " of portal record " + std::to_string(d.record + 1);
  std::string english;
  switch (d.kind) {
  case LoadDefect::none:
    return {};
  case LoadDefect::missing:
    english = "the file ends before " + where;
    break;
  case LoadDefect::beyond_32_bits:
    english = where + " lies beyond the 32-bit integers";
    break;
  case LoadDefect::unreadable:
    english = "the instance file cannot be read";
    break;
  case LoadDefect::not_a_number:
    english = where + " is not a number";
    break;
  case LoadDefect::above_capacity:
    english = where + " = " + d.value + " exceeds the limit " + std::to_string(MAXN);
    break;
  case LoadDefect::not_an_island:
    english = where + " = " + d.value + " is no island number 0..N-1 (N = " + std::to_string(N) + ")";
    break;
  case LoadDefect::not_finite:
    english = where + " is not finite (" + d.value + ")";
    break;
  }
  return say(english, load_defect_text(d));
}

std::vector<Defect> load_instance_text(std::string_view text, std::size_t most, bool canonical) {
  using namespace instance_file_internal;
  std::vector<Defect> found;
  if (loads_whole(text, canonical))
    return found;
  std::string patched; // the text with each defective token read as 0, once one is
  std::set<std::uint64_t> patches;
  const auto patch = [&](std::uint64_t at) {
    if (patched.empty())
      patched.assign(text);
    const std::size_t length = token_at(text, at).size();
    patched.replace(at, length, "0" + std::string(length - 1, ' '));
    patches.insert(at);
  };

  // Tokens the reader would split. N and M decide how the rest is read: a defect
  // in either ends the search.
  std::uint64_t tokens = canonical ? 0 : kHeaderTokens; // until M is read
  for (std::uint64_t k = 0, i = 0; k < tokens && i < text.size() && found.size() < most;) {
    if (is_space(text[i])) {
      ++i;
      continue;
    }
    std::size_t length;
    const bool whole = whole_token(text, i, is_real(k), length);
    const std::string_view token = text.substr(i, length);
    if (k == 1 && whole)
      tokens += kRecordTokens * static_cast<std::uint64_t>(std::max<std::int64_t>(count_of(token), 0));
    if (!whole) {
      found.push_back({i, load_report(field_of(k, LoadDefect::not_a_number))});
      if (k < 2)
        return found;
      patch(i);
    }
    i += token.size();
    ++k;
  }

  // The loader's own checks, each defect's token read as 0 on the next pass.
  for (const std::size_t split = found.size(); found.size() - split < most;) {
    instance_reset();
    input_bind_text(patched.empty() ? text : std::string_view(patched));
    LoadDefect defect = load_instance();
    if (defect.kind == LoadDefect::none)
      break;
    const std::uint64_t at = input_token_offset();
    if (patches.count(at))
      break; // 0 will not do either (no island when N < 1): its defect is said
    if (!defect.value.empty())
      defect.value = std::string(token_at(text, at));
    found.push_back({at, load_report(defect)});
    if (defect.kind == LoadDefect::missing || defect.kind == LoadDefect::unreadable || is_count(defect))
      break;
    patch(at);
  }
  std::stable_sort(found.begin(), found.end(), [](const Defect &a, const Defect &b) { return a.offset < b.offset; });
  found.resize(std::min(found.size(), most));
  return found;
}

std::string report_at(const std::string &name, std::string_view text, std::uint64_t offset, const std::string &what) {
  return located(name, position_of(map_text(text), offset), what);
}

std::string report_at_token(const std::string &name, std::string_view text, std::uint64_t index,
                            const std::string &what) {
  const TextMap map = map_text(text);
  return located(name, position_of(map, token_start(map, index)), what);
}

std::string plain_decimal(double v) {
  char text[400]; // the longest, the least subnormal's, is 327 bytes
  return std::string(text, std::to_chars(text, text + sizeof text, v, std::chars_format::fixed).ptr);
}

std::string shortest(double v) {
  char text[64];
  return std::string(text, std::to_chars(text, text + sizeof text, v).ptr);
}
