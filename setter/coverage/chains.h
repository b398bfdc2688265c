// The union-find chains that Kruskal builds when finds do not compress paths and
// unions ignore the sizes of the sets: what a careless solution walks.
#pragma once
#include <cstdint>

// Which root a union puts under the other.
enum class LinkRule {
  first_under_second,   // the root of the portal's first end under that of its second
  second_under_first,   // the root of the second end under that of the first
  smaller_under_larger, // the smaller-numbered root under the larger-numbered
  larger_under_smaller, // the larger-numbered root under the smaller-numbered
};
inline constexpr LinkRule kLinkRules[] = {LinkRule::first_under_second, LinkRule::second_under_first,
                                          LinkRule::smaller_under_larger, LinkRule::larger_under_smaller};

struct ChainFacts {
  std::int64_t longest = 0; // the longest parent chain in the forest, in links
  std::int64_t walked = 0;  // links walked by the two finds of every portal
};

// Kruskal over every portal of the loaded instance at t, in ascending cost at t
// (ties in file order), with finds that do not compress and unions by rule.
ChainFacts naive_kruskal(std::int32_t t, LinkRule rule);
