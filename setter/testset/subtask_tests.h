// The tests generated for one subtask: within its bounds, reaching their ends,
// with the families and shapes that fit it.
#pragma once
#include <string>
#include <vector>

#include "setter/testset/default_tests.h"
#include "setter/testset/subtask_file.h"

// The generator arguments of the subtask's tests, named "SUBTASK-NN-what". For a
// subtask with the statement's own bounds, the default tests. Otherwise every
// family at N = 4, 7, 10 and the largest N up to 1000 that the bounds allow,
// each option the family would take outside the bounds brought within them;
// the largest values and the smallest of every bound; and the shapes slow
// solutions fail on (stars, chains, colliding keys, sorted orders) at the
// subtask's largest size, however small. A family that cannot be made
// within the bounds fails to generate or generates beyond them, and is left out
// by the caller.
std::vector<TestSpec> subtask_tests(const Subtask &s, const std::string &seed);
