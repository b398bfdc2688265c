#include "instance/loader.h"

#include <gtest/gtest.h>

#include "instance/registry.h"
#include "instance/tables.h"
#include "support/files.h"
#include "support/tables.h"

namespace {

class Loader : public ::testing::Test {
protected:
  void SetUp() override { reset_all(); }

  std::string load(const std::string &text) {
    bind_text(text);
    return load_defect_text(load_instance());
  }
};

TEST_F(Loader, FillsTablesAndRegistry) {
  ASSERT_EQ(load("8 4 5 1.5\n3 7 -2.5 -0.25\n7 3 4 1\n2 2 0 0\n0 1 1e3 0x1p-2 trailing junk"), "");
  EXPECT_EQ(N, 8);
  EXPECT_EQ(M, 4);
  EXPECT_EQ(T, 5);
  EXPECT_EQ(X, 1.5);
  EXPECT_EQ(es[0], 3);
  EXPECT_EQ(et[1], 3);
  EXPECT_EQ(ec[0], -2.5);
  EXPECT_EQ(er[0], -0.25);
  EXPECT_EQ(ec[3], 1000.0);
  EXPECT_EQ(er[3], 0.25);
  EXPECT_TRUE(edges.empty()) << "every portal, without a list of them";
  EXPECT_EQ(find_edge(3, 7), 1); // the later record of the pair
  EXPECT_EQ(find_edge(2, 2), 2);
}

TEST_F(Loader, NegativeCountsAndFullCapacityAreSound) {
  EXPECT_EQ(load("-3 -1 -7 2"), "");
  EXPECT_TRUE(edges.empty());
  reset_all();
  std::string text = "262144 262144 1 1\n";
  for (int i = 0; i < 262144; ++i)
    text += std::to_string(i) + " " + std::to_string((i + 1) % 262144) + " 1 0\n";
  EXPECT_EQ(load(text), "");
  EXPECT_EQ(find_edge(262143, 0), 262143);
}

TEST_F(Loader, FirstDefectIsDescribed) {
  struct {
    std::string text, error;
  } cases[] = {
      {"", "題目檔在讀到開頭的 N 之前就結束了"},
      {"4", "題目檔在讀到開頭的 M 之前就結束了"},
      {"4 x", "題目檔開頭的 M 不是數字"},
      {"262145 1 1 1", "題目檔開頭的 N = 262145 超過上限 262144"},
      {"4 262145 1 1", "題目檔開頭的 M = 262145 超過上限 262144"},
      {"4 1 2147483648 1", "題目檔開頭的 T 超出 32 位元整數範圍"},
      {"4 1 1 inf", "題目檔開頭的 X 不是有限數（inf）"},
      {"4 1 1 1e999", "題目檔開頭的 X 不是有限數（inf）"},
      {"4 1 1 nan", "題目檔開頭的 X 不是有限數（nan）"},
      {"4 2 1 1\n0 1 1 1\n", "題目檔在讀到第 2 筆傳送門資料的 es 之前就結束了"},
      {"4 2 1 1\n0 1 1 1\n1 2 3", "題目檔在讀到第 2 筆傳送門資料的 er 之前就結束了"},
      {"4 1 1 1\n0 1 1 x", "題目檔第 1 筆傳送門資料的 er 不是數字"},
      {"4 1 1 1\n0 1, 1 1", "題目檔第 1 筆傳送門資料的 ec 不是數字"},
      {"4 1 1 1\n0 4 1 1", "題目檔第 1 筆傳送門資料的 et = 4 不是 0 到 N-1 的島嶼編號（N = 4）"},
      {"4 1 1 1\n-1 x", "題目檔第 1 筆傳送門資料的 es = -1 不是 0 到 N-1 的島嶼編號（N = 4）"},
      {"0 1 1 1\n0 0 1 1", "題目檔第 1 筆傳送門資料的 es = 0 不是 0 到 N-1 的島嶼編號（N = 0）"},
      {"4 1 1 1\n0 1 -inf 1", "題目檔第 1 筆傳送門資料的 ec 不是有限數（-inf）"},
      {"4 1 1 1\n0 1 1 NAN", "題目檔第 1 筆傳送門資料的 er 不是有限數（nan）"},
  };

  for (const auto &c : cases) {
    SCOPED_TRACE(c.text);
    reset_all();
    EXPECT_EQ(load(c.text), c.error);
  }
}

} // namespace
