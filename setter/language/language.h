// The language of the setter's reports on data: English or Traditional Chinese.
// The checker's own messages, which contestants see, are not among them.
#pragma once
#include <string>
#include <string_view>

enum class Language { english, chinese };

// Reads "en" or "zh-TW" (also "zh_TW"); false for anything else.
bool parse_language(std::string_view name, Language &language);

// The language the locale asks for: the first of LC_ALL, LC_MESSAGES and LANG that
// is set and not empty; Chinese for zh_TW and zh_HK locales, English otherwise.
Language locale_language();

// Makes language the language of every report from here on (Chinese until then).
void set_language(Language language);

// english or chinese, whichever the reports are in.
std::string say(std::string english, std::string chinese);

// n and an English noun, plural unless n is 1: "1 test", "4 tests".
std::string counted(long long n, const std::string &noun);
