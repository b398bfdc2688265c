// Finding the programs setter needs: the checker and the run helper beside
// setter, a compiler or pdflatex on the PATH.
#pragma once
#include <string>

// The path of the program called name in setter's own folder, for the checker
// that the same build made.
std::string beside_setter(const std::string &name);

// Whether the file at path is an ELF executable linked statically (it names no
// program interpreter); false with why set otherwise.
bool is_static_executable(const std::string &path, std::string &why);

// Whether a program called name is on the PATH.
bool on_path(const std::string &name);
