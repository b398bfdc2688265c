#include "support/run_capture.h"

#include <cstdio>

#include "graph/connect.h"
#include "instance/tables.h"
#include "judge/checker.h"
#include "judge/end_run.h"
#include "support/files.h"

void end_run(int status, std::string_view out, std::string_view err) {
  throw RunEnded{status, std::string(out), std::string(err)};
}

void reset_all() {
  instance_reset();
  plan_reset();
}

RunEnded judge_files(const std::string &instance, const std::string &answer,
                     const std::string &plan) {
  reset_all();
  std::string args[] = {"checker", instance, answer, plan};
  char *argv[] = {args[0].data(), args[1].data(), args[2].data(), args[3].data(), nullptr};
  try {
    run_checker(4, argv);
  } catch (const RunEnded &ended) {
    return ended;
  }
}

RunEnded judge_texts(const std::string &instance, const std::string &answer,
                     const std::string &plan) {
  std::string paths[] = {temp_file(instance), temp_file(answer), temp_file(plan)};
  RunEnded ended = judge_files(paths[0], paths[1], paths[2]);
  for (const std::string &p : paths)
    std::remove(p.c_str());
  return ended;
}
