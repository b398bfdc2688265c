// A file held whole: mapped when it is a regular file, read otherwise; and a mapped
// file cut short while held ends the command with one clear line, not a crash.
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

#include "setter/language/language.h"
#include "setter/validation/text_file.h"
#include "support/files.h"

namespace {

TEST(FileText, HoldsTheBytesOfEachFileReadIntoIt) {
  FileText text;
  const std::string first = temp_file("3 2 1 0\n0 1 5 1\n1 2 3 0\n"), empty = temp_file("");
  ASSERT_EQ(read_file_text(first, text), "");
  EXPECT_EQ(text.view(), "3 2 1 0\n0 1 5 1\n1 2 3 0\n");
  ASSERT_EQ(read_file_text(empty, text), ""); // the one before is let go
  EXPECT_EQ(text.view(), "");
  ASSERT_EQ(read_file_text("/proc/self/stat", text), ""); // no size to map: read
  EXPECT_FALSE(text.view().empty());
  set_language(Language::english);
  EXPECT_EQ(read_file_text("/nonexistent/file", text), "cannot be opened");
  EXPECT_EQ(text.view(), "");
}

TEST(FileTextDeathTest, AFileCutShortWhileHeldIsOneLineAndExitOne) {
  set_language(Language::english);
  const std::string path = temp_file(std::string(1 << 16, '7'));
  EXPECT_EXIT(
      {
        FileText text;
        if (read_file_text(path, text).empty() && truncate(path.c_str(), 0) == 0) {
          volatile char last = text.view().back(); // its page is gone with the bytes
          (void)last;
        }
        std::exit(0);
      },
      testing::ExitedWithCode(1), "^" + path + ": changed while it was read\n$");
}

} // namespace
