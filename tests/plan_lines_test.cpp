#include "judge/plan_lines.h"

#include <gtest/gtest.h>
#include <string>

#include "graph/connect.h"
#include "graph/mst.h"
#include "instance/registry.h"
#include "instance/tables.h"
#include "judge/verdict.h"
#include "support/files.h"
#include "support/tables.h"

namespace {

// A chain of 1000 islands, portal i joining i and i + 1, registered.
void chain_instance() {
  set_instance(1000, {}, 0.5);
  registry_expect(999);
  for (M = 0; M < 999; ++M) {
    es[M] = M;
    et[M] = M + 1;
    ec[M] = M / 4.0;
    er[M] = M % 3 / 8.0;
    add_edge(es[M], et[M], M);
  }
}

// The chain's portal lines in order, every other one written the other way round,
// with line number `at` (1-based) replaced by `replacement` when given.
std::string plan_text(std::int32_t lines, std::int32_t at = 0, const std::string &replacement = "") {
  std::string text;
  for (std::int32_t i = 0; i < lines; ++i)
    if (i + 1 == at)
      text += replacement + "\n";
    else
      text += i % 2 ? std::to_string(i + 1) + " " + std::to_string(i) + "\n"
                    : std::to_string(i) + " " + std::to_string(i + 1) + "\n";
  return text;
}

// Lines are read in batches: defects on either side of a batch's end are met in
// reading order, each at its own line.
TEST(PlanLines, FirstDefectInReadingOrderAcrossBatches) {
  const struct {
    const char *name;
    std::int32_t k;
    std::string plan;
    const Message *message; // null: none
    std::int64_t line;
    bool has_pair;
    std::int32_t u, v;
  } cases[] = {
      {"whole chain", 999, plan_text(999), nullptr, 0, false, 0, 0},
      {"invalid on the first line", 999, plan_text(999, 1, "5 900"), &message::invalid_portal, 1, true, 5, 900},
      {"invalid ending a batch", 999, plan_text(999, 256, "5 900"), &message::invalid_portal, 256, true, 5, 900},
      {"invalid starting a batch", 999, plan_text(999, 257, "900 5"), &message::invalid_portal, 257, true, 900, 5},
      {"invalid on the last line", 999, plan_text(999, 999, "-1 0"), &message::invalid_portal, 999, true, -1, 0},
      {"repeat of line 1, reversed", 999, plan_text(999, 513, "1 0"), &message::repeated_portal, 513, true, 1, 0},
      {"format error starting a batch", 999, plan_text(999, 257, "x 3"), &message::bad_format, 257, false, 0, 0},
      {"format error ending a batch", 999, plan_text(999, 512, "3 -"), &message::bad_format, 512, false, 0, 0},
      // Line breaks carry no meaning: a lone number takes the next line's first.
      {"a pair across a line break", 999, plan_text(999, 512, "3"), &message::invalid_portal, 512, true, 3, 512},
      {"the earlier of two defects", 999, plan_text(300, 200, "0 2") + "x\n", &message::invalid_portal, 200, true, 0,
       2},
      {"file ends early", 999, plan_text(600), &message::bad_format, 601, false, 0, 0},
      {"lines past k unread", 256, plan_text(256) + "x\n", nullptr, 0, false, 0, 0},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.name);
    chain_instance();
    bind_text(c.plan);
    connect_start();
    double total = 3 * X;
    const LineDefect d = read_plan_lines(c.k, 3, total);
    EXPECT_EQ(d.message, c.message);
    EXPECT_EQ(d.line, c.line);
    EXPECT_EQ(d.has_pair, c.has_pair);
    if (c.has_pair) {
      EXPECT_EQ(d.u, c.u);
      EXPECT_EQ(d.v, c.v);
    }
    if (!c.message) { // priced in reading order, and joined
      double expected = 3 * X;
      for (std::int32_t i = 0; i < c.k; ++i)
        expected += cost_at(i, 3);
      EXPECT_EQ(total, expected);
      EXPECT_EQ(connected(), c.k == 999);
    }
  }
}

} // namespace
