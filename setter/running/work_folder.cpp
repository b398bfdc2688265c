// The janitor: started with the read end of a pipe whose write end only setter
// holds (close-on-exec, so no program inherits it); the end of the pipe, at
// setter's exit or death, is its signal.
#include "setter/running/work_folder.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "setter/language/language.h"
#include "setter/running/runner.h"

extern char **environ;

WorkFolder make_work_folder(const std::string &prefix, std::string &why) {
  WorkFolder folder;
  std::string path = (std::filesystem::temp_directory_path() / (prefix + "_XXXXXX")).string();
  if (!mkdtemp(path.data())) {
    why = say("cannot make a working folder", "無法建立工作資料夾");
    return folder;
  }
  int pipe_ends[2];
  if (pipe2(pipe_ends, O_CLOEXEC) != 0) {
    std::filesystem::remove_all(path);
    why = say("cannot make a working folder", "無法建立工作資料夾");
    return folder;
  }
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_adddup2(&files, pipe_ends[0], 0);
  const std::string helper = run_helper_path();
  char *argv[] = {const_cast<char *>(helper.c_str()), const_cast<char *>("--janitor"), path.data(), nullptr};
  const bool started = posix_spawn(&folder.janitor, helper.c_str(), &files, nullptr, argv, environ) == 0;
  posix_spawn_file_actions_destroy(&files);
  close(pipe_ends[0]);
  if (!started) {
    close(pipe_ends[1]);
    std::filesystem::remove_all(path);
    why = helper + say(": setter's run helper cannot be started", "：無法啟動 setter 的執行輔助程式");
    return folder;
  }
  folder.path = path;
  folder.to_janitor = pipe_ends[1];
  return folder;
}

void end_work_folder(WorkFolder &folder) {
  if (folder.to_janitor >= 0)
    close(folder.to_janitor);
  while (folder.janitor > 0 && waitpid(folder.janitor, nullptr, 0) < 0 && errno == EINTR) {
  }
  folder = {};
}
