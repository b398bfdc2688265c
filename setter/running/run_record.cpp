// The record's one line: plain fields, so that the helper needs no library.
#include "setter/running/run_record.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

namespace {

const char *const kEnded[] = {"none", "wall", "cpu", "memory"};

} // namespace

std::string record_line(const RunRecord &r) {
  char line[512];
  std::snprintf(line, sizeof line,
                "started=%d exited=%d status=%d user=%.6f system=%.6f wall=%.6f peak_kib=%lld output=%lld ended=%s "
                "processes=%d left=%d isolation=%s\n",
                r.started, r.exited, r.status, r.user, r.system, r.wall, static_cast<long long>(r.peak_kib),
                static_cast<long long>(r.output_bytes), kEnded[static_cast<int>(r.ended)], r.processes, r.left,
                r.isolation.empty() ? "-" : r.isolation.c_str());
  return line;
}

bool parse_record(const std::string &line, RunRecord &r) {
  std::istringstream fields(line);
  int seen = 0;
  for (std::string field; fields >> field; ++seen) {
    const std::size_t equals = field.find('=');
    if (equals == std::string::npos)
      return false;
    const std::string key = field.substr(0, equals), value = field.substr(equals + 1);
    const char *v = value.c_str();
    if (key == "started")
      r.started = std::atoi(v) != 0;
    else if (key == "exited")
      r.exited = std::atoi(v) != 0;
    else if (key == "status")
      r.status = std::atoi(v);
    else if (key == "user")
      r.user = std::strtod(v, nullptr);
    else if (key == "system")
      r.system = std::strtod(v, nullptr);
    else if (key == "wall")
      r.wall = std::strtod(v, nullptr);
    else if (key == "peak_kib")
      r.peak_kib = std::atoll(v);
    else if (key == "output")
      r.output_bytes = std::atoll(v);
    else if (key == "processes")
      r.processes = std::atoi(v);
    else if (key == "left")
      r.left = std::atoi(v);
    else if (key == "isolation")
      r.isolation = value == "-" ? "" : value;
    else if (key == "ended") {
      int which = 0;
      while (which < 4 && value != kEnded[which])
        ++which;
      if (which == 4)
        return false;
      r.ended = static_cast<Ended>(which);
    } else
      return false;
  }
  return seen == 12;
}
