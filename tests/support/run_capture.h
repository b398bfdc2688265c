// Judging in-process: a run ends by throwing RunEnded with what it would write.
#pragma once
#include <string>
#include <vector>

struct RunEnded {
  int status;
  std::string out, err;
};

// Runs the checker on three files with fresh tables and returns how it ended.
RunEnded judge_files(const std::string &instance, const std::string &answer,
                     const std::string &plan);

// The same on three texts, written to temporary files first.
RunEnded judge_texts(const std::string &instance, const std::string &answer,
                     const std::string &plan);

// Resets every process-wide table to its state at start.
void reset_all();
