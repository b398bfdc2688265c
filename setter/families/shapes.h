// Families for the shapes that slow or careless solutions fail on, each in a file
// of its own; build_family() dispatches to them.
#pragma once
#include <string>
#include <vector>

#include "setter/families/families.h"

// Island 0 joined to every other island, its portals dearer as the other island's
// number grows, at one shared rate, each written either way round; the rest of M
// dearer still, between other islands. A union-find without path compression or
// union by size walks an ever longer chain from island 0.
std::string star(const Shape &s, Random &r, std::vector<Record> &out);

// A random connected graph whose costs, rates and X reach the ends of their ranges
// often: a quarter of the values sit at an end or one step inside it.
std::string extremes(const Shape &s, Random &r, std::vector<Record> &out);

// The least totals at t = 0 and t = T differ by exactly shape.gap: two groups of
// islands joined inside at whole costs and rate 0, and two portals between them,
// the cheaper at t = 0 and at T in turn; sets X.
std::string near_tie(Shape &s, Random &r, std::vector<Record> &out);

// Every island but the first joined to the tree twice, by a cheaper portal and,
// listed before it, a dearer one whose cost rounds to the same single-precision
// value: a solution that keeps costs in float cannot tell them apart.
std::string close_costs(const Shape &s, Random &r, std::vector<Record> &out);
