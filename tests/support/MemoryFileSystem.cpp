#include "tests/support/MemoryFileSystem.h"

#include <algorithm>

namespace yv::platform {
namespace {

std::string Upper(std::string s) {
  for (char& ch : s)
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 32);
  return s;
}

}  // namespace

namespace {
std::string Key(const std::string& path) {
  std::string k = Upper(path);
  for (char& ch : k)
    if (ch == '/') ch = '\\';
  while (k.size() > 1 && k.back() == '\\') k.pop_back();
  return k;
}
std::string ParentKey(const std::string& key) {
  auto slash = key.rfind('\\');
  return slash == std::string::npos ? std::string() : key.substr(0, slash);
}
}  // namespace

void MemoryFileSystem::Put(const std::string& path, std::string bytes) {
  std::string k = Key(path);
  files[k] = std::move(bytes);
  if (!names.count(k)) names[k] = path;
}

bool MemoryFileSystem::ReadWholeFile(const std::string& path, std::string& bytes) {
  auto it = files.find(Key(path));
  if (it == files.end()) {
    bytes.clear();
    return false;
  }
  bytes = it->second;
  return true;
}

bool MemoryFileSystem::ReplaceWholeFile(const std::string& path, std::string_view bytes) {
  ForgetWriteFailure();
  if (failWrites) {
    lastWriteFailure_ = failReason;
    lastFailedPath_ = path;
  }
  if (failWrites || path.empty() || FolderExists(path)) return false;
  Put(path, std::string(bytes));
  if (warnWrites) {
    lastWriteFailure_ = "The new file is in place, but it may not survive a power loss.";
    lastFailedPath_ = path;
    lastWriteWarned_ = true;
  }
  return true;
}

bool MemoryFileSystem::FileExists(const std::string& path) { return files.count(Key(path)) > 0; }

bool MemoryFileSystem::FolderExists(const std::string& path) {
  std::string k = Key(path);
  if (std::find(folders.begin(), folders.end(), k) != folders.end()) return true;
  for (const auto& [key, _] : files)
    if (ParentKey(key) == k || (key.size() > k.size() && key.compare(0, k.size(), k) == 0 && key[k.size()] == '\\'))
      return true;
  return false;
}

void MemoryFileSystem::DeleteQuietly(const std::string& path) {
  std::string k = Key(path);
  files.erase(k);
  names.erase(k);
}

bool MemoryFileSystem::MakeFolder(const std::string& path) {
  if (path.empty() || FolderExists(path) || FileExists(path)) return false;
  folders.push_back(Key(path));
  return true;
}

std::vector<std::string> MemoryFileSystem::ListFiles(const std::string& folder) {
  std::vector<std::string> out;
  std::string k = Key(folder);
  for (const auto& [key, original] : names) {
    if (ParentKey(key) != k || !files.count(key)) continue;
    auto slash = original.find_last_of("\\/");
    out.push_back(slash == std::string::npos ? original : original.substr(slash + 1));
  }
  SortFileNames(out);
  return out;
}

int64_t MemoryFileSystem::FileLength(const std::string& path) {
  auto it = files.find(Key(path));
  return it == files.end() ? -1 : static_cast<int64_t>(it->second.size());
}

}  // namespace yv::platform
