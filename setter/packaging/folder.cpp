// Folders written whole: filled beside their place, then renamed into it.
#include "setter/packaging/folder.h"

#include <system_error>

#include "files/output_file.h"

namespace fs = std::filesystem;

std::string write_folder(const std::string &out, const std::function<std::string(const fs::path &)> &fill) {
  std::error_code failure;
  const fs::path target = fs::path(out).lexically_normal();
  if (fs::exists(target, failure) && !(fs::is_directory(target, failure) && fs::is_empty(target, failure)))
    return out + ": exists and is not an empty folder";
  const fs::path partial = target.string() + ".partial";
  fs::remove_all(partial, failure);
  if (!fs::create_directories(partial, failure))
    return partial.string() + ": cannot create the folder";
  std::string error = fill(partial);
  if (error.empty()) {
    fs::remove(target, failure); // an empty folder, if any
    fs::rename(partial, target, failure);
    if (failure)
      error = out + ": cannot put the finished folder in place";
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
