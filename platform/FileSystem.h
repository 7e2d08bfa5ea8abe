// Whole-file access to the file system, through Windows paths.
//
// The program reaches files only through FileSystem::Current(), so tests and
// fuzzers can swap the host file system for an in-memory one.
#pragma once

#include <sys/types.h>

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

  // Reads the whole of an ordinary file; false when it does not exist or
  // cannot be read, and at once for a folder, a FIFO or a device.
  virtual bool ReadWholeFile(const std::string& path, std::string& bytes) = 0;
  // Replaces the file with bytes. The old file stays untouched until the new
  // one has been completely written (or, where it has to be written in place,
  // comes back when that fails); false when that failed, with the reason in
  // LastWriteFailure().
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

  // Why the last ReplaceWholeFile failed, as a line for a message box ("The
  // disk is full."); empty after a success (but for a warned one, below) or
  // when the reason is not known.
  const std::string& LastWriteFailure() const { return lastWriteFailure_; }
  // The path that replace was given.
  const std::string& LastFailedPath() const { return lastFailedPath_; }
  // True when the last ReplaceWholeFile, of path, succeeded (the new file
  // is in place under its name) but could not be made durable: the folder
  // sync after the rename failed. LastWriteFailure() then holds the warning
  // line for the writer's box; the save itself counts as done.
  bool LastWriteWarned(const std::string& path) const { return lastWriteWarned_ && lastFailedPath_ == path; }
  void ForgetWriteFailure() {
    lastWriteFailure_.clear();
    lastFailedPath_.clear();
    lastWriteWarned_ = false;
  }

  static FileSystem& Current();
  // Installs another file system (nullptr restores the host's); returns the previous one.
  static FileSystem* Install(FileSystem* fs);

 protected:
  std::string lastWriteFailure_;
  std::string lastFailedPath_;
  bool lastWriteWarned_ = false;
};

// The host's file system, paths mapped by ToHostPath.
//
// ReplaceWholeFile saves as a careful editor does: the text goes to a
// temporary file beside the target (its name plus a few characters: "." name
// "~" and two letters or digits), which is synced and renamed over the target,
// and then the folder is synced. Once renamed, the new file is in place: a
// failed folder sync leaves the save done, with a warning (LastWriteWarned)
// that it may not survive a power loss. A symbolic link is followed and kept;
// its target is replaced. An existing file without write permission is
// refused. A new file gets 0666 less the umask; a replaced one keeps its mode,
// and its owner where the user may set it. As with every replace by rename, a
// file with several hard links is split from the others.
//
// A save holds its temporary locked (flock) from its creation until the
// rename. After a successful save, temporaries of the same file that no
// running save holds, left behind by a crash, are removed; so two programs
// saving one file at once never spoil each other's save.
//
// A folder the user may not write takes no temporary. An existing file there
// that the user may write is then written where it is, locked (flock) for the
// whole write so that two saves of it take turns. Its old text is read first
// and kept, synced, in a backup in the user's cache folder
// ($XDG_CACHE_HOME/YV_Editor, else ~/.cache/YV_Editor), named after the file
// with "~" and two letters or digits, until the new text is synced; without
// a backup nothing is written. The old text is written back if any step of
// the write fails. When even that fails, the reason says that the file may be
// damaged and names the backup, which stays, as does one that an interrupted
// save left; no backup is ever overwritten. The file's mode, owner and hard
// links stay as they are.
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

// The line of LastWriteFailure() after a save that put the new file in place
// but could not make it durable (LastWriteWarned()).
inline constexpr char kNotDurableWarning[] = "The new file is in place, but it may not survive a power loss.";

// A writer's message with the reason on a second line (CR LF), when the last
// replace that failed, or succeeded with a warning, was that of path and its
// reason is known. The reason is told once: a later failure that never
// reached the file (a save refused before writing) gets the message alone.
std::string WithWriteFailure(const std::string& message, const std::string& path);

namespace detail {
// The call that syncs the folder after the rename: fsync, unless a test puts
// in one that fails. nullptr puts fsync back; returns the call before.
using FolderSync = int (*)(int fd);
FolderSync SetFolderSync(FolderSync sync);
// The calls that put the new text into a file written in place: write and
// ftruncate, unless a test puts in ones that fail. nullptr puts the system's
// call back; each returns the call before.
using FileWrite = ssize_t (*)(int fd, const void* data, size_t size);
using FileTruncate = int (*)(int fd, off_t length);
FileWrite SetInPlaceWrite(FileWrite write);
FileTruncate SetInPlaceTruncate(FileTruncate truncate);
}  // namespace detail

}  // namespace yv::platform
