// Files built into setter, so that the binary alone can write a problem package:
// the example, the statement, the solutions and the validators' single files.
#pragma once
#include <string>

struct Embedded {
  const char *name; // the file's path as a package or a test set places it
  const char *text;
};

// Every embedded file, in a fixed order, ended by an entry whose name is null.
extern const Embedded kEmbedded[];

// The text of the embedded file called name; empty when there is none.
std::string embedded(const std::string &name);
