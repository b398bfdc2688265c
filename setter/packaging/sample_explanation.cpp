// The explanation of the sample, in either language, from the sample worked through.
#include "setter/packaging/statement.h"

#include <cmath>
#include <string>
#include <vector>

#include "setter/validation/instance_file.h"

namespace {

std::string math(const std::string &text) { return "$" + text + "$"; }

// Items joined as each language lists them: "a, b and c", or "a、b、c".
std::string listed(StatementLanguage l, const std::vector<std::string> &items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i)
    text += (i == 0 ? "" : l == StatementLanguage::chinese ? "、" : i + 1 == items.size() ? " and " : ", ") + items[i];
  return text;
}

// "6 - 3 + 1 + 4 = 8": the research cost, then each portal's.
std::string total_sum(const SampleWalk &w) {
  std::string sum = plain_decimal(w.t * w.x);
  for (const SampleWalk::Built &b : w.tree)
    sum += (b.cost < 0 ? " - " : " + ") + plain_decimal(std::fabs(b.cost));
  return sum + " = " + plain_decimal(w.total);
}

} // namespace

std::string sample_explanation_latex(StatementLanguage l, const SampleWalk &w, bool after_sample) {
  const bool zh = l == StatementLanguage::chinese;
  std::vector<std::string> costs, built, other_t, other_totals;
  for (const std::string &c : w.costs)
    costs.push_back(math(c));
  for (const SampleWalk::Built &b : w.tree)
    built.push_back(zh ? math(std::to_string(b.a)) + " 與 " + math(std::to_string(b.b)) + " 之間（成本 " +
                             math(plain_decimal(b.cost)) + "）"
                       : math(std::to_string(b.a)) + " and " + math(std::to_string(b.b)) + " (cost " +
                             math(plain_decimal(b.cost)) + ")");
  for (const auto &[t, total] : w.others) {
    other_t.push_back(math(std::to_string(t)));
    other_totals.push_back(math(plain_decimal(total)));
  }
  const std::string t = math("t = " + std::to_string(w.t)), research = math(std::to_string(w.t) + " \\cdot " + plain_decimal(w.x) + " = " + plain_decimal(w.t * w.x));
  std::string text = std::string("\n\\section*{") +
                     (zh ? (after_sample ? "範例說明" : "下方範例的說明") : after_sample ? "Explanation of the sample" : "Explanation of the sample below") + "}\n\n";
  if (zh) {
    text += "共有 " + math("N = " + std::to_string(w.n)) + " 座島嶼，建設方案要建 " + math(std::to_string(w.tree.size())) + " 條傳送門。";
    if (!costs.empty())
      text += "在 " + t + " 時，" + math(std::to_string(costs.size())) + " 條傳送門的成本分別為 " + listed(l, costs) + "。";
    text += "最便宜的生成樹建設島嶼 " + listed(l, built) + " 的傳送門，研究成本為 " + research + "，總成本為 " +
            math(total_sum(w)) + "。";
    if (!other_t.empty())
      text += "在 " + math("t") + " 為 " + listed(l, other_t) + " 時，最小總成本分別為 " + listed(l, other_totals) + "，因此 " + t +
              " 是最佳選擇。";
    return text + "\n";
  }
  text += "With " + math("N = " + std::to_string(w.n)) + " islands, a plan builds " + math(std::to_string(w.tree.size())) + " portals. ";
  if (!costs.empty())
    text += "At " + t + " the " + math(std::to_string(costs.size())) + " portals cost " + listed(l, costs) + ". ";
  text += "The cheapest tree builds the portals between islands " + listed(l, built) + ", and research costs " + research +
          ": the total is " + math(total_sum(w)) + ". ";
  if (!other_t.empty())
    text += "The cheapest totals at " + math("t") + " = " + listed(l, other_t) + " are " + listed(l, other_totals) + ", so " + t +
            " is the best choice.";
  return text + "\n";
}
