// The runtime folder named for Qt when the session gives none.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QStandardPaths>
#include <QStringList>
#include <filesystem>
#include <string>

#include "platform/qt/RuntimeFolder.h"

namespace {
QStringList g_warnings;
void Collect(QtMsgType, const QMessageLogContext&, const QString& text) { g_warnings << text; }
}  // namespace

TEST(RuntimeFolder, NamedPrivateWhenUnsetSoQtStartsWithoutItsWarning) {
  char tmpl[] = "/tmp/yv_runtime_XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  const std::string tmp = tmpl, folder = tmp + "/runtime-" + std::to_string(getuid());
  auto value = [](const char* name) { return std::string(getenv(name) ? getenv(name) : ""); };
  auto restore = [](const char* name, const std::string& v) {
    v.empty() ? unsetenv(name) : setenv(name, v.c_str(), 1);
  };
  const std::string runtimeBefore = value("XDG_RUNTIME_DIR"), tmpBefore = value("TMPDIR");
  setenv("TMPDIR", tmpl, 1);
  // -1: no folder yet; -2: a link planted under its name.
  for (int existing : {-1, 0755, -2}) {
    std::filesystem::remove_all(folder);
    if (existing == -2) std::filesystem::create_directory_symlink(tmp, folder);
    if (existing >= 0) {
      ASSERT_EQ(mkdir(folder.c_str(), static_cast<mode_t>(existing)), 0);
      ASSERT_EQ(chmod(folder.c_str(), static_cast<mode_t>(existing)), 0);  // whatever the umask
    }
    unsetenv("XDG_RUNTIME_DIR");
    yv::platform::PrepareRuntimeFolder();
    const char* named = getenv("XDG_RUNTIME_DIR");
    if (existing == -2) {
      EXPECT_EQ(named, nullptr) << "a link is never followed";
      continue;
    }
    ASSERT_NE(named, nullptr) << existing;
    EXPECT_EQ(named, folder);
    struct stat st {};
    ASSERT_EQ(lstat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u) << existing;
    g_warnings.clear();
    QtMessageHandler handler = qInstallMessageHandler(Collect);
    EXPECT_EQ(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).toStdString(), folder);
    qInstallMessageHandler(handler);
    EXPECT_TRUE(g_warnings.isEmpty()) << g_warnings.join("\n").toStdString();
  }
  // A folder the session names is left alone.
  setenv("XDG_RUNTIME_DIR", "/run/user/elsewhere", 1);
  yv::platform::PrepareRuntimeFolder();
  EXPECT_STREQ(getenv("XDG_RUNTIME_DIR"), "/run/user/elsewhere");
  restore("TMPDIR", tmpBefore);
  restore("XDG_RUNTIME_DIR", runtimeBefore);
  std::filesystem::remove_all(tmp);
}
