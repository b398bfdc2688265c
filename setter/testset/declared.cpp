// Reading a solution's declaration.
#include "setter/testset/declared.h"

#include <sstream>

std::vector<std::string> declared_earns(const std::string &source, bool &declared) {
  std::istringstream lines(source);
  std::vector<std::string> names;
  declared = false;
  for (std::string line; std::getline(lines, line);) {
    const std::size_t at = line.find("// Earns:");
    if (at != 0)
      continue;
    declared = true;
    std::istringstream words(line.substr(9));
    for (std::string name; words >> name;)
      if (name != "none")
        names.push_back(name);
    break;
  }
  return names;
}
