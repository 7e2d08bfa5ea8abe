// Whole-file access to the file system, through Windows paths.
//
// The program reaches files only through FileSystem::Current(), so tests and
// fuzzers can swap the host file system for an in-memory one.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace yv::platform {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Reads the whole file; false when it does not exist or cannot be read.
  virtual bool ReadWholeFile(const std::string& path, std::string& bytes) = 0;
  // Replaces the file with bytes. The old file stays untouched until the new
  // one has been completely written; false when that failed.
  virtual bool ReplaceWholeFile(const std::string& path, std::string_view bytes) = 0;
  // True for an existing ordinary file.
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool FolderExists(const std::string& path) = 0;
  // Deletes an ordinary file; every failure is ignored.
  virtual void DeleteQuietly(const std::string& path) = 0;
  // Creates one folder (its parent must exist); false on failure or when it exists.
  virtual bool MakeFolder(const std::string& path) = 0;
  // Names of the ordinary files in a folder, sorted without regard to letter case.
  virtual std::vector<std::string> ListFiles(const std::string& folder) = 0;
  // Length in bytes, -1 when the file does not exist.
  virtual int64_t FileLength(const std::string& path) = 0;

  static FileSystem& Current();
  // Installs another file system (nullptr restores the host's); returns the previous one.
  static FileSystem* Install(FileSystem* fs);
};

// The host's file system, paths mapped by ToHostPath.
class HostFileSystem : public FileSystem {
 public:
  bool ReadWholeFile(const std::string& path, std::string& bytes) override;
  bool ReplaceWholeFile(const std::string& path, std::string_view bytes) override;
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  void DeleteQuietly(const std::string& path) override;
  bool MakeFolder(const std::string& path) override;
  std::vector<std::string> ListFiles(const std::string& folder) override;
  int64_t FileLength(const std::string& path) override;
};

// Sorts file names as ListFiles returns them: without regard to letter case.
void SortFileNames(std::vector<std::string>& names);

// Shorthands for FileSystem::Current().
inline FileSystem& Fs() { return FileSystem::Current(); }

}  // namespace yv::platform
