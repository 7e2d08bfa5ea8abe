#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/Paths.h"

namespace yv::platform {
namespace {

HostFileSystem g_host;
FileSystem* g_current = &g_host;
detail::FolderSync g_folderSync = ::fsync;
detail::FileWrite g_inPlaceWrite = ::write;
detail::FileTruncate g_inPlaceTruncate = ::ftruncate;

std::string LowerAscii(std::string s) {
  for (char& ch : s)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + 32);
  return s;
}

bool WriteAll(int fd, std::string_view bytes, detail::FileWrite write = ::write) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

bool ReadAll(int fd, std::string& bytes) {
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) return true;
    bytes.append(buf, static_cast<size_t>(n));
  }
}

// The reason of a failed write in words, for the second line of the writer's
// message box; empty where the error says nothing a user could act on.
std::string ReasonOf(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return "The disk is full.";
    case EACCES:
    case EPERM:
      return "Permission denied.";
    case EROFS:
      return "The file system is read-only.";
    case EFBIG:
      return "The file is too large.";
    case ENOENT:
    case ENOTDIR:
      return "The folder does not exist.";
    case ENAMETOOLONG:
      return "The file name is too long.";
    case EIO:
      return "The disk could not be written.";
    default:
      return "";
  }
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows a chain of symbolic links to the file they finally name (which
// need not exist yet). False with errno set when a link cannot be read or
// the chain is too long.
bool FollowLinks(std::string& path) {
  for (int hops = 0;; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
    if (!S_ISLNK(st.st_mode)) return true;
    if (hops == 40) {
      errno = ELOOP;
      return false;
    }
    std::vector<char> buf(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
    ssize_t n = ::readlink(path.c_str(), buf.data(), buf.size());
    if (n < 0) return false;
    if (static_cast<size_t>(n) >= buf.size()) {  // the link changed meanwhile: read it again
      --hops;
      continue;
    }
    std::string link(buf.data(), static_cast<size_t>(n));
    if (link.empty()) {
      errno = ENOENT;
      return false;
    }
    path = link.front() == '/' ? link : FolderOf(path) + "/" + link;
  }
}

// True when an existing file may not be written by this user. Root may write
// every file, so for root a file without any write bit counts as protected:
// the user took the write permission away on purpose.
bool WriteProtected(const std::string& path, const struct stat& st) {
  if (::geteuid() == 0) return (st.st_mode & 0222) == 0;
  return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

constexpr std::string_view kTempLetters = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr size_t kTempRandom = 2;

// The file's name cut so that `more` characters still fit beside it in the
// longest name the folder allows.
std::string CutName(const std::string& folder, const std::string& name, size_t more) {
  long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
  if (longest <= 0) longest = 255;
  return name.substr(0, std::min(name.size(), static_cast<size_t>(longest) - more));
}

// The start of the temporary names of a file: "." name "~", the name cut so
// that two more characters still fit in the longest name the folder allows.
std::string TempPrefix(const std::string& folder, const std::string& name) {
  return "." + CutName(folder, name, 2 + kTempRandom) + "~";
}

bool IsTempOf(const std::string& entry, const std::string& prefix) {
  if (entry.size() != prefix.size() + kTempRandom || entry.compare(0, prefix.size(), prefix) != 0) return false;
  for (size_t i = prefix.size(); i < entry.size(); ++i)
    if (kTempLetters.find(entry[i]) == std::string_view::npos) return false;
  return true;
}

// Earlier versions named their temporaries name ".yvtmp-" and six characters.
bool IsOldTempOf(const std::string& entry, const std::string& name) {
  const std::string prefix = name + ".yvtmp-";
  return entry.size() == prefix.size() + 6 && entry.compare(0, prefix.size(), prefix) == 0;
}

// Locks a temporary just created as tempPath, so that no other save's
// clean-up removes it while it is written. A clean-up may have removed it in
// the moment before the lock was taken; then the name no longer leads to the
// locked file and false is returned. On a file system without locks the
// temporary goes unlocked, as it always did.
bool LockOwnTemp(int fd, const std::string& tempPath) {
  while (::flock(fd, LOCK_EX) != 0)
    if (errno != EINTR) return true;
  struct stat locked {};
  struct stat named {};
  return ::fstat(fd, &locked) == 0 && ::lstat(tempPath.c_str(), &named) == 0 && locked.st_dev == named.st_dev &&
         locked.st_ino == named.st_ino;
}

// The prefix and kTempRandom letters or digits, others at each call.
std::string RandomName(const std::string& prefix) {
  static uint64_t state = static_cast<uint64_t>(::getpid()) * 0x9E3779B97F4A7C15ull;
  struct timespec now {};
  ::clock_gettime(CLOCK_REALTIME, &now);
  state ^= static_cast<uint64_t>(now.tv_nsec) + (static_cast<uint64_t>(now.tv_sec) << 20);
  std::string name = prefix;
  for (size_t i = 0; i < kTempRandom; ++i) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    name += kTempLetters[(state >> 33) % kTempLetters.size()];
  }
  return name;
}

// Creates a new temporary file beside the target, locked; -1 with errno set
// on failure.
int CreateTemp(const std::string& folder, const std::string& prefix, std::string& tempPath) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = folder + "/" + RandomName(prefix);
    int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;  // another save's, or a leftover
      return -1;
    }
    if (LockOwnTemp(fd, tempPath)) return fd;
    ::close(fd);  // a clean-up took it before the lock: try another name
  }
  errno = EEXIST;
  return -1;
}

