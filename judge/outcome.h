// What a run ends with, handed to the front-end that started it. The judging core
// never writes a stream or exits on its own: each front-end defines end_run() and
// turns the outcome into its judge's streams, files and exit status.
#pragma once
#include <cstdint>
#include <string>

// What the judgement had established when the run ended, for judges' eyes.
struct Detail {
  bool has_t = false; // the plan's t was read
  std::int32_t t = 0;
  bool priced = false; // the totals below were computed
  double plan_total = 0, minimum = 0, reference = 0;
  std::int64_t line = 0; // 1-based portal line of the plan where it was rejected; 0: none
  bool has_pair = false; // the two islands read on that line
  std::int32_t u = 0, v = 0;
  std::int64_t named = -1; // portals the plan names, once all its lines were read; -1 before
};

// Written by the judgement as it goes; read by the front-ends.
extern Detail detail;

struct Message;

struct Outcome {
  bool failed;            // a checker failure: the judge's own data allows no verdict
  int code;               // the verdict code given to finish() (0, 1, 2); unset on failure
  const Message *message; // the catalogue entry; null on failure
  std::string failure; // on failure, "評測資料錯誤：…" on one line, without a newline
};

// Turns the outcome into what the calling judge expects and ends the process.
// Defined once per front-end.
[[noreturn]] void end_run(const Outcome &outcome);
