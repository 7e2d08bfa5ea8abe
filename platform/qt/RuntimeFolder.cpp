#include "platform/qt/RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace yv::platform {

void PrepareRuntimeFolder() {
  const char* set = std::getenv("XDG_RUNTIME_DIR");
  if (set && *set) return;
  const char* tmp = std::getenv("TMPDIR");
  std::string folder = (tmp && *tmp) ? tmp : "/tmp";
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  folder += "/runtime-" + std::to_string(getuid());
  mkdir(folder.c_str(), 0700);  // an existing one is looked at below
  struct stat st {};
  // lstat: a link planted under that name by someone else is never followed.
  if (lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid()) return;
  if ((st.st_mode & 07777) != 0700 && chmod(folder.c_str(), 0700) != 0) return;
  setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

}  // namespace yv::platform
