// Finding an embedded file by name.
#include "setter/embedded/embedded.h"

std::string embedded(const std::string &name) {
  for (const Embedded *e = kEmbedded; e->name; ++e)
    if (name == e->name)
      return e->text;
  return {};
}
