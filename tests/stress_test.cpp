// Largest and most hostile inputs, generated at test time, through the binary.
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "judge/verdict.h"
#include "support/binary.h"
#include "support/files.h"

namespace {

constexpr int kMax = 262144;

// How far a run's peak resident memory may rise above a short run's. Holding a
// 10 MB token or the 2 GB plan would add at least 10 MiB. Under the sanitizers the
// allocator alone moves the peak by over a mebibyte from run to run, so the bound
// there is wider, yet still well below what holding the data would add.
#ifdef CHECKER_SANITIZED
constexpr long kGrowthKib = 4 * 1024;
#else
constexpr long kGrowthKib = 1024;
#endif

// The one generator: kMax portals from portal(i) = {a, b, cost} on n islands, T = X = 0.
std::string instance(int n, const std::function<std::array<long, 3>(int)> &portal) {
  std::string text = std::to_string(n) + " " + std::to_string(kMax) + " 0 0\n";
  for (int i = 0; i < kMax; ++i) {
    auto [a, b, cost] = portal(i);
    text += std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(cost) + " 0\n";
  }
  return text;
}

// Portals (i, i+1) at cost i, then (0, n-1) dearest: Kruskal joins them into a
// parent chain of kMax-1 links, which the last portal's find walks end to end.
const std::string kChain = instance(kMax, [](int i) -> std::array<long, 3> {
  return i + 1 < kMax ? std::array<long, 3>{i, i + 1, i}
                      : std::array<long, 3>{0, kMax - 1, 1L << 40};
});
const std::string kChainAnswer = std::to_string(long(kMax - 1) * (kMax - 2) / 2);

std::string chain_plan(const std::string &k, const std::string &tail = "") {
  std::string text = "0 " + k + "\n";
  for (int i = 0; i + 1 < kMax; ++i)
    text += std::to_string(i + 1) + " " + std::to_string(i) + "\n";
  return text + tail;
}

TEST(Stress, LargestInstances) {
  const std::string same_pair = instance(2, [](int i) -> std::array<long, 3> {
    return {i % 2, 1 - i % 2, kMax - i}; // the last, the one a plan can name, is cheapest
  });
  const std::string loops = instance(2, [](int i) -> std::array<long, 3> {
    return {i % 2, i % 2, -i};
  });
  const std::string last = std::to_string(kMax - 1);

  struct {
    const char *name;
    const std::string &inst, answer, plan;
    const char *err;
  } cases[] = {
      {"longest parent chain", kChain, kChainAnswer, chain_plan(last), message::optimal.text},
      {"huge k, valid lines to the end", kChain, kChainAnswer, chain_plan("2147483647"),
       message::bad_format.text},
      {"every portal, then a repeat", kChain, kChainAnswer,
       chain_plan("262145", last + " 0\n0 " + last + "\n"), message::repeated_portal.text},
      {"every portal on one pair", same_pair, "1", "0 1 0 1", message::optimal.text},
      {"every portal on one pair, twice", same_pair, "1", "0 2 0 1 1 0", message::repeated_portal.text},
      {"every portal a loop", loops, "0", "0 1 0 1", message::invalid_portal.text},
      {"loops connect nothing", loops, "0", "0 2 0 0 1 1", message::not_connected.text},
  };

  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    Ran o = run_binary({temp_file(c.inst), temp_file(c.answer), temp_file(c.plan)});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, c.err == message::optimal.text ? "1.000000\n" : "0.000000\n");
    EXPECT_EQ(o.err, c.err);
  }
}

// A jury plan far longer than the reader's buffer: read whole, its claims withdrawn
// before the contestant names the same portals, and a defect on its last line
// located there.
TEST(Stress, LargestJuryPlans) {
  const std::string inst = temp_file(kChain), last = std::to_string(kMax - 1);
  const std::string jury = temp_file(chain_plan(last)), contestant = temp_file(chain_plan(last));
  Ran ok = run_program(kCheckerTestlib, {inst, contestant, jury});
  EXPECT_EQ(ok.status, 0);
  EXPECT_EQ(ok.err, std::string("ok ") + message::optimal.text + "\n");

  std::string broken_text = chain_plan(last);
  broken_text.replace(broken_text.rfind('\n', broken_text.size() - 2) + 1, std::string::npos, "0 2\n");
  const std::string broken = temp_file(broken_text);
  Ran failed = run_program(kCheckerTestlib, {inst, contestant, broken});
  EXPECT_EQ(failed.status, 3);
  EXPECT_EQ(failed.err, "FAIL 評測資料錯誤：答案檔第 " + std::to_string(kMax) + " 行：方案的第 " + last +
                            " 條傳送門 0 2 不是任何傳送門的兩端，答案檔有誤：" + broken + "\n");
}

TEST(Stress, TenMegabyteTokensInBoundedMemory) {
  const std::string inst = temp_file("2 1 5 0\n0 1 1 0\n"), ans = temp_file("1");
  Ran small = run_binary({inst, ans, temp_file("0 1 0 1")});
  // Written without holding them here: a child starts as a copy of this process,
  // and its peak memory counts that copy.
  const std::size_t ten = 10 << 20;
  const std::pair<std::string, const char *> cases[] = {
      {temp_file_filled("0 ", '7', ten, ""), message::bad_format.text},      // k beyond 32 bits
      {temp_file_filled("0 1 0 1", '7', ten, ""), message::bad_format.text}, // island beyond 32 bits
      {temp_file_filled("", '0', ten, "6 1 0 1"), message::t_out_of_range.text},
      {temp_file_filled("0 1 1 ", '0', ten, "0"), message::optimal.text},
  };
  for (const auto &[plan, err] : cases) {
    Ran o = run_binary({inst, ans, plan});
    EXPECT_EQ(o.err, err);
    EXPECT_LT(o.peak_kib, small.peak_kib + kGrowthKib) << "memory grew with the token";
  }
}

TEST(Stress, TwoGigabytesOfWhiteSpaceThroughAPipe) {
  const std::string inst = temp_file(kChain), ans = temp_file(kChainAnswer);
  Ran small = run_binary({inst, ans, temp_file("0 262143 ")});
  ASSERT_EQ(small.err, message::bad_format.text);

  std::string fifo = temp_file("");
  unlink(fifo.c_str());
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::signal(SIGPIPE, SIG_IGN); // a checker that quits early fails the test, not kills it
  std::atomic<long> written{0};
  std::thread writer([&] {
    int fd = open(fifo.c_str(), O_WRONLY);
    const std::string header = "0 262143\n", spaces(1 << 20, ' ');
    bool ok = write(fd, header.data(), header.size()) == static_cast<ssize_t>(header.size());
    for (int i = 0; ok && i < 2048; ++i) { // 2 GiB
      ssize_t n = write(fd, spaces.data(), spaces.size());
      ok = n > 0;
      written += ok ? n : 0;
    }
    close(fd);
  });
  Ran o = run_binary({inst, ans, fifo});
  writer.join();
  unlink(fifo.c_str());
  EXPECT_EQ(written.load(), 2048L << 20) << "the checker stopped reading early";
  EXPECT_EQ(o.out, "0.000000\n");
  EXPECT_EQ(o.err, message::bad_format.text);
  EXPECT_LT(o.peak_kib, small.peak_kib + kGrowthKib) << "memory grew with the plan";
}

} // namespace
