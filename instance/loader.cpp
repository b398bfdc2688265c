// Instance loader: one pass over the instance file, checking as it reads.
#include "instance/loader.h"

#include <cmath>
#include <cstdio>

#include "instance/reader.h"
#include "instance/registry.h"
#include "instance/tables.h"

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

std::string read_count(std::int32_t &value, const char *field) {
  if (Scan s = read_int(value); s != Scan::ok)
    return read_error(s, field, -1);
  if (value > MAXN)
    return "題目檔" + field_name(field, -1) + " = " + std::to_string(value) + " 超過上限 " +
           std::to_string(MAXN);
  return {};
}

std::string read_island(std::int32_t &value, const char *field, std::int32_t record) {
  if (Scan s = read_int(value); s != Scan::ok)
    return read_error(s, field, record);
  if (value < 0 || value >= N)
    return "題目檔" + field_name(field, record) + " = " + std::to_string(value) +
           " 不是 0 到 N-1 的島嶼編號（N = " + std::to_string(N) + "）";
  return {};
}

// A non-finite cost would make costs at t NaN, which no sort can order.
std::string read_finite(double &value, const char *field, std::int32_t record) {
  if (Scan s = read_real(value); s != Scan::ok)
    return read_error(s, field, record);
  if (!std::isfinite(value))
    return "題目檔" + field_name(field, record) + " 不是有限數（" + real_text(value) + "）";
  return {};
}

} // namespace

std::string load_instance() {
  std::string error;
  if (!(error = read_count(N, "N")).empty() || !(error = read_count(M, "M")).empty())
    return error;
  if (Scan s = read_int(T); s != Scan::ok)
    return read_error(s, "T", -1);
  if (!(error = read_finite(X, "X", -1)).empty())
    return error;
  edges.reserve(static_cast<std::size_t>(M > 0 ? M : 0));
  for (std::int32_t i = 0; i < M; ++i) {
    if (!(error = read_island(es[i], "es", i)).empty() ||
        !(error = read_island(et[i], "et", i)).empty() ||
        !(error = read_finite(ec[i], "ec", i)).empty() ||
        !(error = read_finite(er[i], "er", i)).empty())
      return error;
    edges.push_back(i);
    add_edge(es[i], et[i], i);
  }
  registry_seal();
  return {};
}
