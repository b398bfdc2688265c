// checker-testlib INPUT OUTPUT ANSWER [RESULT [-appes]]: the calling convention of
// testlib-style judges, the contestant's output second and the reference third,
// reported as testlib itself reports. Exit 0 accepted, 1 wrong answer, 2
// presentation error (the format error), 3 fail (broken judge data, or a plan that
// beats the reference), 7 points (the 0.3 verdict, its message led by the points).
// Standard error gets the outcome word, the message and a newline, which judges
// classify by that word; RESULT gets the message alone, or XML with -appes.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "frontends/testlib_messages.h"

#include "files/output_file.h"
#include "judge/checker.h"
#include "judge/outcome.h"
#include "judge/verdict.h"
#include "wording/wording.h"

namespace testlib_internal {

constexpr int EXIT_OK = 0, EXIT_WA = 1, EXIT_PE = 2, EXIT_FAIL = 3, EXIT_POINTS = 7;

// One testlib outcome: its exit status, the word that leads standard error and
// its name in the XML result.
struct Result {
  int status;
  const char *word, *xml_name;
};

constexpr Result kAccepted{EXIT_OK, "ok", "accepted"}, kWrongAnswer{EXIT_WA, "wrong answer", "wrong-answer"},
    kPresentation{EXIT_PE, "wrong output format", "presentation-error"}, kFail{EXIT_FAIL, "FAIL", "fail"},
    kPoints{EXIT_POINTS, "points", "points"};

constexpr char kUsage[] =
    "usage: checker-testlib INPUT OUTPUT ANSWER [RESULT [-appes]]\n"
    "Judges the plan in OUTPUT against INPUT and the reference ANSWER (a total or an\n"
    "optimal plan), as testlib-style judges call a checker: exit 0 accepted, 1 wrong\n"
    "answer, 2 presentation error, 3 fail (the judge's data is broken), 7 points (0.3);\n"
    "the outcome word and the message on standard error, and in RESULT when given\n"
    "(XML with -appes).\n";

const char *result_path = nullptr;
bool appes = false;

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The message without white space at either end, as testlib trims it.
std::string trimmed(const std::string &text) {
  std::size_t first = 0, last = text.size();
  while (first < last && is_blank(text[first]))
    ++first;
  while (last > first && is_blank(text[last - 1]))
    --last;
  return text.substr(first, last - first);
}

// testlib's escaping: the four markup characters, and a dot for each byte 0..31.
std::string xml_escaped(const std::string &text) {
  std::string out;
  for (unsigned char c : text) {
    switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    default: out += c < 0x20 ? '.' : static_cast<char>(c);
    }
  }
  return out;
}

[[noreturn]] void quit(const Result &result, const std::string &text, const char *points = nullptr) {
  const std::string message = trimmed(text);
  if (result_path) {
    const std::string file = appes ? std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><result outcome = \"") +
                                         result.xml_name + "\"" +
                                         (points ? std::string(" points = \"") + points + "\"" : "") + ">" +
                                         xml_escaped(message) + "</result>\n"
                                   : message;
    if (!write_text(result_path, file)) {
      std::fprintf(stderr, "%s %s%s\n", kFail.word, worded("評測資料錯誤：無法寫入結果檔：", "Judge error: cannot write the result file: ").c_str(), result_path);
      std::exit(kFail.status);
    }
  }
  std::fprintf(stderr, "%s %s\n", result.word, message.c_str());
  std::exit(result.status);
}

} // namespace testlib_internal

void end_run(const Outcome &outcome) {
  using namespace testlib_internal;
  if (outcome.failed)
    quit(kFail, outcome.failure);
  switch (outcome.code) {
  case OPTIMAL:
    quit(kAccepted, text_of(*outcome.message));
  case CHEAPEST_AT_T:
    quit(kPoints, std::string("0.3 ") + text_of(*outcome.message), "0.3");
  default:
    quit(outcome.message->format_error ? kPresentation : kWrongAnswer, text_of(*outcome.message));
  }
}

int main(int argc, char **argv) {
  using namespace testlib_internal;
  if (kTestlibMessagesInEnglish)
    set_wording(Wording::english);
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc > 4)
    result_path = argv[4];
  appes = argc > 5 && std::strcmp(argv[5], "-appes") == 0;
  if (argc < 4)
    quit(kFail, worded("評測資料錯誤：參數不足，用法：checker-testlib 題目檔 輸出檔 答案檔 [結果檔 [-appes]]",
                       "Judge error: too few arguments; usage: checker-testlib INPUT OUTPUT ANSWER [RESULT [-appes]]"));
  judge_files(argv[1], argv[3], argv[2], AnswerForms::total_or_plan);
}
