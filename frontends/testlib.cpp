// checker-testlib INPUT OUTPUT ANSWER [RESULT [-appes]]: the calling convention of
// testlib-style judges, the contestant's output second and the reference third.
// Exit 0 accepted, 1 wrong answer, 2 presentation error (the format error), 3 fail
// (broken judge data, or a plan that beats the reference), 7 points (the 0.3
// verdict, its message led by the points). The message goes to standard error and,
// when RESULT is given, to that file: as XML with -appes, else as plain text.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "frontends/output_file.h"
#include "judge/checker.h"
#include "judge/outcome.h"
#include "judge/verdict.h"

namespace {

constexpr int EXIT_OK = 0, EXIT_WA = 1, EXIT_PE = 2, EXIT_FAIL = 3, EXIT_POINTS = 7;

const char *result_path = nullptr;
bool appes = false;

std::string xml_escaped(const std::string &text) {
  std::string out;
  for (unsigned char c : text) {
    switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    case '\'': out += "&apos;"; break;
    default: out += c < 0x20 || c == 0x7F ? '.' : static_cast<char>(c); // no control bytes in XML
    }
  }
  return out;
}

[[noreturn]] void quit(int status, const char *outcome, const char *points, const std::string &text) {
  std::fputs((text + "\n").c_str(), stderr);
  if (result_path) {
    std::string result = text + "\n";
    if (appes)
      result = std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><result outcome = \"") +
               outcome + "\"" + (points ? std::string(" points = \"") + points + "\"" : "") + ">" +
               xml_escaped(text) + "</result>\n";
    if (!write_text(result_path, result)) {
      std::fputs("評測資料錯誤：無法寫入結果檔\n", stderr);
      std::exit(EXIT_FAIL);
    }
  }
  std::exit(status);
}

} // namespace

void end_run(const Outcome &outcome) {
  if (outcome.failed)
    quit(EXIT_FAIL, "fail", nullptr, outcome.failure);
  switch (outcome.code) {
  case OPTIMAL:
    quit(EXIT_OK, "accepted", nullptr, outcome.message);
  case CHEAPEST_AT_T:
    quit(EXIT_POINTS, "points", "0.3", std::string("0.3 ") + outcome.message);
  default:
    if (std::strcmp(outcome.message, message::bad_format) == 0)
      quit(EXIT_PE, "presentation-error", nullptr, outcome.message);
    quit(EXIT_WA, "wrong-answer", nullptr, outcome.message);
  }
}

int main(int argc, char **argv) {
  if (argc > 4)
    result_path = argv[4];
  appes = argc > 5 && std::strcmp(argv[5], "-appes") == 0;
  if (argc < 4)
    quit(EXIT_FAIL, "fail", nullptr,
         "評測資料錯誤：參數不足，用法：checker-testlib 題目檔 輸出檔 答案檔 [結果檔 [-appes]]");
  judge_files(argv[1], argv[3], argv[2]);
}
