// Folders written whole: filled beside their place, then renamed into it.
#include "setter/storage/folder.h"

#include <system_error>

#include "files/output_file.h"
#include "setter/language/language.h"

namespace fs = std::filesystem;

std::string write_folder(const std::string &out, const std::function<std::string(const fs::path &)> &fill) {
  std::error_code failure;
  const fs::path target = fs::path(out).lexically_normal();
  if (fs::exists(target, failure) && !(fs::is_directory(target, failure) && fs::is_empty(target, failure)))
    return out + say(": exists and is not an empty folder", "：已存在，且不是空資料夾");
  const fs::path partial = target.string() + ".partial";
  fs::remove_all(partial, failure);
  if (!fs::create_directories(partial, failure))
    return partial.string() + say(": cannot create the folder", "：無法建立資料夾");
  std::string error = fill(partial);
  if (error.empty()) {
    fs::remove(target, failure); // an empty folder, if any
    fs::rename(partial, target, failure);
    if (failure)
      error = out + say(": cannot put the finished folder in place", "：無法將完成的資料夾移到定位");
  }
  if (!error.empty())
    fs::remove_all(partial, failure);
  return error;
}

bool put_file(const fs::path &path, const std::string &text, bool executable) {
  std::error_code failure;
  fs::create_directories(path.parent_path(), failure);
  if (!write_text(path.string(), text))
    return false;
  if (executable)
    fs::permissions(path, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                    fs::perm_options::add, failure);
  return !failure;
}
