// setter generate FAMILY [options]: one instance in the canonical layout on
// standard output, the same bytes for the same options everywhere.
#include <cstdio>
#include <string>
#include <vector>

#include "files/output_file.h"
#include "setter/commands/commands.h"
#include "setter/language/language.h"
#include "setter/families/generator.h"

namespace {

constexpr char kHelp[] = R"(usage: setter generate FAMILY [--n N] [--m M] [--t T] [--x X] [--seed S]
                       [--ec LO..HI] [--er LO..HI] [--ec-decimals D] [--er-decimals D]
                       [--gap G] [--key times-n|shift-32] [--buckets P]
                       [--mirror] [--flip] [--checker-limits] [-o FILE]

Writes one instance in the canonical layout to standard output, or with -o
FILE to FILE, which appears only when the whole instance is written (a failed
run leaves no file behind). The same arguments give the same bytes on every
platform. Options take their value after a space or an "=". Every instance admits an
optimal plan and passes "setter validate"; one that would break the statement's
bounds (T above 10^6, say) is refused unless --checker-limits is given.

Families:
  random      a random spanning tree and random further portals, no pair twice
  chain       portals (i, i+1), cheapest first at every t: Kruskal builds the
              longest parent chain, and the portal (0, N-1) then walks it
  duplicates  pairs joined several times, the later portal sometimes the dearer,
              yet the least total the same with the portals a plan can name
  dear-copies a cheap tree whose every pair is joined again, earlier, by a dear
              portal, and middling portals elsewhere: pricing a pair by its
              earlier portal leads to a dearer plan (needs N >= 3)
  loops       a connected graph, the rest of M loops (both ends one island)
  negative    random, with negative costs and rates (default --ec -1000..1000,
              --er -10..10)
  best-at-0   the optimum at t = 0 by at least T*X (needs --er HI <= 0, X > 0)
  best-at-T   the optimum at t = T (needs --er LO > 0, X < (N-1) * LO)
  ties        three costs in all and one rate: many portals equal at every t
  peak-late   the least total rises with t, then falls below its value at 0
              late (75..90% of T): the optimum at T, where a search that takes
              the total for convex never looks (needs N >= 3, M >= N, T >= 8,
              X > 0; sets its own rates; dearer portals exceed --ec)
  peak-early  the same, the fall early (10..25% of T) and the optimum at 0
  x-decides   one rate for every portal, and X set against it: the costs alone
              favour one end, t*X makes the other the optimum (sets X itself)
  star        island 0 joined to every other, dearer as the other's number
              grows, either way round: a union-find without path compression
              or union by size walks ever longer chains (needs N distinct
              costs in --ec, or, at one rate each, distinct costs at T: a
              wider --er, a larger --t; chain alike)
  extremes    random, with costs, rates and X at the ends of their ranges and
              one step inside them, all with six decimals (default T 10^6,
              X 10^6, --ec -10^6..10^6, --er -10^3..10^3)
  near-tie    the least totals at t = 0 and t = T exactly --gap apart (the
              one at T minus the one at 0): two groups of islands at whole
              costs and two portals between them (needs N >= 3, M >= N,
              T >= 1; sets X and its own rates; --ec gives the whole costs)
  close-costs every island joined twice, the dearer portal listed first and
              rounding to the same float as the cheaper: a solution in single
              precision cannot tell them (needs N >= 3, M >= 2N - 3, costs of
              magnitude 2^17 or more; default --ec 900000..1000000)
  hash-attack portals whose keys, smaller island times N plus the larger
              (--key shift-32: times 2^32), share a few buckets of a hash
              table of --buckets buckets [351061: a std::unordered_map grown to
              262144 keys; 277261 after reserve(262144)], each written smaller
              island first (--flip: larger first); whole-number costs
  sorted      a connected graph of distinct costs at one shared rate, sorted by
              cost: a quicksort whose pivot is a part's first element takes
              quadratic time (needs M distinct costs, or distinct costs at T)
  reverse-sorted, organ-pipe   the same, in falling order, or rising then falling
  micro-gaps  every island joined to two earlier ones at costs 10^-6 apart, the
              dearer first, one shared rate: an epsilon comparison takes the
              dearer (needs six decimals; default --ec -1..1, --er 0..0)
  sixth-decimal a tree of rates of six decimals, X set so that the least total
              at T minus the one at 0 is exactly --gap [1]: rates read short
              of their sixth decimal pick the wrong end (default T 10^6)
  extreme-totals every portal at the dearest cost at T (X >= 0) or the cheapest
              (X < 0): the least totals as large in size as the ranges allow
              (default T 10^6, X 10^6, --ec -10^6..10^6, --er -10^3..10^3)

Options (defaults in brackets):
  --n N            islands [10]
  --m M            portals [2N, or as many as distinct pairs allow]
  --t T            largest t [10; peak-late and peak-early: 100]
  --x X            cost per unit of t, plain decimal [5; best-at-0: 100;
                   best-at-T and ties: 0; peak-late and peak-early: 1]
  --seed S         any text; another seed, another instance [1]
  --ec LO..HI      costs at t = 0 [0..1000; loops -100..1000; chain above
                   10^5 islands 0..(room for 2N costs)]
  --er LO..HI      falls per unit of t [0..10; best-at-0 -10..0; best-at-T 1..10;
                   negative and x-decides -10..10]
  --ec-decimals D  decimals of costs, 0..6 [2; extremes, near-tie, close-costs,
                   micro-gaps: 6; the attacks and extreme-totals: 0]
  --er-decimals D  decimals of rates, 0..6 [the same; sixth-decimal: 6]
  --gap G          near-tie, sixth-decimal: the least total at T minus the one
                   at 0 [near-tie -0.000002; sixth-decimal 1]
  --key K          hash-attack: times-n or shift-32 [times-n]
  --buckets P      hash-attack: the bucket count the keys crowd [351061]
  --mirror         island i written as N-1-i: the same instance numbered from
                   the other end
  --flip           every portal's two ends written the other way round
  --checker-limits write an instance beyond the statement's bounds (up to the
                   checker's capacities) rather than refuse it
Values are plain decimals with at most 6 decimals and at most 10^12 units.
)";

} // namespace

int generate_command(int argc, char **argv) {
  std::vector<std::string> args;
  std::string output;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(kHelp, stdout);
      return EXIT_DONE;
    }
    if (arg == "-o" && i + 1 < argc && output.empty())
      output = argv[++i];
    else
      args.push_back(arg);
  }
  std::string text;
  if (const std::string error = generate_instance(args, text); !error.empty()) {
    std::fprintf(stderr, "setter generate: %s\nsee setter generate --help\n", error.c_str());
    return EXIT_USAGE;
  }
  if (!output.empty()) {
    if (write_text_whole(output, text))
      return EXIT_DONE;
    std::fprintf(stderr, "%s: %s\n", output.c_str(), say("cannot be written", "無法寫入").c_str());
    return EXIT_DEFECT;
  }
  std::fwrite(text.data(), 1, text.size(), stdout);
  return std::fflush(stdout) == 0 ? EXIT_DONE : EXIT_DEFECT;
}
