// One switch for the language of reports, set once by the command line.
#include "setter/language/language.h"

#include <cstdlib>
#include <utility>

namespace language_internal {

Language chosen = Language::chinese;

} // namespace language_internal

bool parse_language(std::string_view name, Language &language) {
  if (name == "en")
    language = Language::english;
  else if (name == "zh-TW" || name == "zh_TW")
    language = Language::chinese;
  else
    return false;
  return true;
}

Language locale_language() {
  for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char *value = std::getenv(variable);
    if (!value || !*value)
      continue;
    const std::string_view locale = value;
    return locale.substr(0, 5) == "zh_TW" || locale.substr(0, 5) == "zh_HK" ? Language::chinese : Language::english;
  }
  return Language::english;
}

void set_language(Language language) { language_internal::chosen = language; }

std::string counted(long long n, const std::string &noun) {
  return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

std::string say(std::string english, std::string chinese) {
  return language_internal::chosen == Language::english ? std::move(english) : std::move(chinese);
}
