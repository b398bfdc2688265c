// phases DIR [benchmark flags]: times each phase of one run in-process on
// DIR/instance.txt, answer.txt and plan.txt (as bench/run.sh writes them), so a
// change to one phase can be measured apart from the noise of whole runs.
#include <benchmark/benchmark.h>
#include <cstdio>
#include <numeric>
#include <string>
#include <string_view>

#include "graph/mst.h"
#include "instance/loader.h"
#include "reader/reader.h"
#include "instance/tables.h"
#include "judge/judgement.h"
#include "judge/outcome.h"

namespace {

std::string dir;
double reference = 0; // the answer file's, so that the optimal plan takes the common path

struct Ended {};

void load() {
  instance_reset();
  input_bind((dir + "/instance.txt").c_str());
  if (load_instance().kind != LoadDefect::none)
    std::abort();
}

std::int32_t plan_header(std::int32_t &k) {
  input_bind((dir + "/plan.txt").c_str());
  std::int32_t t;
  read_int(t);
  read_int(k);
  return t;
}

void BM_Load(benchmark::State &state) {
  for (auto _ : state)
    load();
}

void BM_MinimumTotal(benchmark::State &state) {
  load();
  std::int32_t k, t = plan_header(k);
  for (auto _ : state) {
    std::iota(edges.begin(), edges.end(), 0); // as the loader leaves them, as in a run
    benchmark::DoNotOptimize(mst(t));
  }
}

// The plan lines with their connectivity joins, then mst and the comparisons. A
// judgement lends the registry's table to the sort, so each one needs a fresh load.
void BM_JudgePlan(benchmark::State &state) {
  for (auto _ : state) {
    state.PauseTiming();
    load();
    std::int32_t k, t = plan_header(k);
    state.ResumeTiming();
    try {
      judge_plan(t, k, reference, "answer.txt");
    } catch (const Ended &) {
    }
  }
}

BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MinimumTotal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JudgePlan)->Unit(benchmark::kMillisecond);

} // namespace

void end_run(const Outcome &) { throw Ended{}; }

int main(int argc, char **argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: phases DIR [benchmark flags]\n");
    return 2;
  }
  dir = argv[1];
  input_bind((dir + "/answer.txt").c_str());
  read_real(reference);
  argv[1] = argv[0];
  benchmark::Initialize(&--argc, argv + 1);
  benchmark::RunSpecifiedBenchmarks();
}
