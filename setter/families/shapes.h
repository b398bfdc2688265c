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

// Pairs of islands whose keys, smaller island · N (or · 2^32, key_shift) plus
// the larger, all fall into a few buckets of a hash table of shape.buckets
// buckets: a forest of them joins nearly every island, the rest of M collides
// too. Each portal is written with its smaller island first.
std::string hash_attack(const Shape &s, Random &r, std::vector<Record> &out);

// A connected graph of distinct costs at one shared rate, its portals sorted by
// cost (family "sorted"), reverse-sorted, or organ-pipe.
std::string sorted_order(const Shape &s, Random &r, std::vector<Record> &out);

// Each island joined to two earlier ones at costs 10^-6 apart, the dearer listed
// first, one shared rate: an epsilon comparison takes the dearer.
std::string micro_gaps(const Shape &s, Random &r, std::vector<Record> &out);

// A tree of rates with six decimals, and X set so that the least total at T
// minus that at 0 is exactly shape.gap: a rate read short of its sixth decimal
// picks the other end.
std::string sixth_decimal(Shape &s, Random &r, std::vector<Record> &out);

// Every portal at the dearest cost at T (X >= 0) or the cheapest (X < 0): the
// least totals at both ends as large in size as the ranges allow.
std::string extreme_totals(Shape &s, Random &r, std::vector<Record> &out);
