// The statement from its embedded parts.
#include "setter/packaging/statement.h"

#include "setter/embedded/embedded.h"
#include "setter/validation/statement_bounds.h"
#include "setter/validation/instance_file.h"

namespace {

// A subtask's bounds in the statement's words.
std::string constraints(const Bounds &b) {
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
    parts.push_back("$X$, $c_i$ and $r_i$ are integers");
  else if (b.most_decimals != whole.most_decimals)
    parts.push_back("at most " + std::to_string(b.most_decimals) + " digits after the decimal point");
  if (b.distinct_pairs)
    parts.push_back("no two portals join the same pair of islands");
  if (b.no_loops)
    parts.push_back("no portal joins an island to itself");
  std::string text;
  for (const std::string &p : parts)
    text += (text.empty() ? "" : ", ") + p;
  return text.empty() ? "no further constraints" : text;
}

// The table of subtasks, kept on one page with its heading: a minipage never
// breaks, and a heading never ends a page.
std::string subtask_table(const std::vector<Subtask> &subtasks) {
  std::string rows;
  for (std::size_t i = 0; i < subtasks.size(); ++i)
    rows += std::to_string(i + 1) + " & \\texttt{" + subtasks[i].name + "} & " + plain_decimal(subtasks[i].points) +
            " & " + constraints(subtasks[i].bounds) + " \\\\\n";
  return "\n\\section*{Subtasks}\n\n\\noindent\\begin{minipage}{\\linewidth}\n"
         "The tests are divided into subtasks. A subtask is worth its points times the least\n"
         "share that your plans earn on its tests. A test may belong to several subtasks.\n\n"
         "\\medskip\n\\noindent\\begin{tabular}{|r|l|r|p{0.5\\linewidth}|}\n\\hline\n"
         "Subtask & Name & Points & Constraints \\\\\n\\hline\n" +
         rows + "\\hline\n\\end{tabular}\n\\end{minipage}\n";
}

} // namespace

std::string statement_latex(const std::string &title, bool partial_scores, const std::vector<Subtask> &subtasks) {
  const std::string body = embedded("statement.tex");
  return "\\problemname{" + title + "}" + body.substr(body.find('\n')) +
         (partial_scores ? "\n" + embedded("scoring.tex") : std::string()) +
         (subtasks.empty() ? std::string() : subtask_table(subtasks));
}

std::string sample_explanation_latex(bool after_sample) {
  return std::string("\n\\section*{") + (after_sample ? "Explanation of the sample" : "Explanation of the sample below") +
         "}\n\n" + embedded("sample_explanation.tex");
}
