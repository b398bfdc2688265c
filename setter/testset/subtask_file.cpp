// Parsing a subtask file, every defect at its line.
#include "setter/testset/subtask_file.h"

#include <charconv>
#include <cmath>
#include <set>
#include <sstream>

#include "setter/language/language.h"
#include "setter/testset/feasibility.h"
#include "setter/validation/statement_bounds.h"
#include "setter/validation/bounds_options.h"
#include "setter/validation/instance_file.h"
#include "setter/validation/text_file.h"

namespace {

bool parse_points(const std::string &text, double &points) {
  auto [ptr, failure] = std::from_chars(text.data(), text.data() + text.size(), points);
  return failure == std::errc() && ptr == text.data() + text.size() && std::isfinite(points) && points >= 0;
}

// Why the subtask's range passes the statement's, or "" when it stays within.
std::string beyond_statement(const Range &range, const Range &statement) {
  if (range.low >= statement.low && range.high <= statement.high)
    return {};
  const std::string given = plain_decimal(range.low) + ".." + plain_decimal(range.high),
                    bound = plain_decimal(statement.low) + ".." + plain_decimal(statement.high);
  return say(std::string(range.option) + " " + given + " reaches beyond the statement's " + bound,
             std::string(range.option) + " " + given + " 超出題目的範圍 " + bound);
}

// Reads a line's bound options into s, within the statement's; the defects, each
// "at" and a line, or "" when some instance keeps the bounds.
std::string line_bounds(const std::vector<std::string> &fields, const std::string &at, Subtask &s) {
  std::string errors;
  const Bounds statement = statement_bounds();
  for (std::size_t i = 0; i < fields.size(); ++i) {
    std::string why = say("'" + fields[i] + "' states no bound", "「" + fields[i] + "」不是範圍選項");
    if (take_bound_option(fields, i, s.bounds, why) != BoundOption::taken) {
      errors += at + why + "\n";
      break;
    }
  }
  for (const auto &[range, bound] : {std::pair{s.bounds.n, statement.n}, {s.bounds.m, statement.m},
                                     {s.bounds.t, statement.t}, {s.bounds.x, statement.x},
                                     {s.bounds.ec, statement.ec}, {s.bounds.er, statement.er}})
    if (const std::string why = beyond_statement(range, bound); !why.empty())
      errors += at + why + "\n";
  if (s.bounds.most_decimals > statement.most_decimals)
    errors += at + say("--decimals " + std::to_string(s.bounds.most_decimals) + " allows more than the statement's " +
                           std::to_string(statement.most_decimals) + "\n",
                       "--decimals " + std::to_string(s.bounds.most_decimals) + " 超過題目允許的 " +
                           std::to_string(statement.most_decimals) + "\n");
  s.options = bound_options(s.bounds, statement);
  if (const std::string why = why_no_instance(s.bounds); !why.empty() && errors.empty())
    errors += at + say("subtask " + s.name + " can hold no test: ", "子任務 " + s.name + " 不可能有任何測資：") + why + "\n";
  return errors;
}

} // namespace

std::string parse_subtasks(std::string_view text, const std::string &file, std::vector<Subtask> &subtasks) {
  subtasks.clear();
  std::string errors;
  std::set<std::string> names;
  double total = 0;
  std::istringstream lines{std::string(text)};
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::string at = file + ":" + std::to_string(number) + ": ";
    std::istringstream words(line.substr(0, line.find('#')));
    std::vector<std::string> fields;
    for (std::string w; words >> w;)
      fields.push_back(w);
    if (fields.empty())
      continue;
    Subtask s{0, fields.size() > 1 ? fields[1] : "", statement_bounds(), ""};
    if (!parse_points(fields[0], s.points)) {
      errors += at + say("the points, '" + fields[0] + "', are no number 0 or more\n",
                         "分數「" + fields[0] + "」不是 0 以上的數\n");
      continue;
    }
    if (s.name.empty() || s.name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_-") != std::string::npos) {
      errors += at + say("the subtask needs a name of a-z, 0-9, '_' and '-' after its points\n",
                         "分數之後需要子任務名稱，只能由 a-z、0-9、「_」與「-」組成\n");
      continue;
    }
    if (!names.insert(s.name).second) {
      errors += at + say("a second subtask called " + s.name + "\n", "子任務名稱 " + s.name + " 重複\n");
      continue;
    }
    fields.erase(fields.begin(), fields.begin() + 2);
    errors += line_bounds(fields, at, s);
    total += s.points;
    subtasks.push_back(s);
  }
  if (errors.empty() && subtasks.empty())
    errors = file + ": " + say("no subtask in the file\n", "檔案中沒有子任務\n");
  else if (errors.empty() && std::fabs(total - 100) > 1e-9)
    errors = file + ": " + say("the points total " + plain_decimal(total) + ", not 100\n",
                               "分數總和是 " + plain_decimal(total) + "，不是 100\n");
  if (!errors.empty())
    errors.pop_back();
  return errors;
}

std::string read_subtasks(const std::string &path, std::vector<Subtask> &subtasks) {
  std::string text;
  if (std::string error = read_text_file(path, text); !error.empty())
    return path + ": " + error;
  return parse_subtasks(text, path, subtasks);
}
