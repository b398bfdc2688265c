// Sets the instance tables directly, for tests of the graph functions.
#pragma once
#include <gtest/gtest.h>
#include <initializer_list>

#include "instance/tables.h"
#include "support/run_capture.h"

struct Portal {
  std::int32_t s, t;
  double c, r;
};

class GraphTest : public ::testing::Test {
protected:
  void SetUp() override { reset_all(); }

  static void set_instance(std::int32_t n, std::initializer_list<Portal> portals, double x = 0) {
    N = n;
    X = x;
    M = 0;
    for (const Portal &p : portals) {
      es[M] = p.s;
      et[M] = p.t;
      ec[M] = p.c;
      er[M] = p.r;
      edges.push_back(M++);
    }
  }
};
