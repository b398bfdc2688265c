// A folder of setter's own for a command's files (compiled programs, outputs),
// removed when the command ends however it ends, a kill -9 included: a janitor
// process, setter-run, waits for setter's end and is the folder's one owner.
#pragma once
#include <string>
#include <sys/types.h>

struct WorkFolder {
  std::string path;   // "" when none could be made
  int to_janitor = -1; // setter's end of the pipe the janitor waits on
  pid_t janitor = -1;
};

// Makes a fresh folder under the temporary folder, named from prefix, and
// starts its janitor; why is set when either cannot be.
WorkFolder make_work_folder(const std::string &prefix, std::string &why);

// Ends the folder now: the janitor removes it, and this waits until it has.
void end_work_folder(WorkFolder &folder);
