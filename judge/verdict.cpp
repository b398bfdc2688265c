// Verdicts and checker failures become outcomes for the front-end.
#include "judge/verdict.h"

#include "judge/outcome.h"
#include "wording/wording.h"

double score_of(int code) { return code == CHEAPEST_AT_T ? 0.3 : code == OPTIMAL ? 1.0 : 0.0; }

const char *text_of(const Message &message) {
  return wording_now() == Wording::english ? message.english : message.text;
}

void finish(int code, const Message &message) { end_run({false, code, &message, {}}); }

void badin() { finish(REJECTED, message::bad_format); }

void checker_failure(const std::string &what) {
  std::string line = worded("評測資料錯誤：", "Judge error: ") + what;
  for (char &c : line)
    if (c == '\n' || c == '\r')
      c = ' '; // a path may hold line breaks; the report stays one line
  end_run({true, REJECTED, nullptr, line});
}
