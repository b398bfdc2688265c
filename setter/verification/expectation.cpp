// Expectations by folder, and their names.
#include "setter/verification/expectation.h"

#include "setter/language/language.h"

Expect expect_of_folder(const std::string &folder) {
  return folder == "accepted"              ? Expect::accepted
         : folder == "partially_accepted"  ? Expect::partially_accepted
         : folder == "wrong_answer"        ? Expect::wrong_answer
         : folder == "time_limit_exceeded" ? Expect::time_limit
         : folder == "run_time_error"      ? Expect::run_time_error
                                           : Expect::nothing;
}

std::string expect_text(Expect e) {
  switch (e) {
  case Expect::accepted:
    return say("accepted", "通過");
  case Expect::partially_accepted:
    return say("some points", "部分得分");
  case Expect::wrong_answer:
    return say("wrong answer", "答案錯誤");
  case Expect::time_limit:
    return say("time limit exceeded", "超過時間限制");
  case Expect::run_time_error:
    return say("run-time error", "執行期錯誤");
  case Expect::nothing:
    return "-";
  }
  return {};
}

std::string expect_acronym(Expect e) {
  switch (e) {
  case Expect::accepted:
    return "AC";
  case Expect::partially_accepted:
    return "PAC";
  case Expect::wrong_answer:
    return "WA";
  case Expect::time_limit:
    return "TLE";
  case Expect::run_time_error:
    return "RTE";
  case Expect::nothing:
    return "-";
  }
  return {};
}
