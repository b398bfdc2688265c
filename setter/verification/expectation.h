// What a setter expects of a program over the tests, as a Kattis package's
// submissions/ folders state it.
#pragma once
#include <string>

// Every test accepted; in a scoring package, some points but not all; or the
// first test not accepted a wrong answer (0.3 included), a time-out past the
// margin, or a run-time error.
enum class Expect { nothing, accepted, partially_accepted, wrong_answer, time_limit, run_time_error };

// The expectation a submissions/ folder states; nothing for another name.
Expect expect_of_folder(const std::string &folder);

// The words for an expectation, in the language of reports.
std::string expect_text(Expect e);

// The verifier's name for an expectation: AC, PAC, WA, TLE or RTE.
std::string expect_acronym(Expect e);
