// The canonical layout of the judge's files, which contestants' own readers may
// rely on; the checker itself reads them as leniently as "%d" and "%lf" do.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One departure from the canonical layout, at a byte offset of the text.
struct Defect {
  std::uint64_t offset;
  std::string what;    // in the language of reports
  bool shifts = false; // a line with too few or too many fields: a reader takes the fields after it shifted
};

// Every departure of an instance file's text from the canonical layout: a first
// line "N M T X", then M lines "es et ec er"; fields separated by one space; lines
// ended by "\n" alone, the last one too, and nothing after the M-th record;
// integers without "+", leading zeros or "-0"; reals in plain decimal notation.
std::vector<Defect> instance_layout(std::string_view text);

// Every departure of an answer file's text from one real in plain decimal
// notation followed by "\n".
std::vector<Defect> answer_layout(std::string_view text);
