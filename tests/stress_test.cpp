// Largest and most hostile inputs, generated at test time, through the binary.
#include <atomic>
#include <csignal>
#include <fcntl.h>
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

// Instance text: n islands, T = 0, X = 0, the portals from portal(i, a, b, cost).
template <class Portal> std::string instance(int n, int m, Portal portal) {
  std::string text = std::to_string(n) + " " + std::to_string(m) + " 0 0\n";
  for (int i = 0; i < m; ++i) {
    int a, b;
    long cost;
    portal(i, a, b, cost);
    text += std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(cost) + " 0\n";
  }
  return text;
}

// Portals (i, i+1) at cost i, then (0, n-1) dearest: Kruskal joins them into a
// parent chain of n-1 links, which the last portal's find walks end to end.
std::string chain_instance() {
  return instance(kMax, kMax, [](int i, int &a, int &b, long &cost) {
    a = i + 1 < kMax ? i : 0;
    b = i + 1 < kMax ? i + 1 : kMax - 1;
    cost = i + 1 < kMax ? i : 1L << 40;
  });
}

std::string chain_answer() { return std::to_string(long(kMax - 1) * (kMax - 2) / 2); }

std::string chain_plan(const std::string &k, int lines) {
  std::string text = "0 " + k + "\n";
  for (int i = 0; i < lines; ++i)
    text += std::to_string(i + 1) + " " + std::to_string(i) + "\n";
  return text;
}

struct Expected {
  std::string out;
  const char *err;
};

void expect_verdict(const std::string &inst, const std::string &ans, const std::string &plan,
                    const Expected &e) {
  Outcome o = run_binary({temp_file(inst), temp_file(ans), temp_file(plan)});
  EXPECT_EQ(o.status, 0);
  EXPECT_EQ(o.out, e.out);
  EXPECT_EQ(o.err, e.err);
}

const Expected kOptimal{"1.000000\n", message::optimal};
const Expected kFormat{"0.000000\n", message::bad_format};
const Expected kRepeated{"0.000000\n", message::repeated_portal};

TEST(Stress, LongestParentChain) {
  expect_verdict(chain_instance(), chain_answer(), chain_plan("262143", kMax - 1), kOptimal);
}

TEST(Stress, HugeKWithValidLinesUntilTheEnd) {
  expect_verdict(chain_instance(), chain_answer(), chain_plan("2147483647", kMax - 1), kFormat);
}

TEST(Stress, EveryPortalNamedThenARepeat) {
  std::string plan = chain_plan("262145", kMax - 1) + std::to_string(kMax - 1) + " 0\n0 " +
                     std::to_string(kMax - 1) + "\n";
  expect_verdict(chain_instance(), chain_answer(), plan, kRepeated);
}

TEST(Stress, EveryPortalJoinsTheSamePair) {
  // Costs fall along the file, so the last portal, the one a plan can name, is cheapest.
  std::string inst = instance(2, kMax, [](int i, int &a, int &b, long &cost) {
    a = i % 2;
    b = 1 - i % 2;
    cost = kMax - i;
  });
  expect_verdict(inst, "1", "0 1 0 1", kOptimal);
  expect_verdict(inst, "1", "0 2 0 1 1 0", kRepeated);
}

TEST(Stress, EveryPortalALoop) {
  std::string inst = instance(2, kMax, [](int i, int &a, int &b, long &cost) {
    a = b = i % 2;
    cost = -i;
  });
  expect_verdict(inst, "0", "0 1 0 1", {"0.000000\n", message::invalid_portal});
  expect_verdict(inst, "0", "0 2 0 0 1 1", {"0.000000\n", message::not_connected});
}

TEST(Stress, TenMegabyteTokensInBoundedMemory) {
  const std::string inst = temp_file("2 1 5 0\n0 1 1 0\n"), ans = temp_file("1");
  Outcome small = run_binary({inst, ans, temp_file("0 1 0 1")});
  // Written without holding them here: a child starts as a copy of this process,
  // and its peak memory counts that copy.
  const std::size_t ten = 10 << 20;
  const std::pair<std::string, const char *> cases[] = {
      {temp_file_filled("0 ", '7', ten, ""), message::bad_format},      // k beyond 32 bits
      {temp_file_filled("0 1 0 1", '7', ten, ""), message::bad_format}, // island beyond 32 bits
      {temp_file_filled("", '0', ten, "6 1 0 1"), message::t_out_of_range},
      {temp_file_filled("0 1 1 ", '0', ten, "0"), message::optimal},
  };
  for (const auto &[plan, err] : cases) {
    Outcome o = run_binary({inst, ans, plan});
    EXPECT_EQ(o.err, err);
    EXPECT_LT(o.peak_kib, small.peak_kib + 1024) << "memory grew with the token";
  }
}

TEST(Stress, BinaryBytesInThePlan) {
  const char *inst = "4 5 3 2\n0 1 10 2\n1 2 8 1\n2 3 6 3\n0 3 9 0.5\n1 3 7 2\n";
  std::string bytes;
  for (int i = 0; i < 4096; ++i)
    bytes += static_cast<char>(i % 2 ? 0x80 + i % 128 : 0);
  expect_verdict(inst, "8", bytes, kFormat);
  expect_verdict(inst, "8", "3 3 3 2 1 3 0 1" + bytes, kOptimal);
  expect_verdict(inst, "8", "3 3 3 2 1 3" + bytes, kFormat);
}

TEST(Stress, TwoGigabytesOfWhiteSpaceThroughAPipe) {
  const std::string inst = chain_instance(), ans = chain_answer();
  Outcome small = run_binary({temp_file(inst), temp_file(ans), temp_file("0 262143 ")});
  ASSERT_EQ(small.err, message::bad_format);

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
  Outcome o = run_binary({temp_file(inst), temp_file(ans), fifo});
  writer.join();
  unlink(fifo.c_str());
  EXPECT_EQ(written.load(), 2048L << 20) << "the checker stopped reading early";
  EXPECT_EQ(o.out, "0.000000\n");
  EXPECT_EQ(o.err, message::bad_format);
  EXPECT_LT(o.peak_kib, small.peak_kib + 1024) << "memory grew with the plan";
}

} // namespace
