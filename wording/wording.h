// The language of the checker's messages: Traditional Chinese, the contest's own
// and the default everywhere, or English for a contest that asks for it.
#pragma once
#include <string>

enum class Wording { chinese, english };

// Makes wording the language of every message from here on.
void set_wording(Wording wording);

// The language of messages now.
Wording wording_now();

// chinese or english, whichever the messages are in.
std::string worded(const char *chinese, const char *english);
