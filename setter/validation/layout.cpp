// Canonical layout: line by line, field by field, every departure reported.
#include "setter/validation/layout.h"

#include <algorithm>
#include <cstddef>

#include "reader/swar.h"
#include "setter/validation/record_lines.h"
#include "setter/language/language.h"

namespace layout_internal {

// Bytes a quick check may read past the end of a line.
constexpr std::size_t kLineOverread = 32;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

bool all_digits(std::string_view s) {
  for (char c : s)
    if (!is_digit(c))
      return false;
  return !s.empty();
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// Why field is no canonical integer, or an empty string when it is one.
std::string integer_form(std::string_view field) {
  if (field[0] == '+')
    return say("an integer takes no \"+\"", "整數前不可有 + 號");
  std::string_view digits = field.substr(field[0] == '-');
  if (!all_digits(digits))
    return say("not a decimal integer", "不是十進位整數");
  if (digits.size() > 1 && digits[0] == '0')
    return say("an integer takes no leading zero", "整數不可有前導零");
  if (field == "-0")
    return say("an integer is not written \"-0\"", "整數不可寫成 -0");
  return {};
}

// Why field is no real in plain decimal notation, or an empty string.
std::string real_form(std::string_view field) {
  if (field[0] == '+')
    return say("a real takes no \"+\"", "實數前不可有 + 號");
  std::string_view body = field.substr(field[0] == '-');
  if (body.size() > 1 && body[0] == '0' && lower(body[1]) == 'x')
    return say("a real is not written in hexadecimal", "實數不可用十六進位表示");
  if (body.size() >= 3 && (lower(body[0]) == 'i' || lower(body[0]) == 'n'))
    return say("a real must be a finite decimal, not inf or nan", "實數必須是有限的十進位數，不可為 inf 或 nan");
  const std::size_t exponent = body.find_first_of("eE");
  if (exponent != std::string_view::npos && exponent > 0)
    return say("a real is not written with an exponent", "實數不可用指數表示");
  const std::size_t point = body.find('.');
  const std::string_view whole = body.substr(0, point);
  if (!all_digits(whole) ||
      (point != std::string_view::npos && !all_digits(body.substr(point + 1))))
    return say("not a decimal real (digits, an optional \"-\", and an optional point with digits on both sides)",
               "不是十進位實數（應為數字，可有負號與小數點，小數點兩側都要有數字）");
  if (whole.size() > 1 && whole[0] == '0')
    return say("a real takes no leading zero", "實數不可有前導零");
  return {};
}

std::string hex_byte(unsigned char c) {
  const char *digits = "0123456789ABCDEF";
  return std::string("0x") + digits[c >> 4] + digits[c & 15];
}

// The common case first, in one pass: "0", or digits without a leading zero after
// an optional "-" (not "-0").
bool canonical_integer(std::string_view field) {
  const std::size_t first = field[0] == '-';
  if (first == field.size())
    return false;
  if (field[first] == '0')
    return field.size() == 1;
  for (std::size_t i = first; i < field.size(); ++i)
    if (!is_digit(field[i]))
      return false;
  return true;
}

// Likewise: an optional "-", digits without a leading zero, and optionally a point
// followed by digits.
bool canonical_real(std::string_view field) {
  std::size_t i = field[0] == '-';
  const std::size_t first = i;
  while (i < field.size() && is_digit(field[i]))
    ++i;
  if (i == first || (i - first > 1 && field[first] == '0'))
    return false;
  if (i == field.size())
    return true;
  if (field[i] != '.')
    return false;
  const std::size_t fraction = ++i;
  while (i < field.size() && is_digit(field[i]))
    ++i;
  return i == field.size() && i > fraction;
}

// The length of the field at p when it is canonical (as canonical_integer() or
// canonical_real() takes it) and short (at most 7 digits on each side of a point),
// read eight bytes at a time; -1 otherwise. Reads up to 18 bytes from p.
int short_canonical_field(const char *p, bool real) {
  const bool negative = *p == '-';
  const int whole = swar::leading_digits(swar::eight_bytes(p + negative));
  if (whole == 0 || whole == 8 || (p[negative] == '0' && (whole > 1 || (negative && !real))))
    return -1;
  int length = negative + whole;
  if (real && p[length] == '.') {
    const int fraction = swar::leading_digits(swar::eight_bytes(p + length + 1));
    if (fraction == 0 || fraction == 8)
      return -1;
    length += 1 + fraction;
  }
  return length;
}

// Whether text is exactly the expected fields (kinds[i] true for a real), short and
// in their canonical forms, one space apart: nearly every line is, and is passed
// over in a few steps a field, without the reporting pass below. Reads up to 18
// bytes past the start of each field.
bool short_canonical_line(std::string_view text, const bool *kinds, std::size_t expected) {
  const char *p = text.data(), *const end = p + text.size();
  for (std::size_t f = 0; f < expected; ++f) {
    if (f > 0 && (p == end || *p++ != ' '))
      return false;
    const int length = p == end ? -1 : short_canonical_field(p, kinds[f]);
    if (length < 0)
      return false;
    p += length;
  }
  return p == end;
}

struct Line {
  std::uint64_t start;  // offset of its first byte
  std::string_view text; // without its "\n"
  bool ended;            // followed by "\n"
};

// Checks one line's separators and fields (kinds[i] true for a real) and reports
// what is wrong with it; returns the number of fields. may_overread: the text goes
// on for 32 bytes after the line's end, so that a canonical line is taken quickly.
std::size_t check_line(const Line &line, const bool *kinds, std::size_t expected, bool may_overread,
                       std::vector<Defect> &out) {
  if (may_overread && short_canonical_line(line.text, kinds, expected))
    return expected;
  std::string_view text = line.text;
  if (!text.empty() && text.back() == '\r') {
    out.push_back({line.start + text.size() - 1, say("the line ends in \\r\\n, not \\n alone", "行尾是 \\r\\n，應只用 \\n")});
    text.remove_suffix(1);
  }
  if (text.empty()) {
    out.push_back({line.start, say("a blank line", "空白行")});
    return 0;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 || c >= 0x7F) {
      out.push_back({line.start + i, c == '\t' ? say("fields are separated by one space, not a tab", "欄位之間應以一個空格分隔，不可用 tab")
                                               : say("byte " + hex_byte(c) + " is not allowed", "不允許的位元組 " + hex_byte(c))});
      break; // one report a line is enough to find it
    }
  }
  auto separator = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r'; };
  if (separator(text[0]))
    out.push_back({line.start, say("a space at the line's start", "行首有空格")});
  else if (separator(text.back()))
    out.push_back({line.start + text.size() - 1, say("a space at the line's end", "行尾有空格")});
  std::size_t fields = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (separator(text[i])) {
      const std::size_t run = i;
      while (i < text.size() && separator(text[i]))
        ++i;
      if (run > 0 && i < text.size() && i - run > 1)
        out.push_back({line.start + run + 1, say("more than one space between fields", "欄位之間有多個空格，應只有一個")});
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && !separator(text[end]))
      ++end;
    if (fields < expected) {
      const std::string_view field = text.substr(i, end - i);
      const bool canonical = kinds[fields] ? canonical_real(field) : canonical_integer(field);
      if (!canonical)
        out.push_back({line.start + i, kinds[fields] ? real_form(field) : integer_form(field)});
    } else if (fields == expected) {
      out.push_back({line.start + i, say("an extra field: the line should hold only " + std::to_string(expected),
                                               "多餘的欄位：這一行應只有 " + std::to_string(expected) + " 個欄位"),
                     true});
    }
    ++fields;
    i = end;
  }
  if (fields < expected)
    out.push_back({line.start + text.size(), say("the line has " + std::to_string(fields) + " fields, not " + std::to_string(expected),
                                                 "這一行只有 " + std::to_string(fields) + " 個欄位，應有 " +
                                                     std::to_string(expected) + " 個"),
                   true});
  return fields;
}

