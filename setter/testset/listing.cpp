// Finding every test of a set, however deep a setter filed it.
#include "setter/testset/listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "setter/language/language.h"

namespace fs = std::filesystem;

std::string list_set_tests(const std::string &dir, std::vector<SetTest> &tests) {
  tests.clear();
  std::error_code failure;
  for (const char *folder : {"sample", "secret"}) {
    const fs::path root = fs::path(dir) / folder;
    if (!fs::is_directory(root, failure))
      return dir + say(": not a test set (no folder " + std::string(folder) + "/; see setter testset)",
                        "：不是測資集（沒有 " + std::string(folder) + "/ 資料夾；見 setter testset）");
    std::vector<SetTest> found;
    // Folder links are not followed: a link back up would list tests forever.
    for (fs::recursive_directory_iterator it(root, failure), end; !failure && it != end; it.increment(failure)) {
      std::error_code ignored; // a missing file sets it: only the walk's own failure stops the walk
      if (it->path().extension() != ".in" || !it->is_regular_file(ignored))
        continue;
      SetTest t;
      t.folder = folder;
      t.name = fs::path(it->path()).replace_extension().lexically_relative(root).generic_string();
      t.base = fs::path(it->path()).replace_extension().string();
      t.has_total = fs::is_regular_file(t.base + ".total", ignored);
      t.has_plan = fs::is_regular_file(t.base + ".ans", ignored);
      t.has_desc = fs::is_regular_file(t.base + ".desc", ignored);
      found.push_back(t);
    }
    if (failure)
      return root.string() + say(": cannot be read: ", "：無法讀取：") + failure.message();
    std::sort(found.begin(), found.end(), [](const SetTest &a, const SetTest &b) { return a.name < b.name; });
    tests.insert(tests.end(), found.begin(), found.end());
  }
  if (tests.empty())
    return dir + say(": the test set holds no test", "：測資集中沒有測資");
  return {};
}
