// Instance loader: one pass over the instance file, checking as it reads.
#include "instance/loader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "reader/reader.h"
#include "instance/registry.h"
#include "instance/tables.h"
#include "wording/wording.h"
#include "memory/huge_pages.h"

namespace loader_internal {

std::string real_text(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", v);
  return text;
}

LoadDefect::Kind scan_defect(Scan s) {
  switch (s) {
  case Scan::end:
    return LoadDefect::missing;
  case Scan::too_big:
    return LoadDefect::beyond_32_bits;
  case Scan::unreadable:
    return LoadDefect::unreadable;
  default:
    return LoadDefect::not_a_number;
  }
}

// Each reader below fills value and returns true, or describes the defect.
bool read_count(std::int32_t &value, const char *field, LoadDefect &defect) {
  if (Scan s = read_int(value); s != Scan::ok) {
    defect = {scan_defect(s), field, -1, {}};
    return false;
  }
  if (value > MAXN) {
    defect = {LoadDefect::above_capacity, field, -1, std::to_string(value)};
    return false;
  }
  return true;
}

bool read_island(std::int32_t &value, const char *field, std::int32_t record, LoadDefect &defect) {
  if (Scan s = read_int(value); s != Scan::ok) {
    defect = {scan_defect(s), field, record, {}};
    return false;
  }
  if (value < 0 || value >= N) {
    defect = {LoadDefect::not_an_island, field, record, std::to_string(value)};
    return false;
  }
  return true;
}

// A non-finite cost would make costs at t NaN, which no sort can order.
bool read_finite(double &value, const char *field, std::int32_t record, LoadDefect &defect) {
  if (Scan s = read_real(value); s != Scan::ok) {
    defect = {scan_defect(s), field, record, {}};
    return false;
  }
  if (!std::isfinite(value)) {
    defect = {LoadDefect::not_finite, field, record, real_text(value)};
    return false;
  }
  return true;
}

} // namespace loader_internal

std::string load_defect_text(const LoadDefect &d) {
  const std::string record = std::to_string(d.record + 1);
  const std::string where = d.record < 0 ? worded("開頭的 ", "") + d.field + worded("", " on the first line")
                            : wording_now() == Wording::english ? std::string(d.field) + " of portal record " + record
                                                                : "第 " + record + " 筆傳送門資料的 " + d.field;
  switch (d.kind) {
  case LoadDefect::none:
    return {};
  case LoadDefect::missing:
    return worded("題目檔在讀到", "the instance file ends before ") + where + worded(" 之前就結束了", "");
  case LoadDefect::beyond_32_bits:
    return worded("題目檔", "the instance file's ") + where + worded(" 超出 32 位元整數範圍", " is beyond 32-bit integers");
  case LoadDefect::unreadable:
    return worded("無法讀取題目檔", "cannot read the instance file");
  case LoadDefect::not_a_number:
    return worded("題目檔", "the instance file's ") + where + worded(" 不是數字", " is not a number");
  case LoadDefect::above_capacity:
    return worded("題目檔", "the instance file's ") + where + " = " + d.value + worded(" 超過上限 ", " exceeds ") +
           std::to_string(MAXN);
  case LoadDefect::not_an_island:
    return worded("題目檔", "the instance file's ") + where + " = " + d.value +
           worded(" 不是 0 到 N-1 的島嶼編號（N = ", " is no island number 0 to N-1 (N = ") + std::to_string(N) +
           worded("）", ")");
  case LoadDefect::not_finite:
    return worded("題目檔", "the instance file's ") + where + worded(" 不是有限數（", " is not finite (") + d.value +
           worded("）", ")");
  }
  return {};
}

LoadDefect load_instance(std::vector<std::uint64_t> *by_token) {
  using namespace loader_internal;
  LoadDefect defect;
  if (!read_count(N, "N", defect) || !read_count(M, "M", defect))
    return defect;
  if (Scan s = read_int(T); s != Scan::ok)
    return {scan_defect(s), "T", -1, {}};
  if (!read_finite(X, "X", -1, defect))
    return defect;
  const std::size_t portals = static_cast<std::size_t>(M > 0 ? M : 0);
  prefer_huge_pages(ec, portals * sizeof ec[0]);
  prefer_huge_pages(er, portals * sizeof er[0]);
  // A huge page under the ends is worth it once they fill most of it.
  if (portals >= MAXN / 4 * 3)
    prefer_huge_pages(&portal_ends, sizeof portal_ends);
  registry_expect(M);
  // A run of records is registered after the next run is read: its slots in the
  // registry, fetched before that read, have arrived by then. Registrations keep
  // their order.
  constexpr std::int32_t kRun = 128;
  std::int32_t fetched = 0, fetched_count = 0; // read, slots fetched, not registered
  for (std::int32_t i = 0; i < M;) {
    std::int32_t got = static_cast<std::int32_t>(read_records_fast(
        N, es + i, et + i, ec + i, er + i, static_cast<std::size_t>(std::min(kRun, M - i))));
    if (got == 0) {
      if (!read_island(es[i], "es", i, defect))
        return defect;
      if (by_token)
        by_token->push_back(input_token_offset());
      if (!read_island(et[i], "et", i, defect) ||
          !read_finite(ec[i], "ec", i, defect) || !read_finite(er[i], "er", i, defect))
        return defect;
      got = 1;
    }
    add_edges(es + fetched, et + fetched, fetched, fetched_count);
    prefetch_edges(es + i, et + i, got);
    fetched = i;
    fetched_count = got;
    i += got;
  }
  add_edges(es + fetched, et + fetched, fetched, fetched_count);
  return defect;
}