// The line that begins at start.
Line line_at(std::string_view text, std::size_t start) {
  const std::size_t end = text.find('\n', start);
  const bool ended = end != std::string_view::npos;
  return {start, text.substr(start, (ended ? end : text.size()) - start), ended};
}

// How many lines from text[start] on, at most most, are canonical records "es et
// ec er": nearly all, taken 64 bytes at a time with no search for each line's end
// first. last becomes the last line taken.
long long canonical_records(std::string_view text, std::size_t start, long long most, Line &last) {
  long long taken = 0;
  while (taken < most && start + 64 <= text.size()) {
    const RecordRun run = canonical_record_lines(text.data() + start, static_cast<std::size_t>(most - taken));
    if (run.lines == 0)
      break;
    taken += static_cast<long long>(run.lines);
    start += run.bytes;
    last = {start - run.last, text.substr(start - run.last, run.last - 1), true};
  }
  return taken;
}

void check_final_newline(const Line &last, std::vector<Defect> &out) {
  if (!last.ended)
    out.push_back({last.start + last.text.size(), say("the file does not end in a newline", "檔案最後少了換行字元")});
}

// The M of a header line, its second field, when that is a canonical count; else -1.
long long record_count(std::string_view header) {
  std::string_view fields[2];
  std::size_t n = 0;
  for (std::size_t i = 0; i < header.size() && n < 2;) {
    const std::size_t end = std::min(header.find_first_of(" \t\v\f\r", i), header.size());
    if (end > i)
      fields[n++] = header.substr(i, end - i);
    i = end + 1;
  }
  if (n < 2 || fields[1][0] == '-' || fields[1].size() > 9 || !integer_form(fields[1]).empty())
    return -1;
  return std::stoll(std::string(fields[1]));
}

} // namespace layout_internal

