// The answer file in either form. A jury plan is read by the same line reader as
// a contestant's plan, so the two totals are formed alike to the bit; its claims
// on the registry are withdrawn before the contestant's plan is read.
#include "judge/answer.h"

#include <cmath>
#include <string>

#include "graph/connect.h"
#include "instance/registry.h"
#include "instance/tables.h"
#include "judge/exact.h"
#include "judge/plan_lines.h"
#include "judge/verdict.h"
#include "wording/wording.h"
#include "reader/reader.h"

namespace answer_internal {

[[noreturn]] void unreadable(const char *path) {
  checker_failure(worded("無法讀取答案檔：", "cannot read the answer file: ") + path);
}

[[noreturn]] void wrong(const std::string &what, const char *path) {
  checker_failure(what + worded("，答案檔有誤：", "; the answer file is wrong: ") + path);
}

// "答案檔第 L 行" for the byte at offset, or "答案檔" when the file cannot be reread.
std::string place(std::uint64_t offset) {
  const std::uint64_t line = input_line_at(offset);
  return line > 0 ? worded("答案檔第 ", "answer file, line ") + std::to_string(line) + worded(" 行", "")
                  : worded("答案檔", "answer file");
}

// Where the first island of the pair-th (1-based) portal line begins, reading the
// plan again from its start exactly as it was read.
std::uint64_t pair_offset(std::int64_t pair) {
  if (!input_restart())
    return ~std::uint64_t{0};
  std::int32_t skipped;
  for (std::int64_t i = 0; i <= 2 * pair; ++i)
    read_int(skipped);
  return input_token_offset();
}

std::string why(Scan s) {
  return s == Scan::too_big ? worded("超出 32 位元整數範圍", " is beyond 32-bit integers")
                            : worded("不是整數", " is not an integer");
}

void require_header(Scan s, const char *field, const char *path) {
  if (s == Scan::unreadable)
    unreadable(path);
  if (s != Scan::ok)
    wrong(place(input_token_offset()) + worded("：方案的 ", ": the plan's ") + field + worded(" ", "") + why(s), path);
}

[[noreturn]] void line_defect(const LineDefect &d, const char *path) {
  const std::string portal = worded("方案的第 ", "the plan's portal line ") + std::to_string(d.line) + worded(" 條傳送門", "");
  if (d.scan == Scan::unreadable)
    unreadable(path);
  if (d.scan == Scan::end)
    wrong(place(input_token_offset()) + worded("：檔案在", ": the file ends before ") + portal + worded("之前就結束了", ""), path);
  if (d.scan != Scan::ok)
    wrong(place(input_token_offset()) + worded("：", ": ") + portal + why(d.scan), path);
  const std::string pair = std::to_string(d.u) + " " + std::to_string(d.v);
  wrong(place(pair_offset(d.line)) + worded("：", ": ") + portal + " " + pair +
            (d.message == &message::invalid_portal ? worded(" 不是任何傳送門的兩端", " joins no portal")
                                                   : worded(" 與先前的傳送門重複", " repeats an earlier portal")),
        path);
}

double jury_plan_total(const char *path) {
  std::int32_t t, k;
  require_header(read_int(t), "t", path);
  const std::uint64_t t_offset = input_token_offset();
  require_header(read_int(k), "k", path);
  if (t < 0 || t > T)
    wrong(place(t_offset) + worded("：方案的 t = ", ": the plan's t = ") + std::to_string(t) +
              worded(" 超出範圍 0 到 ", " lies outside 0 to ") + std::to_string(T),
          path);
  const double td = static_cast<double>(t);
  double total = td * X;
  connect_start();
  if (const LineDefect defect = read_plan_lines(k, td, total); defect.message)
    line_defect(defect, path);
  if (!connected())
    wrong(worded("答案檔的方案無法使得所有島嶼互相連通", "the answer file's plan does not connect all islands"), path);
  if (!std::isfinite(total))
    wrong(worded("答案檔的方案總成本不是有限數（", "the answer file's plan total is not finite (") + exact(total) +
              worded("）", ")"),
          path);
  registry_unclaim();
  return total;
}

} // namespace answer_internal

double read_reference(const char *path, AnswerForms forms) {
  using namespace answer_internal;
  if (!input_bind(path))
    checker_failure(worded("無法開啟答案檔：", "cannot open the answer file: ") + path);
  if (forms == AnswerForms::total_or_plan) {
    const bool plan = skip_integer_token() && skip_integer_token();
    if (!input_restart())
      unreadable(path);
    if (plan)
      return jury_plan_total(path);
  }
  double reference = 0.0; // an answer file with no number leaves it at 0
  if (read_real(reference) == Scan::unreadable)
    unreadable(path);
  if (!std::isfinite(reference))
    checker_failure(worded("答案檔的參考總成本不是有限數（", "the answer file's reference total is not finite (") +
                    (std::isnan(reference) ? "nan"
                     : reference > 0       ? "inf"
                                           : "-inf") +
                    worded("）：", "): ") + path);
  return reference;
}
