#include "platform/Paths.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace yv::platform {
namespace {

std::string g_driveCOverride;
std::string g_programFolderOverride;

std::string TrimTrailingSlashes(std::string s) {
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

std::string BackslashesToSlashes(std::string s) {
  for (char& ch : s)
    if (ch == '\\') ch = '/';
  return s;
}

bool IsDriveLetter(char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }

// "a/./b/../c" -> "a/c" without touching the disk, so that a path that
// climbs out of drive C: with ".." cannot be turned into a host path above it.
std::string Normalise(const std::string& slashPath) {
  std::string out;
  std::string part;
  std::vector<std::string> parts;
  for (size_t i = 0; i <= slashPath.size(); ++i) {
    if (i == slashPath.size() || slashPath[i] == '/') {
      if (part == "..") {
        if (!parts.empty()) parts.pop_back();
      } else if (!part.empty() && part != ".") {
        parts.push_back(part);
      }
      part.clear();
    } else {
      part += slashPath[i];
    }
  }
  for (const auto& p : parts) out += "/" + p;
  return out;  // begins with '/', or is empty for the root
}

}  // namespace

std::string ProgramHostFolder() {
  char buf[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return TrimTrailingSlashes(std::filesystem::current_path().string());
  buf[n] = 0;
  std::string exe(buf);
  auto slash = exe.rfind('/');
  if (slash == std::string::npos || slash == 0) return "/";
  return exe.substr(0, slash);
}

std::string DriveCFolder() {
  if (!g_driveCOverride.empty()) return g_driveCOverride;
  if (const char* env = std::getenv("YV_DRIVE_C"); env && *env) {
    std::filesystem::path p(env);
    if (p.is_relative()) p = std::filesystem::current_path() / p;
    return TrimTrailingSlashes(p.lexically_normal().string());
  }
  return TrimTrailingSlashes(ProgramHostFolder()) + "/drive_c";
}

void SetDriveCFolder(const std::string& hostFolder) { g_driveCOverride = TrimTrailingSlashes(hostFolder); }

std::string ToHostPath(const std::string& windowsPath) {
  const std::string& w = windowsPath;
  if (w.size() >= 2 && IsDriveLetter(w[0]) && w[1] == ':') {
    char drive = static_cast<char>(w[0] & ~0x20);
    std::string rest = Normalise(BackslashesToSlashes(w.substr(2)));
    if (drive == 'C') return DriveCFolder() + rest;
    if (drive == 'Z') return rest.empty() ? "/" : rest;
    return "";
  }
  if (!w.empty() && (w[0] == '\\' || w[0] == '/')) {
    // "\\server\share" is not supported; a single leading backslash is the root of drive C:.
    if (w.size() >= 2 && (w[1] == '\\' || w[1] == '/')) return "";
    return DriveCFolder() + Normalise(BackslashesToSlashes(w));
  }
  return BackslashesToSlashes(w);  // relative to the current folder
}

std::string ToWindowsPath(const std::string& hostPath) {
  std::filesystem::path p(hostPath);
  if (p.is_relative()) p = std::filesystem::current_path() / p;
  std::string abs = TrimTrailingSlashes(p.lexically_normal().string());
  const std::string c = DriveCFolder();
  std::string win;
  if (abs == c) {
    win = "C:\\";
  } else if (abs.size() > c.size() && abs.compare(0, c.size(), c) == 0 && abs[c.size()] == '/') {
    win = "C:" + abs.substr(c.size());
  } else {
    win = "Z:" + abs;
    if (abs == "/") win = "Z:\\";
  }
  for (char& ch : win)
    if (ch == '/') ch = '\\';
  return win;
}

std::string ProgramFolder() {
  if (!g_programFolderOverride.empty()) return g_programFolderOverride;
  return ToWindowsPath(ProgramHostFolder());
}

void SetProgramFolder(const std::string& windowsPath) { g_programFolderOverride = windowsPath; }

}  // namespace yv::platform