std::vector<Defect> instance_layout(std::string_view text) {
  using namespace layout_internal;
  std::vector<Defect> out;
  if (text.empty()) {
    out.push_back({0, say("the file is empty", "檔案是空的")});
    return out;
  }
  static constexpr bool kHeader[] = {false, false, false, true};
  static constexpr bool kRecord[] = {false, false, true, true};
  long long records = -1; // unknown until the header is read
  long long seen = 0;
  bool header_seen = false;
  Line line{};
  for (std::size_t start = 0; start < text.size(); start = line.start + line.text.size() + 1) {
    if (const long long taken = header_seen ? canonical_records(text, start, records - seen, line) : 0; taken > 0) {
      seen += taken;
      continue;
    }
    line = line_at(text, start);
    if (header_seen && records >= 0 && seen == records) {
      out.push_back({line.start, say("more after the last portal record", "最後一筆傳送門資料之後還有內容")});
      return out;
    }
    const bool may_overread = text.size() - line.start - line.text.size() >= kLineOverread;
    const std::size_t fields = check_line(line, header_seen ? kRecord : kHeader, 4, may_overread, out);
    if (fields == 0)
      continue; // a blank line holds no record
    if (!header_seen)
      records = record_count(line.text);
    else
      ++seen;
    header_seen = true;
  }
  check_final_newline(line, out);
  return out;
}

std::vector<Defect> answer_layout(std::string_view text) {
  using namespace layout_internal;
  std::vector<Defect> out;
  if (text.empty()) {
    out.push_back({0, say("the file is empty", "檔案是空的")});
    return out;
  }
  static constexpr bool kAnswer[] = {true};
  const Line first = line_at(text, 0);
  check_line(first, kAnswer, 1, false, out);
  if (first.ended && first.text.size() + 1 < text.size())
    out.push_back({first.text.size() + 1, say("more after the answer", "答案之後還有內容")});
  else
    check_final_newline(first, out);
  return out;
}
