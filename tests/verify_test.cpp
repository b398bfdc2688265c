// setter verify through the binary: the table, the verdicts as judges name them,
// the limits, programs as a setter has them, a package's own submissions, and
// hostile programs, of which nothing may outlive verify.
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "support/binary.h"
#include "support/files.h"
#include "support/judges.h"

namespace {

namespace fs = std::filesystem;

const char kPlan[] = "3 3\n3 2\n1 3\n0 1\n";

// A small test set by hand: the example as the sample, and two secret tests
// (the optimum at t = 3, and one island at t = 0).
std::string small_set() {
  const std::string dir = fresh_dir();
  const std::string example = bytes_of(EXAMPLES_DIR "/instance.txt");
  const struct {
    const char *base;
    std::string in, ans, total;
  } tests[] = {{"sample/1", example, kPlan, "8\n"}, {"secret/a", example, kPlan, "8\n"}, {"secret/b", "1 0 5 2\n", "0 0\n", "0\n"}};
  for (const auto &t : tests) {
    fs::create_directories(fs::path(dir + t.base).parent_path());
    std::ofstream(dir + t.base + ".in") << t.in;
    std::ofstream(dir + t.base + ".ans") << t.ans;
    std::ofstream(dir + t.base + ".total") << t.total;
  }
  return dir;
}

// A program from a shell script, in a file whose name holds mark, so that its
// processes can be found by name.
std::string script(const std::string &body, const std::string &mark = "prog") {
  const std::string path = fresh_dir() + mark + ".sh";
  std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
  chmod(path.c_str(), 0755);
  return path;
}

// A sleep no other run asks for, so that a run beside this one cannot pass for a
// survivor: "sleep 1000.PID0N".
std::string sleep_mark(int n) { return "sleep 1000." + std::to_string(getpid()) + "0" + std::to_string(n); }

// Whether some process's command line holds text.
bool running(const std::string &text) {
  for (const auto &entry : fs::directory_iterator("/proc")) {
    std::ifstream in(entry.path() / "cmdline", std::ios::binary);
    std::stringstream line;
    line << in.rdbuf();
    if (line.str().find(text) != std::string::npos && entry.path().filename() != std::to_string(getpid()))
      return true;
  }
  return false;
}

// The fields of the table's row for program, split at runs of spaces: the
// program, then the expectation (one or several words), then the counts.
std::string row_of(const std::string &table, const std::string &program) {
  const std::size_t at = table.find(program + " ");
  return at == std::string::npos ? "" : table.substr(at, table.find('\n', at) - at);
}

// The seven counts of a row: runs accepted, 0.3, WA, TLE, MLE, OLE, RTE.
std::vector<int> counts_of(const std::string &row, const std::string &expected) {
  std::istringstream in(row.substr(row.find(expected) + expected.size()));
  std::vector<int> counts(7);
  for (int &c : counts)
    in >> c;
  return counts;
}

const std::string kModel = SOLUTIONS_DIR "/model", kAlwaysZero = SOLUTIONS_DIR "/always_zero";

TEST(Verify, TheTableAndTheExpectations) {
  const std::string set = small_set();
  Ran r = run_setter("en", {"verify", set, "--accepted", kModel, "--wrong", kAlwaysZero, "--all-tests"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(counts_of(row_of(r.out, kModel), "accepted"), (std::vector<int>{3, 0, 0, 0, 0, 0, 0})) << r.out;
  EXPECT_EQ(counts_of(row_of(r.out, kAlwaysZero), "wrong answer"), (std::vector<int>{1, 2, 0, 0, 0, 0, 0})) << r.out;
  EXPECT_NE(r.out.find("sample/1: 0.3: The plan is the cheapest at its t, but the choice of t is not the best."),
            std::string::npos)
      << r.out;
  // The checker's messages in the language of reports.
  EXPECT_NE(run_setter("zh-TW", {"verify", set, kAlwaysZero})
                .out.find("sample/1: 0.3 分: 輸出的建設方案為該 t 值中的最小成本方案，但 t 值的選擇並非最佳。"),
            std::string::npos);
  EXPECT_EQ(r.out.find("NOT AS EXPECTED"), std::string::npos);
  // Without --all-tests, a program expected to fail stops at its first miss.
  r = run_setter("en", {"verify", set, "--wrong", kAlwaysZero});
  EXPECT_EQ(counts_of(row_of(r.out, kAlwaysZero), "wrong answer"), (std::vector<int>{0, 1, 0, 0, 0, 0, 0})) << r.out;

  Ran wrong = run_setter("en", {"verify", set, "--wrong", kModel, "--accepted", kAlwaysZero});
  EXPECT_EQ(wrong.status, 1);
  EXPECT_NE(wrong.out.find("NOT AS EXPECTED"), std::string::npos);
  // Only reported: no expectation to fail.
  EXPECT_EQ(run_program(kSetter, {"verify", set, kAlwaysZero}).status, 0);
  // Every run on a line of its own, with its time and memory.
  r = run_setter("en", {"verify", set, kModel, "--runs"});
  EXPECT_NE(r.out.find(kModel + " secret/b: accepted, "), std::string::npos) << r.out;
}

TEST(Verify, EveryLayoutOfTests) {
  const std::string set = small_set(), kattis = fresh_dir(), cms = fresh_dir();
  fs::create_directories(kattis + "data");
  fs::copy(set + "sample", kattis + "data/sample");
  fs::copy(set + "secret", kattis + "data/secret");
  fs::create_directories(cms + "input");
  fs::create_directories(cms + "output");
  int i = 0;
  for (const char *base : {"sample/1", "secret/a", "secret/b"}) {
    fs::copy_file(set + base + ".in", cms + "input/input" + std::to_string(i) + ".txt");
    fs::copy_file(set + base + ".total", cms + "output/output" + std::to_string(i++) + ".txt");
  }
  for (const std::string &dir : {set, kattis, cms}) {
    SCOPED_TRACE(dir);
    Ran r = run_program(kSetter, {"verify", dir, "--accepted", kModel});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
  }
}

// Verdicts as judges name them, for programs that crash, hang, hold memory, write
// without end or leave children behind; nothing they start survives.
TEST(Verify, HostileProgramsGetTheirVerdictAndLeaveNothingBehind) {
  const std::string set = small_set();
  const std::string sleeper = sleep_mark(1), escaper = sleep_mark(2), keeper = sleep_mark(3);
  const std::string hog = fresh_dir() + "hog.cpp";
  std::ofstream(hog) << "#include <cstdio>\n#include <cstdlib>\nint main() {\n"
                        "  const std::size_t n = std::size_t(3) << 30;\n"
                        "  char *p = static_cast<char *>(std::malloc(n));\n"
                        "  for (std::size_t i = 0; p && i < n; i += 4096) p[i] = 1;\n"
                        "  std::puts(\"0 0\");\n}\n";
  const struct {
    std::string program;
    const char *verdict;
  } cases[] = {
      {script("exit 3"), "run-time error (exit status 3)"},
      {script("kill -SEGV $$"), "run-time error (signal 11 SIGSEGV)"},
      {script("exec " + sleeper), "time limit exceeded"},
      {script("while :; do :; done"), "time limit exceeded"},
      {hog, "memory limit exceeded"},
      {script(std::string("printf '") + kPlan + "'; exec yes ''"), "output limit exceeded"},
      // A child that leaves the group and lets go of its streams, then the
      // program ends: judged on what it wrote, the child killed all the same.
      {script("setsid sh -c '" + escaper + "' < /dev/null > /dev/null 2>&1 &\nprintf '" + kPlan + "'"), "wrong answer"},
      // A child that keeps standard output open: judged once the program exits.
      {script(keeper + " &\nprintf '" + kPlan + "'"), "wrong answer"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.verdict);
    const auto start = std::chrono::steady_clock::now();
    Ran r = run_setter("en", {"verify", set, c.program, "--time-limit", "0.5", "--memory-limit", "256",
                              "--output-limit", "1"});
    EXPECT_EQ(r.status, 0) << r.err;
    // The plan is the sample's optimal one, and a wrong answer on the next test.
    const std::string where = std::string(c.verdict) == "wrong answer" ? "secret/b: " : "sample/1: ";
    EXPECT_NE(r.out.find(where + c.verdict), std::string::npos) << r.out << r.err;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
    for (const std::string &m : {sleeper, escaper, keeper})
      EXPECT_FALSE(running(m)) << m << " outlived verify";
  }
}

// What the run helper can hold runs in here, as it says.
std::string isolation() {
  return run_program(fs::path(kSetter).parent_path().string() + "/setter-run", {"--probe"}).out;
}

// A C++ source of a program, in a file of its own.
std::string source(const std::string &body, const std::string &mark = "prog") {
  const std::string path = fresh_dir() + mark + ".cpp";
  std::ofstream(path) << "#include <cstdio>\n#include <cstdlib>\n#include <cstring>\n#include <dirent.h>\n"
                         "#include <unistd.h>\n#include <sys/wait.h>\nint main() {\n"
                      << body << "\n}\n";
  return path;
}

// A program runs as in a judge's sandbox: only its own three descriptors, its
// own memory (none of verify's), the memory and the processes of its whole
// tree held to the limits, and nothing left behind.
TEST(Verify, RunsAsAJudgesSandbox) {
  const std::string set = small_set(), listing = fresh_dir() + "descriptors";
  // The descriptors it holds, but for the one its listing opens.
  Ran r = run_setter("en", {"verify", set, "--time-limit", "1",
                            source("DIR *d = opendir(\"/proc/self/fd\"); FILE *f = std::fopen(\"" + listing +
                                   "\", \"w\");\n  for (dirent *e; (e = readdir(d));)\n"
                                   "    if (e->d_name[0] != '.' && std::atoi(e->d_name) != dirfd(d)) "
                                   "std::fprintf(fileno(f) == std::atoi(e->d_name) ? stderr : f, \"%s\\n\", e->d_name);\n"
                                   "  std::fclose(f);\n  std::puts(\"0 0\");")});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(bytes_of(listing), "0\n1\n2\n");
  // Four children of 100 MiB each: the tree passes 256 MiB, though no process does.
  r = run_setter("en", {"verify", set, "--time-limit", "2", "--memory-limit", "256",
                        source("for (int i = 0; i < 4; ++i)\n    if (fork() == 0) {\n"
                               "      char *p = static_cast<char *>(std::malloc(100 << 20));\n"
                               "      std::memset(p, 1, 100 << 20);\n      sleep(10);\n      return p[7];\n    }\n"
                               "  while (wait(nullptr) > 0) {}\n  std::puts(\"0 0\");")});
  EXPECT_NE(r.out.find("sample/1: memory limit exceeded"), std::string::npos) << r.out << r.err;
  // 500 sleeping children: at most the cap of them, all gone at the end.
  const std::string sleeper = sleep_mark(4);
  r = run_setter("en", {"verify", set, "--time-limit", "0.5", "--process-limit", "20", "--runs",
                        source("for (int i = 0; i < 500; ++i)\n    if (fork() == 0) {\n"
                               "      execlp(\"sleep\", \"" + sleeper + "\", \"1000\", nullptr);\n      _exit(1);\n    }\n"
                               "  pause();")});
  EXPECT_NE(r.out.find("sample/1: time limit exceeded"), std::string::npos) << r.out << r.err;
  EXPECT_FALSE(running(sleeper));
  if (isolation().find("pids") != std::string::npos) {
    const std::size_t most = r.out.find(" processes at most");
    ASSERT_NE(most, std::string::npos) << r.out;
    EXPECT_LE(std::stoi(r.out.substr(r.out.rfind(' ', most - 1) + 1)), 20) << r.out;
  }
}

// verify's own memory is not a program's: after judging a large test in its
// own process, a small shell script is not charged for it.
TEST(Verify, AProgramIsNotChargedVerifysMemory) {
  const std::string set = small_set();
  Ran large = run_setter("en", {"generate", "random", "--n", "262144", "--m", "262144", "--seed", "9"});
  ASSERT_EQ(large.status, 0);
  std::ofstream(set + "sample/1.in") << large.out;
  ASSERT_EQ(run_setter("en", {"solve", set + "sample/1.in", "--plan", set + "sample/1.ans"}).status, 0);
  fs::remove(set + "sample/1.total");
  const std::string cat = script("exec cat " + set + "secret/a.ans");
  Ran r = run_setter("en", {"verify", set, cat, "--time-limit", "1", "--memory-limit", "12"});
  // Wrong on the large sample and on the one-island test, right on the example: never out of memory.
  EXPECT_EQ(counts_of(row_of(r.out, cat), "-"), (std::vector<int>{1, 0, 2, 0, 0, 0, 0})) << r.out << r.err;
}

// kill -9 of verify while a program and its setsid grandchild loop: the
// namespace's init dies with the helper, and the kernel ends everything in it;
// the janitor removes the work folder.
TEST(Verify, NothingOutlivesAKillOfVerify) {
  if (isolation().find("pid-namespace") == std::string::npos)
    GTEST_SKIP() << "no PID namespace here: an escaped process could outlive a kill -9";
  const std::string set = small_set(), temporary = fresh_dir();
  const std::string looper = "looper9_" + std::to_string(getpid()), child = sleep_mark(9);
  const std::string program = script("setsid sh -c '" + child + "' &\nwhile :; do :; done", looper);
  const std::vector<std::string> args = {kSetter, "verify", set, program, "--time-limit", "100"};
  std::vector<char *> argv;
  for (const std::string &a : args)
    argv.push_back(const_cast<char *>(a.c_str()));
  argv.push_back(nullptr);
  const std::string tmpdir = "TMPDIR=" + temporary;
  std::vector<char *> environment = {const_cast<char *>(tmpdir.c_str()), nullptr};
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid;
  ASSERT_EQ(posix_spawn(&pid, kSetter.c_str(), &files, nullptr, argv.data(), environment.data()), 0);
  posix_spawn_file_actions_destroy(&files);
  for (int i = 0; i < 1000 && !(running(looper) && running(child)); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(running(looper));
  EXPECT_FALSE(fs::is_empty(temporary)); // the work folder
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  // An outcome, not a time: the bound only keeps a failure from hanging the suite.
  for (int i = 0; i < 3000 && (running(looper) || running(child) || !fs::is_empty(temporary)); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(running(looper));
  EXPECT_FALSE(running(child));
  EXPECT_TRUE(fs::is_empty(temporary));
}

// Where no namespace or control group can be made (here: verify run as an
// unprivileged user), runs fall back to a process group, a subreaper and
// polling, as the header line says, and still leave nothing behind.
TEST(Verify, WithoutNamespacesNothingIsLeftEither) {
  if (geteuid() != 0 || std::system("command -v setpriv > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "needs root and setpriv, to run verify as another user";
  const std::string set = small_set(), escaper = sleep_mark(5), spinner = sleep_mark(6);
  const std::vector<std::string> programs = {
      script("setsid sh -c '" + escaper + "' < /dev/null > /dev/null 2>&1 &\nprintf '" + kPlan + "'"),
      script("setsid sh -c '" + spinner + "' < /dev/null > /dev/null 2>&1 &\nwhile :; do :; done")};
  for (const std::string &path : {set, set + "sample", set + "secret", fs::path(programs[0]).parent_path().string() + "/",
                                  fs::path(programs[1]).parent_path().string() + "/"})
    fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
  Ran r = run_program("/usr/bin/setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", kSetter, "verify", set,
                                           programs[0], programs[1], "--time-limit", "0.5", "--lang", "en"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("isolation: no PID namespace here: a process group, a subreaper and polling"), std::string::npos)
      << r.err;
  EXPECT_NE(r.out.find("secret/b: wrong answer"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("sample/1: time limit exceeded"), std::string::npos) << r.out;
  EXPECT_FALSE(running(escaper));
  EXPECT_FALSE(running(spinner));
}

// SIGINT, SIGTERM or SIGHUP to verify while a program loops: verify ends as the
// signal ends a process, and the program, and what it started, end with it.
TEST(Verify, AnInterruptEndsEveryProgram) {
  const std::string set = small_set();
  for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
    SCOPED_TRACE(signal);
    const std::string looper = "looper" + std::to_string(signal) + "_" + std::to_string(getpid());
    const std::string child = sleep_mark(10 + signal);
    const std::string program = script("setsid sh -c '" + child + "' &\nwhile :; do :; done", looper);
    std::vector<char *> argv;
    const std::vector<std::string> args = {kSetter, "verify", set, program, "--time-limit", "100"};
    for (const std::string &a : args)
      argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    // As from a terminal: whoever runs the tests may ignore these signals.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (const int s : {SIGINT, SIGTERM, SIGHUP})
      sigaddset(&defaults, s);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t pid;
    ASSERT_EQ(posix_spawn(&pid, kSetter.c_str(), &files, &attributes, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    for (int i = 0; i < 1000 && !(running(looper) && running(child)); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(running(looper));
    kill(pid, signal);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_FALSE(running(looper));
    EXPECT_FALSE(running(child));
  }
}

// Sources compiled as judges compile them, bare names in the current folder,
// and a source that does not compile.
TEST(Verify, ProgramsAsASetterHasThem) {
  const std::string set = small_set();
  Ran r = run_setter("en", {"verify", set, "--accepted", SOLUTIONS_SOURCE_DIR "/accepted/model.cpp"});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  const std::string folder = fresh_dir();
  fs::copy_file(kModel, folder + "model");
  r = run_program("/bin/sh", {"-c", "cd " + folder + " && " + kSetter + " verify " + set + " --accepted model"});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  const std::string broken = fresh_dir() + "broken.cpp";
  std::ofstream(broken) << "int main() { return }\n";
  r = run_setter("en", {"verify", set, broken});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("broken.cpp: does not compile with g++:"), std::string::npos) << r.err;
}

// With no program, a package's own submissions run, each folder's verdict
// expected; the package's time limit holds.
TEST(Verify, APackagesOwnSubmissions) {
  const std::string set = small_set(), package = fresh_dir();
  fs::create_directories(package + "data");
  fs::copy(set + "sample", package + "data/sample");
  fs::copy(set + "secret", package + "data/secret");
  std::ofstream(package + ".timelimit") << "1\n";
  fs::create_directories(package + "submissions/accepted");
  fs::create_directories(package + "submissions/wrong_answer");
  fs::create_directories(package + "submissions/time_limit_exceeded");
  fs::copy_file(SOLUTIONS_SOURCE_DIR "/accepted/model.cpp", package + "submissions/accepted/model.cpp");
  fs::copy_file(SOLUTIONS_SOURCE_DIR "/wrong_answer/always_zero.cpp", package + "submissions/wrong_answer/zero.cpp");
  std::ofstream(package + "submissions/time_limit_exceeded/slow.sh") << "#!/bin/sh\nwhile :; do :; done\n";
  chmod((package + "submissions/time_limit_exceeded/slow.sh").c_str(), 0755);
  Ran r = run_setter("en", {"verify", package});
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  EXPECT_NE(r.err.find("time limit 1 s (" + package + ".timelimit)"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find(" CPU, killed at 2.00 s on the wall clock)"), std::string::npos) << r.out;
  // Filed under the wrong verdict: the mismatch fails verify.
  fs::rename(package + "submissions/wrong_answer/zero.cpp", package + "submissions/accepted/zero.cpp");
  r = run_setter("en", {"verify", package});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("NOT AS EXPECTED"), std::string::npos) << r.out;
}

// Points print as a judge shows them: 0.3 of 12 is 3.6, not 3.5999999999999996.
TEST(Verify, PointsPrintRounded) {
  const std::string set = small_set();
  std::ofstream(set + "subtasks.txt") << "12 tiny --n 1..4\n88 all\n";
  Ran r = run_setter("en", {"verify", set, kAlwaysZero, "--time-limit", "1"});
  EXPECT_EQ(r.status, 0) << r.err;
  std::istringstream row(r.out.substr(r.out.rfind(kAlwaysZero)));
  std::string program, tiny, all, total;
  row >> program >> tiny >> all >> total;
  EXPECT_EQ(tiny, "3.6") << r.out;
  EXPECT_EQ(all, "26.4") << r.out;
  EXPECT_EQ(total, "30") << r.out;
}

TEST(Verify, BrokenCalls) {
  const std::string set = small_set();
  const struct {
    const char *name;
    std::vector<std::string> args;
    int status;
    const char *says;
  } cases[] = {
      {"missing program", {"verify", set, "/nonexistent/solution"}, 2, "not a program to run"},
      {"missing bare name", {"verify", set, "no-such-program-here"}, 2, "no program by that name here or on the PATH"},
      {"no program", {"verify", set}, 2, "no PROGRAM given"},
      {"the set after the program", {"verify", "--accepted", kModel, set}, 2, "DIR comes first"},
      {"not a test set", {"verify", fresh_dir(), kModel}, 1, "no tests in the folder: no NAME.in, no sample/ or secret/"},
      {"bad time limit", {"verify", set, kModel, "--time-limit", "-1"}, 2, "--time-limit"},
      {"bad memory limit", {"verify", set, kModel, "--memory-limit", "x"}, 2, "--memory-limit"},
      {"time limit without a value", {"verify", set, kModel, "--time-limit"}, 2, "--time-limit needs a value"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    Ran r = run_setter("en", c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
  }
  const std::string empty = fresh_dir();
  EXPECT_EQ(run_setter("zh-TW", {"verify", empty, kModel}).err,
            "setter verify: " + empty + ": 資料夾中沒有測資：沒有 NAME.in、sample/ 或 secret/、Kattis 的 data/ 或 CMS 的 input/\n");
}

} // namespace
