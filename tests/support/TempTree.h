// A temporary drive C: and program folder for tests that touch real files.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace yv::test {

class TempTree {
 public:
  TempTree() {
    char tmpl[] = "/tmp/yv_test_XXXXXX";
    root_ = mkdtemp(tmpl);
    std::filesystem::create_directories(root_ / "drive_c" / "Editor");
    platform::SetDriveCFolder((root_ / "drive_c").string());
    platform::SetProgramFolder("C:\\Editor");
    previous_ = platform::FileSystem::Install(nullptr);  // the host's file system
  }
  ~TempTree() {
    platform::FileSystem::Install(previous_);
    platform::SetDriveCFolder("");
    platform::SetProgramFolder("");
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // The host path of a path on drive C: given with forward slashes ("Editor/x").
  std::filesystem::path Host(const std::string& relative) const { return root_ / "drive_c" / relative; }
  void Write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::create_directories(Host(relative).parent_path());
    std::ofstream(Host(relative), std::ios::binary) << bytes;
  }
  std::string Read(const std::string& relative) const {
    std::ifstream in(Host(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  bool Exists(const std::string& relative) const { return std::filesystem::exists(Host(relative)); }

 private:
  std::filesystem::path root_;
  platform::FileSystem* previous_ = nullptr;
};

inline std::string ReadHostFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace yv::test
