// verify's report: one table of verdicts per program, and one of points per
// subtask.
#include "setter/verification/report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "setter/language/language.h"
#include "setter/validation/instance_file.h"

namespace {

std::string seconds(double s) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f s", s);
  return text;
}

// Points rounded to decimals digits, as a judge shows them: 3.6, not 3.5999999999999996.
std::string rounded(double points, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return plain_decimal(std::round(points * scale) / scale);
}

// The points each entry earns on each subtask, rounded as the judge shows them.
std::string subtask_table(const std::vector<Entry> &entries, const std::vector<Tally> &tallies, const PackageView &view,
                          std::size_t width) {
  const std::vector<GroupScore> &subtasks = view.subtasks;
  char cell[256];
  std::string table = "\n";
  std::snprintf(cell, sizeof cell, "%-*s ", static_cast<int>(width), say("points per subtask", "各子任務得分").c_str());
  table += cell;
  for (const GroupScore &s : subtasks) {
    std::snprintf(cell, sizeof cell, " %12s", (s.name + "(" + plain_decimal(s.points) + ")").c_str());
    table += cell;
  }
  table += say("        total  earns in full (declared)\n", "          總分  全部得分的子任務（宣告）\n");
  for (std::size_t i = 0; i < entries.size(); ++i) {
    std::snprintf(cell, sizeof cell, "%-*s ", static_cast<int>(width), entries[i].program.shown.c_str());
    table += cell;
    double total = 0;
    std::string full;
    for (std::size_t s = 0; s < subtasks.size(); ++s) {
      const double points = subtasks[s].points * tallies[i].subtask_share[s];
      total += points;
      if (tallies[i].subtask_share[s] == 1)
        full += (full.empty() ? "" : " ") + subtasks[s].name;
      std::snprintf(cell, sizeof cell, " %12s", rounded(points, view.points_decimals).c_str());
      table += cell;
    }
    std::string declared;
    for (const std::string &name : entries[i].earns)
      declared += (declared.empty() ? "" : " ") + name;
    std::snprintf(cell, sizeof cell, " %12s", rounded(total, view.points_decimals).c_str());
    table += cell + std::string("  ") + (full.empty() ? "-" : full) +
             (entries[i].declares_earns ? " (" + (declared.empty() ? "none" : declared) + ")" : "") + "\n";
  }
  return table;
}

} // namespace

std::string tally_table(const std::vector<Entry> &entries, const std::vector<Tally> &tallies, const PackageView &view) {
  std::size_t width = 7;
  for (const Entry &e : entries)
    width = std::max(width, e.program.shown.size());
  char line[1024];
  std::snprintf(line, sizeof line, "%-*s  %-20s %5s %5s %5s %5s %5s %5s %5s %9s %11s  %s\n", static_cast<int>(width),
                say("program", "程式").c_str(), say("expected", "預期").c_str(), "1", "0.3", "WA", "TLE", "MLE", "OLE",
                "RTE", say("slowest", "最慢").c_str(), say("peak memory", "最高記憶體").c_str(),
                say("first test below 1", "第一組未得 1 分的測資").c_str());
  std::string table = line;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const Tally &t = tallies[i];
    std::snprintf(line, sizeof line, "%-*s  %-20s %5d %5d %5d %5d %5d %5d %5d %9s %11s  ", static_cast<int>(width),
                  entries[i].program.shown.c_str(), expect_text(entries[i].expect).c_str(),
                  t.count[static_cast<int>(Verdict::accepted)], t.count[static_cast<int>(Verdict::partial)],
                  t.count[static_cast<int>(Verdict::wrong_answer)], t.count[static_cast<int>(Verdict::time_limit)],
                  t.count[static_cast<int>(Verdict::memory_limit)], t.count[static_cast<int>(Verdict::output_limit)],
                  t.count[static_cast<int>(Verdict::run_time_error)], seconds(t.slowest).c_str(),
                  memory_text(t.peak_kib).c_str());
    table += line + (t.missed ? t.first_miss_test + ": " + t.first_miss_why : std::string("-")) +
             (t.met ? "" : say("  << NOT AS EXPECTED", "  << 與預期不符")) + "\n";
    if (!t.judge_says.empty())
      table += say("  the Kattis verifier: ", "  Kattis 驗證器：") + t.judge_says +
               (t.complaint.empty() ? "" : say(", and it complains: ", "，並會指出：") + t.complaint) + "\n";
    if (t.left > 0)
      table += say("  " + std::to_string(t.left) + (t.left == 1 ? " process" : " processes") + " could not be killed (in uninterruptible sleep), given up\n",
                   "  " + std::to_string(t.left) + " 個行程無法終止（處於不可中斷的睡眠），已放棄\n");
    if (const int failures = t.count[static_cast<int>(Verdict::judge_error)]; failures > 0)
      table += say("  " + counted(failures, "judge error") + ": the test set itself is broken\n",
                   "  " + std::to_string(failures) + " 次評測資料錯誤：測資本身有誤\n");
  }
  return view.subtasks.empty() ? table : table + subtask_table(entries, tallies, view, width);
}

std::string run_line(const Entry &entry, const Trial &trial, const TrialRun &run) {
  const std::string most = std::to_string(run.processes), left = std::to_string(run.left);
  return entry.program.shown + " " + trial.name + ": " + verdict_text(run) + ", " + seconds(run.cpu) + ", " +
         memory_text(run.peak_kib) + say(", " + most + " processes at most", "，最多 " + most + " 個行程") +
         (run.left > 0 ? say(", " + left + " could not be killed", "，" + left + " 個無法終止") : "") + "\n";
}
