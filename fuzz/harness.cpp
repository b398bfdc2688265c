// In-process judging for the fuzzers: a run ends by throwing its outcome.
#include "harness.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "instance/tables.h"
#include "judge/checker.h"
#include "judge/outcome.h"
#include "judge/verdict.h"

namespace {

std::string temp_dir() {
  const char *shm = "/dev/shm";
  return access(shm, W_OK) == 0 ? shm : "/tmp";
}


[[noreturn]] void finding(const char *what, const Outcome &o) {
  std::fprintf(stderr, "FINDING: %s (failed %d, code %d)\nmessage: [%s]\nfailure: [%s]\n", what,
               o.failed, o.code, o.message ? o.message->text : "", o.failure.c_str());
  std::abort();
}

void check_form(const Outcome &o) {
  if (!o.failed) {
    for (const Message *entry : kCatalogue)
      if (o.message == entry) {
        if (o.code != entry->code)
          finding("verdict code does not match the message", o);
        return;
      }
    finding("message outside the catalogue", o);
  }
  const std::string prefix = "評測資料錯誤：";
  if (o.failure.compare(0, prefix.size(), prefix) != 0 ||
      o.failure.find_first_of("\r\n") != std::string::npos)
    finding("malformed checker failure", o);
}

} // namespace

std::string write_fuzz_file(const std::string &name, std::string_view bytes) {
  static const std::string prefix = temp_dir() + "/checker_fuzz_" + std::to_string(getpid()) + "_";
  std::string path = prefix + name;
  std::FILE *f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0)
    std::abort();
  return path;
}

void end_run(const Outcome &outcome) { throw outcome; }

void judge_and_check(std::string_view instance, std::string_view answer, std::string_view plan) {
  std::string paths[] = {write_fuzz_file("instance", instance), write_fuzz_file("answer", answer),
                         write_fuzz_file("plan", plan)};
  instance_reset();
  detail = {};
  try {
    judge_files(paths[0].c_str(), paths[1].c_str(), paths[2].c_str(), AnswerForms::total_or_plan);
  } catch (const Outcome &o) {
    check_form(o);
  }
}
