// The runtime folder named for Qt when the session gives none: Qt then
// starts without its warning and uses that folder.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QStandardPaths>
#include <QStringList>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/qt/RuntimeFolder.h"

namespace {

QStringList g_warnings;
void Collect(QtMsgType, const QMessageLogContext&, const QString& text) { g_warnings << text; }

// Sets an environment variable for the test's duration (unset with nullopt).
class EnvVar {
 public:
  EnvVar(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value->c_str(), 1);
    else
      unsetenv(name);
  }
  ~EnvVar() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace

TEST(RuntimeFolder, NamedWhenUnsetSoQtStartsWithoutItsWarning) {
  char tmpl[] = "/tmp/yv_runtime_XXXXXX";
  ASSERT_NE(mkdtemp(tmpl), nullptr);
  const std::string tmp = tmpl;
  const std::string folder = tmp + "/runtime-" + std::to_string(getuid());
  struct Case {
    const char* what;
    int existingMode;  // -1: no folder yet; -2: a link to another folder
    bool used;
  };
  for (const Case& c : {Case{"made anew", -1, true}, Case{"kept as it is", 0700, true},
                        Case{"made private", 0755, true}, Case{"a link is not followed", -2, false}}) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(folder);
    std::filesystem::remove_all(tmp + "/elsewhere");
    if (c.existingMode >= 0) {
      ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
      ASSERT_EQ(chmod(folder.c_str(), static_cast<mode_t>(c.existingMode)), 0);
    } else if (c.existingMode == -2) {
      std::filesystem::create_directory(tmp + "/elsewhere");
      std::filesystem::create_directory_symlink(tmp + "/elsewhere", folder);
    }
    EnvVar runtime("XDG_RUNTIME_DIR", std::nullopt);
    EnvVar tmpdir("TMPDIR", tmp + "/");
    yv::platform::PrepareRuntimeFolder();
    const char* named = std::getenv("XDG_RUNTIME_DIR");
    if (!c.used) {
      EXPECT_EQ(named, nullptr);
      continue;
    }
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(std::string(named), folder);
    struct stat st {};
    ASSERT_EQ(lstat(folder.c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 07777, 0700u);

    g_warnings.clear();
    QtMessageHandler previous = qInstallMessageHandler(Collect);
    const QString location = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    qInstallMessageHandler(previous);
    EXPECT_EQ(location.toStdString(), folder);
    EXPECT_TRUE(g_warnings.isEmpty()) << g_warnings.join("\n").toStdString();
  }
  // A variable the session set is left alone.
  EnvVar runtime("XDG_RUNTIME_DIR", std::string("/run/user/elsewhere"));
  yv::platform::PrepareRuntimeFolder();
  EXPECT_STREQ(std::getenv("XDG_RUNTIME_DIR"), "/run/user/elsewhere");
  std::filesystem::remove_all(tmp);
}
