// The language of checker-testlib's messages, which its judges show to
// contestants. A setter preparing a contest in English sets this to true, in
// the source or in the single file, where it stands near the top.
#pragma once

inline constexpr bool kTestlibMessagesInEnglish = false;
