// The language chosen for the checker's messages.
#include "wording/wording.h"

namespace wording_internal {

Wording chosen = Wording::chinese;

} // namespace wording_internal

void set_wording(Wording wording) { wording_internal::chosen = wording; }

Wording wording_now() { return wording_internal::chosen; }

std::string worded(const char *chinese, const char *english) {
  return wording_internal::chosen == Wording::english ? english : chinese;
}
