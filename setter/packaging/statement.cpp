// The statement from its embedded templates, its facts filled in.
#include "setter/packaging/statement.h"

#include <cctype>
#include <cmath>

#include "judge/approx.h"
#include "judge/verdict.h"
#include "setter/embedded/embedded.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/statement_bounds.h"

namespace {

bool chinese(StatementLanguage l) { return l == StatementLanguage::chinese; }

// A number as the statement writes it: a power of ten as one, thousands apart.
std::string latex_number(double v) {
  const double exponent = std::log10(std::fabs(v));
  if (v != 0 && exponent == std::floor(exponent) && std::fabs(exponent) >= 3)
    return std::string(v < 0 ? "-" : "") + "10^{" + plain_decimal(exponent) + "}";
  std::string digits = plain_decimal(v);
  const std::size_t end = digits.find('.') == std::string::npos ? digits.size() : digits.find('.');
  for (std::size_t at = end; at > 3 && std::isdigit(static_cast<unsigned char>(digits[at - 4])); at -= 3)
    digits.insert(at - 3, "\\,");
  return digits;
}

void fill(std::string &text, const std::string &key, const std::string &value) {
  for (std::size_t at; (at = text.find(key)) != std::string::npos;)
    text.replace(at, key.size(), value);
}

// A subtask's bounds in the statement's words.
std::string constraints(StatementLanguage l, const Bounds &b) {
  const Bounds whole = statement_bounds();
  std::vector<std::string> parts;
  const struct {
    const char *symbol;
    Range Bounds::*range;
  } ranges[] = {{"N", &Bounds::n}, {"M", &Bounds::m}, {"T", &Bounds::t}, {"X", &Bounds::x}, {"c_i", &Bounds::ec},
                {"r_i", &Bounds::er}};
  for (const auto &r : ranges) {
    const Range &range = b.*r.range, &full = whole.*r.range;
    if (range.low == full.low && range.high == full.high)
      continue;
    parts.push_back(range.low == range.high ? "$" + std::string(r.symbol) + " = " + plain_decimal(range.low) + "$"
                                            : "$" + plain_decimal(range.low) + " \\le " + r.symbol + " \\le " +
                                                  plain_decimal(range.high) + "$");
  }
  if (b.most_decimals == 0)
    parts.push_back(chinese(l) ? "$X$、$c_i$ 與 $r_i$ 皆為整數" : "$X$, $c_i$ and $r_i$ are integers");
  else if (b.most_decimals != whole.most_decimals)
    parts.push_back(chinese(l) ? "小數點後至多 " + std::to_string(b.most_decimals) + " 位"
                               : "at most " + std::to_string(b.most_decimals) + " digits after the decimal point");
  if (b.distinct_pairs)
    parts.push_back(chinese(l) ? "任兩條傳送門不連接同一對島嶼" : "no two portals join the same pair of islands");
  if (b.no_loops)
    parts.push_back(chinese(l) ? "沒有傳送門的兩端是同一座島嶼" : "no portal joins an island to itself");
  std::string text;
  for (const std::string &p : parts)
    text += (text.empty() ? "" : chinese(l) ? "；" : ", ") + p;
  return text.empty() ? (chinese(l) ? "無其他限制" : "no further constraints") : text;
}

// The table of subtasks, kept on one page with its heading: a minipage never
// breaks, and a heading never ends a page.
std::string subtask_table(StatementLanguage l, const std::vector<Subtask> &subtasks) {
  std::string rows;
  for (std::size_t i = 0; i < subtasks.size(); ++i)
    rows += std::to_string(i + 1) + " & \\texttt{" + subtasks[i].name + "} & " + plain_decimal(subtasks[i].points) +
            " & " + constraints(l, subtasks[i].bounds) + " \\\\\n";
  return std::string("\n\\section*{") + (chinese(l) ? "子任務" : "Subtasks") +
         "}\n\n\\noindent\\begin{minipage}{\\linewidth}\n" +
         (chinese(l) ? "測資分為數個子任務。每個子任務的得分，為其分數乘以你的建設方案在其各組測資所得比例的最小值。\n"
                       "一組測資可能屬於數個子任務。\n\n"
                     : "The tests are divided into subtasks. A subtask is worth its points times the least\n"
                       "share that your plans earn on its tests. A test may belong to several subtasks.\n\n") +
         "\\medskip\n\\noindent\\begin{tabular}{|r|l|r|p{0.5\\linewidth}|}\n\\hline\n" +
         (chinese(l) ? "子任務 & 名稱 & 分數 & 限制" : "Subtask & Name & Points & Constraints") + " \\\\\n\\hline\n" +
         rows + "\\hline\n\\end{tabular}\n\\end{minipage}\n";
}

} // namespace

std::string statement_latex(StatementLanguage l, const std::string &title, bool partial_scores,
                            const std::vector<Subtask> &subtasks) {
  const Bounds b = statement_bounds();
  std::string text = embedded(chinese(l) ? "statement.zh.tex" : "statement.en.tex") +
                     (partial_scores ? "\n" + embedded(chinese(l) ? "scoring.zh.tex" : "scoring.en.tex") : std::string());
  fill(text, "@TITLE@", title);
  fill(text, "@N@", latex_number(b.n.high));
  fill(text, "@M@", latex_number(b.m.high));
  fill(text, "@T@", latex_number(b.t.high));
  fill(text, "@X@", latex_number(b.x.high));
  fill(text, "@C@", latex_number(b.ec.high));
  fill(text, "@R@", latex_number(b.er.high));
  fill(text, "@DECIMALS@", std::to_string(b.most_decimals));
  fill(text, "@ABSOLUTE@", latex_number(kAbsoluteTolerance));
  fill(text, "@RELATIVE@", latex_number(kRelativeTolerance));
  fill(text, "@PARTIAL@", plain_decimal(score_of(CHEAPEST_AT_T)));
  return subtasks.empty() ? text : text + subtask_table(l, subtasks);
}