// Removes one temporary that an interrupted save left behind. A save holds
// its temporary locked from creation until it has been renamed, so one that
// can be locked here belongs to no running save. The name is checked again
// under the lock: if it has been renamed or made anew meanwhile, it now
// names another file, which stays.
void RemoveIfNotHeld(int dfd, const char* entry) {
  struct stat named {};
  if (::fstatat(dfd, entry, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode)) return;
  constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
  int fd = ::openat(dfd, entry, O_RDONLY | kFlags);
  if (fd < 0 && errno == EACCES) fd = ::openat(dfd, entry, O_WRONLY | kFlags);  // a write-only mode kept
  if (fd < 0) return;
  struct stat locked {};
  if (::fstat(fd, &locked) == 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
      ::fstatat(dfd, entry, &named, AT_SYMLINK_NOFOLLOW) == 0 && named.st_dev == locked.st_dev &&
      named.st_ino == locked.st_ino)
    ::unlinkat(dfd, entry, 0);
  ::close(fd);
}

// Removes the temporaries of the file that interrupted saves left behind.
void RemoveStaleTemps(const std::string& folder, const std::string& name, const std::string& prefix) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return;
  int dfd = ::dirfd(dir);
  while (struct dirent* e = ::readdir(dir)) {
    std::string entry = e->d_name;
    if (IsTempOf(entry, prefix) || IsOldTempOf(entry, name)) RemoveIfNotHeld(dfd, e->d_name);
  }
  ::closedir(dir);
}

// Syncs a folder, so that the names made in it last through a power loss.
// A folder that cannot be opened for reading cannot be synced and is taken
// as it is, as is one on a file system that syncs no folders. The error
// number, else 0.
int SyncFolder(const std::string& folder) {
  int dfd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd < 0) return 0;
  int error = g_folderSync(dfd) == 0 ? 0 : errno;
  ::close(dfd);
  return error == EINVAL || error == ENOTSUP ? 0 : error;
}

// Makes a folder and those above it that are missing, for this user alone;
// each new one is synced into its parent. The error number, else 0.
int MakeFolders(const std::string& folder) {
  if (::mkdir(folder.c_str(), 0700) != 0) {
    if (errno == EEXIST) return 0;
    if (errno != ENOENT || FolderOf(folder) == folder) return errno;
    if (int error = MakeFolders(FolderOf(folder)); error != 0) return error;
    if (::mkdir(folder.c_str(), 0700) != 0) return errno == EEXIST ? 0 : errno;
  }
  return SyncFolder(FolderOf(folder));
}

// Where the old text of a file written in place is kept: "YV_Editor" in the
// user's cache folder ($XDG_CACHE_HOME, else ~/.cache); empty when there is
// none.
std::string BackupFolder() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  const char* home = std::getenv("HOME");
  std::string folder = cache && cache[0] == '/' ? cache : home && home[0] == '/' ? std::string(home) + "/.cache" : "";
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder.empty() ? "" : folder + "/YV_Editor";
}

