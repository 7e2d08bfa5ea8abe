#include "platform/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/Paths.h"

namespace yv::platform {
namespace {

HostFileSystem g_host;
FileSystem* g_current = &g_host;

std::string LowerAscii(std::string s) {
  for (char& ch : s)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + 32);
  return s;
}

bool WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

void SortFileNames(std::vector<std::string>& names) {
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    std::string la = LowerAscii(a), lb = LowerAscii(b);
    return la != lb ? la < lb : a < b;
  });
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
  int fd = ::open(host.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return false;
  }
  bytes.reserve(static_cast<size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      bytes.clear();
      return false;
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  return true;
}

bool HostFileSystem::ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  std::string host = ToHostPath(path);
  if (host.empty() || host.back() == '/') return false;
  struct stat existing {};
  if (::stat(host.c_str(), &existing) == 0 && S_ISDIR(existing.st_mode)) return false;
  // The new text goes to a temporary file in the same folder, which then
  // takes the old file's place in one rename: a failed or interrupted write
  // never leaves a half-written file under the real name.
  std::string tmp = host + ".yvtmp-XXXXXX";
  std::vector<char> name(tmp.begin(), tmp.end());
  name.push_back(0);
  int fd = ::mkstemp(name.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  mode_t mode = 0644;
  if (::stat(host.c_str(), &existing) == 0) mode = existing.st_mode & 07777;
  ::fchmod(fd, mode);
  if (::close(fd) != 0) ok = false;
  if (ok && ::rename(name.data(), host.c_str()) == 0) return true;
  ::unlink(name.data());
  return false;
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
