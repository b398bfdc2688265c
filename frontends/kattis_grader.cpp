// kattis-grader [points P] < RESULTS: a Kattis test-group grader for a subtask.
// Reads one line "VERDICT SCORE" per test of the group, the score being what the
// output validator wrote (1 for an optimal plan, 0.3 for one that is the cheapest
// at its own t) or the group's reject score (0); writes one line "VERDICT SCORE":
// the first verdict that is not AC, else AC, and P (1 by default) times the least
// score, as CMS's GroupMin scores a subtask. Exit 0; a malformed line or flag is
// a judge error, "JE 0".
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

int main(int argc, char **argv) {
  double points = 1;
  for (int i = 1; i < argc; ++i) {
    char *end = nullptr;
    if (std::strcmp(argv[i], "points") == 0 && i + 1 < argc && (points = std::strtod(argv[i + 1], &end)) >= 0 &&
        *argv[i + 1] && !*end) {
      ++i;
    } else {
      std::puts("JE 0");
      return 0;
    }
  }
  char verdict[16];
  double score = 0, least = 1;
  std::string first_error = "AC";
  int read = 0;
  while (std::scanf("%15s %lf", verdict, &score) == 2) {
    ++read;
    least = score < least ? score : least;
    if (first_error == "AC" && std::strcmp(verdict, "AC") != 0)
      first_error = verdict;
  }
  if (!std::feof(stdin)) {
    std::puts("JE 0");
    return 0;
  }
  std::printf("%s %.9g\n", first_error.c_str(), read > 0 ? points * least : 0.0);
  return 0;
}