// Copies the old text of a file that is about to be written in place into
// the backup folder, synced with the folder, so that a save cut short at any
// moment leaves the old text whole in the file or in the backup. The backup
// is written under a temporary name and then linked to its own name (the
// file's name, "~" and two letters or digits). A link never replaces a file,
// so every backup under such a name is whole and none is ever overwritten:
// two saves of files of one name each keep their own, and one that a kill or
// a failed restore left behind, which may hold the only whole copy of a
// text, stays until the user removes it. 0 with the backup's path in backup,
// else the error number.
int MakeBackup(const std::string& folder, const std::string& name, std::string_view old, std::string& backup) {
  if (int error = MakeFolders(folder); error != 0) return error;
  const std::string tempPrefix = TempPrefix(folder, name);
  std::string temp;
  int fd = CreateTemp(folder, tempPrefix, temp);
  if (fd < 0) return errno;
  int error = WriteAll(fd, old) && ::fsync(fd) == 0 ? 0 : errno;
  const std::string prefix = CutName(folder, name, 1 + kTempRandom) + "~";
  for (int attempt = 0; error == 0; ++attempt) {
    backup = folder + "/" + RandomName(prefix);
    if (::link(temp.c_str(), backup.c_str()) == 0) break;
    if (errno != EEXIST || attempt == 99) error = errno;
  }
  ::unlink(temp.c_str());
  ::close(fd);
  if (error == 0 && (error = SyncFolder(folder)) != 0) ::unlink(backup.c_str());
  RemoveStaleTemps(folder, name, tempPrefix);  // those of backups cut short
  return error;
}

// Puts bytes into the open file from its first byte, as its whole content.
bool Overwrite(int fd, std::string_view bytes) {
  return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, bytes, g_inPlaceWrite) &&
         g_inPlaceTruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// Writes the file where it is, for a file the user may write in a folder
// that takes no temporary beside it. The file is locked (flock) from before
// its old text is read until the new one is synced, so two saves of it take
// turns; on a file system without locks it goes unlocked, as a temporary
// does. The old text is backed up (MakeBackup) before the first byte is
// overwritten, and there is no write without a backup. A write that fails
// puts the old text back and removes the backup; when that fails too, the
// backup stays and the reason names it. The mode, the owner and every hard
// link stay as they are. False with the reason for the writer's box.
bool WriteInPlace(const std::string& target, std::string_view bytes, std::string& reason) {
  int fd = ::open(target.c_str(), O_RDWR | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    reason = ReasonOf(errno);
    return false;
  }
  while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
  struct stat st {};
  std::string old, backup;
  const std::string folder = BackupFolder();
  int error = 0;
  if (::fstat(fd, &st) != 0)
    error = errno;
  else if (!S_ISREG(st.st_mode))
    error = EINVAL;  // the name changed to something else meanwhile
  else if (!ReadAll(fd, old))
    error = errno;
  else if (folder.empty() || (error = MakeBackup(folder, NameOf(target), old, backup)) != 0) {
    ::close(fd);
    const std::string why = folder.empty() ? "there is no home folder." : ReasonOf(error);
    reason = "No backup of the old text could be made" + (folder.empty() ? "" : " in " + folder) +
             (why.empty() ? "." : ": " + why);
    return false;
  }
  bool restored = true;
  if (error == 0 && !Overwrite(fd, bytes)) {
    error = errno;
    restored = Overwrite(fd, old);
  }
  if (restored && !backup.empty()) ::unlink(backup.c_str());
  ::close(fd);  // after fsync close has nothing left to report; the lock ends here
  reason = ReasonOf(error);
  if (!restored)
    reason += std::string(reason.empty() ? "" : " ") + "The file may be damaged; its old text is kept in " + backup;
  return error == 0;
}

}  // namespace

void SortFileNames(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    std::string la = LowerAscii(a), lb = LowerAscii(b);
    return la != lb ? la < lb : a < b;
  });
}

std::string WithWriteFailure(const std::string& message, const std::string& path) {
  FileSystem& fs = Fs();
  std::string text = message;
  if (!fs.LastWriteFailure().empty() && fs.LastFailedPath() == path) text += "\r\n" + fs.LastWriteFailure();
  fs.ForgetWriteFailure();
  return text;
}

detail::FolderSync detail::SetFolderSync(FolderSync sync) {
  FolderSync previous = g_folderSync;
  g_folderSync = sync ? sync : ::fsync;
  return previous;
}

detail::FileWrite detail::SetInPlaceWrite(FileWrite write) {
  FileWrite previous = g_inPlaceWrite;
  g_inPlaceWrite = write ? write : ::write;
  return previous;
}

detail::FileTruncate detail::SetInPlaceTruncate(FileTruncate truncate) {
  FileTruncate previous = g_inPlaceTruncate;
  g_inPlaceTruncate = truncate ? truncate : ::ftruncate;
  return previous;
}

FileSystem& FileSystem::Current() { return *g_current; }

FileSystem* FileSystem::Install(FileSystem* fs) {
  FileSystem* previous = g_current;
  g_current = fs ? fs : &g_host;
  return previous;
}

// ---------------------------------------------------------------- host

