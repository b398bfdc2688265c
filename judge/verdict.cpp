// Verdict reporter: score line, message, exit status.
#include "judge/verdict.h"

#include <cstdio>

#include "judge/end_run.h"

void finish(int code, const char *message) {
  double score = code == CHEAPEST_AT_T ? 0.3 : code == OPTIMAL ? 1.0 : 0.0;
  char line[32];
  int n = std::snprintf(line, sizeof line, "%lf\n", score);
  end_run(EXIT_VERDICT, std::string_view(line, static_cast<std::size_t>(n)), message);
}

void badin() { finish(REJECTED, message::bad_format); }

void checker_failure(const std::string &what) {
  std::string line = "評測資料錯誤：" + what;
  for (char &c : line)
    if (c == '\n' || c == '\r')
      c = ' '; // a path may hold line breaks; the report stays one line
  end_run(EXIT_CHECKER_FAILURE, {}, line + "\n");
}
