// In-process judging for the fuzzers: a run ends by throwing what it would write.
#include "harness.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "graph/connect.h"
#include "instance/tables.h"
#include "judge/checker.h"
#include "judge/end_run.h"
#include "judge/verdict.h"

namespace {

struct Ended {
  int status;
  std::string out, err;
};

std::string temp_dir() {
  const char *shm = "/dev/shm";
  return access(shm, W_OK) == 0 ? shm : "/tmp";
}

std::string write_file(const std::string &name, std::string_view bytes) {
  static const std::string prefix = temp_dir() + "/checker_fuzz_" + std::to_string(getpid()) + "_";
  std::string path = prefix + name;
  std::FILE *f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0)
    std::abort();
  return path;
}

[[noreturn]] void finding(const char *what, const Ended &e) {
  std::fprintf(stderr, "FINDING: %s (status %d)\nstdout: [%s]\nstderr: [%s]\n", what, e.status,
               e.out.c_str(), e.err.c_str());
  std::abort();
}

void check_form(const Ended &e) {
  if (e.status == EXIT_VERDICT) {
    struct {
      const char *text;
      const char *score;
    } catalogue[] = {
        {message::bad_format, "0.000000\n"},     {message::t_out_of_range, "0.000000\n"},
        {message::invalid_portal, "0.000000\n"}, {message::repeated_portal, "0.000000\n"},
        {message::not_connected, "0.000000\n"},  {message::not_cheapest, "0.000000\n"},
        {message::t_not_best, "0.300000\n"},     {message::optimal, "1.000000\n"}};

    for (const auto &entry : catalogue)
      if (e.err == entry.text) {
        if (e.out != entry.score)
          finding("score does not match the message", e);
        return;
      }
    finding("message outside the catalogue", e);
  }
  if (e.status == EXIT_CHECKER_FAILURE) {
    const std::string prefix = "評測資料錯誤：";
    if (!e.out.empty() || e.err.compare(0, prefix.size(), prefix) != 0 || e.err.back() != '\n' ||
        e.err.find('\n') != e.err.size() - 1)
      finding("malformed checker failure", e);
    return;
  }
  finding("unknown exit status", e);
}

} // namespace

void end_run(int status, std::string_view out, std::string_view err) {
  throw Ended{status, std::string(out), std::string(err)};
}

void judge_and_check(std::string_view instance, std::string_view answer, std::string_view plan) {
  std::string paths[] = {write_file("instance", instance), write_file("answer", answer),
                         write_file("plan", plan)};
  instance_reset();
  plan_reset();
  char name[] = "checker";
  char *argv[] = {name, paths[0].data(), paths[1].data(), paths[2].data(), nullptr};
  try {
    run_checker(4, argv);
  } catch (const Ended &e) {
    check_form(e);
  }
}