bool HostFileSystem::ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  std::string host = ToHostPath(path);
  if (host.empty()) return false;
  // Only ordinary files are read: opening a FIFO would wait for a writer and
  // a device may never end. The check comes before the open, so a device is
  // never even opened, and again after it, in case the name changed between.
  struct stat st {};
  if (::stat(host.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  int fd = ::open(host.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return false;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  bytes.reserve(static_cast<size_t>(st.st_size));
  bool read = ReadAll(fd, bytes);
  ::close(fd);
  if (!read) bytes.clear();
  return read;
}

bool HostFileSystem::ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  ForgetWriteFailure();
  auto fail = [this, &path](std::string reason) {
    lastWriteFailure_ = std::move(reason);
    lastFailedPath_ = path;
    return false;
  };
  std::string target = ToHostPath(path);
  if (target.empty() || target.back() == '/') return fail("");
  // A symbolic link stays as it is: the file it names is replaced.
  if (!FollowLinks(target)) return fail(ReasonOf(errno));
  struct stat existing {};
  bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists) {
    if (S_ISDIR(existing.st_mode)) return fail("A folder has that name.");
    if (!S_ISREG(existing.st_mode)) return fail("It is not an ordinary file.");
    if (WriteProtected(target, existing)) return fail("The file is write-protected.");
  }

  // The new text goes to a temporary file in the same folder, which then
  // takes the old file's place in one rename: a failed or interrupted write
  // never leaves a half-written file under the real name.
  const std::string folder = FolderOf(target);
  const std::string name = NameOf(target);
  const std::string prefix = TempPrefix(folder, name);
  std::string temp;
  int fd = CreateTemp(folder, prefix, temp);  // mode 0666 less the umask
  if (fd < 0) {
    int error = errno;
    // A folder the user may not write can still hold a file the user may.
    if ((error == EACCES || error == EPERM) && exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0) {
      std::string reason;
      return WriteInPlace(target, bytes, reason) || fail(reason);
    }
    return fail(ReasonOf(error));
  }
  int error = 0;
  if (exists) {
    // The owner where the user may set it (root may, others only a group
    // they belong to); the mode always, after the owner, which may clear it.
    if ((existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) &&
        ::fchown(fd, existing.st_uid, existing.st_gid) != 0)
      (void)::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
    if (::fchmod(fd, existing.st_mode & 07777) != 0) error = errno;
  }
  if (error == 0 && !WriteAll(fd, bytes)) error = errno;
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  // The lock must last until the rename, while a late write error that only
  // close reports must still stop it: a second descriptor keeps the lock.
  int lockFd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
  if (lockFd < 0 && error == 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) ::unlink(temp.c_str());
  if (lockFd >= 0) ::close(lockFd);
  if (error != 0) return fail(ReasonOf(error));
  // The rename is durable only once the folder is synced. The new file is
  // in place by now, so a failed sync does not undo the save: the user is
  // only warned that it may not survive a power loss.
  if (SyncFolder(folder) != 0) {
    lastWriteFailure_ = kNotDurableWarning;
    lastFailedPath_ = path;
    lastWriteWarned_ = true;
  }
  RemoveStaleTemps(folder, name, prefix);
  return true;
}

bool HostFileSystem::FileExists(const std::string& path) {
  std::string host = ToHostPath(path);
  struct stat st {};
  return !host.empty() && ::stat(host.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool HostFileSystem::FolderExists(const std::string& path) {
  std::string host = ToHostPath(path);
  struct stat st {};
  return !host.empty() && ::stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void HostFileSystem::DeleteQuietly(const std::string& path) {
  if (path.empty()) return;
  std::string host = ToHostPath(path);
  struct stat st {};
  if (!host.empty() && ::lstat(host.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) ::unlink(host.c_str());
}

bool HostFileSystem::MakeFolder(const std::string& path) {
  std::string host = ToHostPath(path);
  if (host.empty()) return false;
  return ::mkdir(host.c_str(), 0755) == 0;
}

std::vector<std::string> HostFileSystem::ListFiles(const std::string& folder) {
  std::vector<std::string> names;
  std::string host = ToHostPath(folder);
  if (host.empty()) return names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(host, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code ec2;
    if (it->is_regular_file(ec2)) names.push_back(it->path().filename().string());
  }
  SortFileNames(names);
  return names;
}

int64_t HostFileSystem::FileLength(const std::string& path) {
  std::string host = ToHostPath(path);
  struct stat st {};
  if (host.empty() || ::stat(host.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  return static_cast<int64_t>(st.st_size);
}

}  // namespace yv::platform
