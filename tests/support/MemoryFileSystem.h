// An in-memory file system for tests, fuzzers and benchmarks: files held
// under their Windows paths, compared without regard to letter case.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace yv::platform {

// Folders exist implicitly as the parents of files or explicitly.
class MemoryFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;  // key: upper-cased path
  std::map<std::string, std::string> names;  // key -> path as first written
  std::vector<std::string> folders;          // upper-cased, no trailing backslash
  bool failWrites = false;                   // makes every ReplaceWholeFile fail
  std::string failReason;                    // ... with this as LastWriteFailure()
  bool warnWrites = false;                   // makes every ReplaceWholeFile succeed with the
                                             // warning that the new file may not be durable

  void Put(const std::string& path, std::string bytes);
  bool ReadWholeFile(const std::string& path, std::string& bytes) override;
  bool ReplaceWholeFile(const std::string& path, std::string_view bytes) override;
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  void DeleteQuietly(const std::string& path) override;
  bool MakeFolder(const std::string& path) override;
  std::vector<std::string> ListFiles(const std::string& folder) override;
  int64_t FileLength(const std::string& path) override;
};

}  // namespace yv::platform
