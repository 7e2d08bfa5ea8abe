#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <random>
#include <set>
#include <thread>
#include <utility>

#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "model/YVE_Read.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/System.h"
#include "platform/TextInput.h"
#include "tests/support/MemoryFileSystem.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TestState.h"

namespace fs = std::filesystem;
using namespace yv::platform;

namespace {

struct TempDir {
  fs::path path;
  explicit TempDir(const std::string& base = "/tmp") {
    std::string tmpl = base + "/yv_platform_XXXXXX";
    path = mkdtemp(tmpl.data());
  }
  ~TempDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};

std::string ReadHost(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The names in a folder, sorted; none for a folder that is not there.
std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

unsigned ModeOf(const fs::path& p) {
  struct stat st {};
  return ::stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0xFFFFu;
}

// Runs a read on another thread and says whether it came back within a
// second. A read that hangs on a FIFO is set free by opening the FIFO for
// writing, so a failing test does not hang the whole run.
template <typename Read>
bool ReturnsAtOnce(Read read, const fs::path& fifo) {
  auto done = std::async(std::launch::async, read);
  if (done.wait_for(std::chrono::seconds(1)) == std::future_status::ready) return true;
  std::ofstream(fifo) << "";
  done.wait();
  return false;
}

// Saves in place need a folder the saver may not write. Root writes every
// folder, so as root they run in a forked child that has become an ordinary
// user (65534); any other user stays itself and finds the folder read-only.
const bool kRoot = ::geteuid() == 0;
const uid_t kUser = kRoot ? 65534 : ::geteuid();

// Drive C: as a folder for saves in place, and a cache folder for their
// backups that the ordinary user owns. Files are put in first; then Seal()
// takes the write permission of the folder away from the user.
struct InPlaceFolder {
  TempDir dir, cache;
  explicit InPlaceFolder(const std::string& base = "/tmp") : dir(base), cache(base) {
    SetDriveCFolder(dir.path.string());
    EXPECT_EQ(::chown(cache.path.c_str(), kUser, -1), 0);
  }
  ~InPlaceFolder() {
    ::chmod(dir.path.c_str(), 0700);
    SetDriveCFolder("");
  }
  void Put(const std::string& name, const std::string& text, unsigned mode = 0644, uid_t owner = kUser) {
    std::ofstream(dir.path / name, std::ios::binary) << text;
    EXPECT_EQ(::chown((dir.path / name).c_str(), owner, -1), 0);
    EXPECT_EQ(::chmod((dir.path / name).c_str(), mode), 0);
  }
  void Seal() { EXPECT_EQ(::chmod(dir.path.c_str(), kRoot ? 0755 : 0555), 0); }
  // In a forked child: becomes the ordinary user, with the cache folder as
  // its own, or ends with 3.
  void BecomeUser() const {
    if (kRoot && (::setgroups(0, nullptr) != 0 || ::setgid(kUser) != 0 || ::setuid(kUser) != 0)) ::_exit(3);
    setenv("XDG_CACHE_HOME", cache.path.c_str(), 1);
  }
  // The paths of the backups the saves keep, temporaries aside.
  std::vector<std::string> Backups() const {
    std::vector<std::string> kept;
    for (const std::string& name : Entries(cache.path / "YV_Editor"))
      if (name[0] != '.') kept.push_back((cache.path / "YV_Editor" / name).string());
    return kept;
  }
};

// Reads a file under a shared lock, as one that waits for a save in place.
std::string ReadLocked(const fs::path& p) {
  int fd = ::open(p.c_str(), O_RDONLY);
  ::flock(fd, LOCK_SH);
  std::string text = ReadHost(p);
  ::close(fd);
  return text;
}

}  // namespace

TEST(Paths, WindowsPathsMapToDriveCAndZAndBack) {
  SetDriveCFolder("/srv/drive_c");
  EXPECT_EQ(ToHostPath("C:\\Program Files\\Yorvane\\data\\levels\\level1.yvl"),
            "/srv/drive_c/Program Files/Yorvane/data/levels/level1.yvl");
  EXPECT_EQ(ToHostPath("c:\\a\\b"), "/srv/drive_c/a/b");  // drive letters in any case
  EXPECT_EQ(ToHostPath("C:\\a\\"), "/srv/drive_c/a");     // trailing backslash
  EXPECT_EQ(ToHostPath("C:\\"), "/srv/drive_c");
  EXPECT_EQ(ToHostPath("\\level1.yvl"), "/srv/drive_c/level1.yvl");  // one backslash: drive C:
  EXPECT_EQ(ToHostPath("Z:\\home\\u\\x.yvl"), "/home/u/x.yvl");
  EXPECT_EQ(ToHostPath("Z:\\"), "/");
  EXPECT_EQ(ToHostPath("info"), "info");  // relative to the current folder
  EXPECT_EQ(ToHostPath("sets\\one\\info"), "sets/one/info");
  EXPECT_EQ(ToHostPath("D:\\x"), "");  // no other drives
  EXPECT_EQ(ToHostPath("\\\\server\\share"), "");
  EXPECT_EQ(ToHostPath("C:\\a\\..\\..\\..\\etc\\passwd"), "/srv/drive_c/etc/passwd");  // cannot climb out

  EXPECT_EQ(ToWindowsPath("/srv/drive_c/Program Files/Yorvane/x.yvl"), "C:\\Program Files\\Yorvane\\x.yvl");
  EXPECT_EQ(ToWindowsPath("/srv/drive_c"), "C:\\");
  EXPECT_EQ(ToWindowsPath("/srv/drive_cx/file"), "Z:\\srv\\drive_cx\\file");  // not inside drive C:
  EXPECT_EQ(ToWindowsPath("/home/u/x.yvl"), "Z:\\home\\u\\x.yvl");
  EXPECT_EQ(ToWindowsPath("/"), "Z:\\");
  EXPECT_EQ(ToHostPath(ToWindowsPath("/tmp/a b/c.yvl")), "/tmp/a b/c.yvl");
  SetDriveCFolder("");
}

TEST(Paths, DriveCComesFromTheEnvironmentOrBesideTheProgram) {
  SetDriveCFolder("");
  unsetenv("YV_DRIVE_C");
  EXPECT_EQ(DriveCFolder(), ProgramHostFolder() + "/drive_c");
  setenv("YV_DRIVE_C", "/opt/cdrive/", 1);
  EXPECT_EQ(DriveCFolder(), "/opt/cdrive");
  EXPECT_EQ(ToHostPath("C:\\x"), "/opt/cdrive/x");
  unsetenv("YV_DRIVE_C");
}

TEST(Files, ReplaceKeepsTheOldFileUntilTheNewOneIsWritten) {
  TempDir dir;
  SetDriveCFolder(dir.path.string());
  HostFileSystem host;
  ASSERT_TRUE(host.ReplaceWholeFile("C:\\a.txt", std::string("old\0text", 8)));
  EXPECT_EQ(ReadHost(dir.path / "a.txt"), std::string("old\0text", 8));
  ASSERT_TRUE(host.ReplaceWholeFile("C:\\a.txt", "new"));
  EXPECT_EQ(ReadHost(dir.path / "a.txt"), "new");
  // A write into a missing folder fails and leaves nothing behind.
  EXPECT_FALSE(host.ReplaceWholeFile("C:\\missing\\a.txt", "x"));
  // A folder of that name is never replaced by a file.
  fs::create_directory(dir.path / "sub");
  EXPECT_FALSE(host.ReplaceWholeFile("C:\\sub", "x"));
  EXPECT_TRUE(fs::is_directory(dir.path / "sub"));
  // A read-only folder takes no new file, and the file beside it is untouched.
  fs::create_directory(dir.path / "ro");
  std::ofstream(dir.path / "ro" / "keep.yvl") << "level";
  fs::permissions(dir.path / "ro", fs::perms::owner_read | fs::perms::owner_exec);
  if (geteuid() != 0) {  // root writes anywhere
    EXPECT_FALSE(host.ReplaceWholeFile("C:\\ro\\new.yvl", "broken"));
    EXPECT_EQ(ReadHost(dir.path / "ro" / "keep.yvl"), "level");
    EXPECT_EQ(Entries(dir.path / "ro"), (std::vector<std::string>{"keep.yvl"}));
  }
  fs::permissions(dir.path / "ro", fs::perms::owner_all);
  EXPECT_EQ(Entries(dir.path), (std::vector<std::string>{"a.txt", "ro", "sub"}));  // no temporary left
  SetDriveCFolder("");
}

TEST(Files, OnlyOrdinaryFilesAreReadAndEveryReaderFailsAtOnce) {
  TempDir dir;
  SetDriveCFolder(dir.path.string());
  HostFileSystem host;
  FileSystem* previous = FileSystem::Install(&host);
  ASSERT_EQ(::mkfifo((dir.path / "fifo").c_str(), 0644), 0);
  fs::create_directory(dir.path / "folder");
  fs::create_symlink("/dev/zero", dir.path / "device");
  fs::create_symlink("fifo", dir.path / "to_fifo");
  const fs::path fifo = dir.path / "fifo";
  for (const char* name : {"C:\\fifo", "C:\\to_fifo", "C:\\folder", "C:\\device"}) {
    SCOPED_TRACE(name);
    std::string bytes = "left over";
    EXPECT_TRUE(ReturnsAtOnce([&] { EXPECT_FALSE(host.ReadWholeFile(name, bytes)); }, fifo));
    EXPECT_EQ(bytes, "");
    int n = FreeFile();
    EXPECT_TRUE(ReturnsAtOnce([&] { EXPECT_FALSE(OpenForInput(n, name)); }, fifo));
    // Nothing of that name is ever replaced by an ordinary file.
    EXPECT_FALSE(host.ReplaceWholeFile(name, "x"));
    EXPECT_FALSE(host.LastWriteFailure().empty());
  }
  EXPECT_TRUE(fs::is_fifo(fifo));

  // The level reader gives its usual box; the preferences load gives the
  // all-zero record and leaves the FIFO alone.
  yv::test::ResetProgramState();
  ScriptedUi ui;
  EXPECT_TRUE(ReturnsAtOnce([] { yv::ReadLevelFile("C:\\fifo"); }, fifo));
  ASSERT_EQ(ui.msgCalls.size(), 1u);
  EXPECT_EQ(ui.msgCalls[0].title, "ZUNBO File Read Error");
  SetProgramFolder("C:\\");
  ::unlink(fifo.c_str());
  ASSERT_EQ(::mkfifo((dir.path / "YV_Editor.Preferences").c_str(), 0644), 0);
  yv::Pref.SavedTile = 5;
  EXPECT_TRUE(ReturnsAtOnce([] { yv::LoadPreferences(); }, dir.path / "YV_Editor.Preferences"));
  EXPECT_EQ(yv::Pref.SavedTile, 0);
  EXPECT_TRUE(fs::is_fifo(dir.path / "YV_Editor.Preferences"));
  SetProgramFolder("");
  FileSystem::Install(previous);
  SetDriveCFolder("");
}

TEST(Files, ReplaceWritesThroughSymbolicLinksAndKeepsThem) {
  TempDir dir;
  SetDriveCFolder(dir.path.string());
  HostFileSystem host;
  fs::create_directory(dir.path / "sets");
  std::ofstream(dir.path / "sets" / "real.yvl") << "old";
  fs::create_symlink("sets/real.yvl", dir.path / "link.yvl");         // relative
  fs::create_symlink(dir.path / "link.yvl", dir.path / "chain.yvl");  // absolute, to another link
  fs::create_symlink("sets/new.yvl", dir.path / "dangling.yvl");
  struct Case {
    const char* path;
    const char* link;
    const char* target;
  } cases[] = {{"C:\\link.yvl", "link.yvl", "sets/real.yvl"},
               {"C:\\chain.yvl", "chain.yvl", "sets/real.yvl"},
               {"C:\\dangling.yvl", "dangling.yvl", "sets/new.yvl"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const std::string text = std::string("saved through ") + c.link;
    ASSERT_TRUE(host.ReplaceWholeFile(c.path, text));
    EXPECT_TRUE(fs::is_symlink(dir.path / c.link));
    EXPECT_EQ(ReadHost(dir.path / c.target), text);
  }
  EXPECT_EQ(fs::read_symlink(dir.path / "link.yvl"), "sets/real.yvl");
  EXPECT_EQ(Entries(dir.path / "sets"), (std::vector<std::string>{"new.yvl", "real.yvl"}));
  // A link that leads round in a circle is refused.
  fs::create_symlink("loop_b", dir.path / "loop_a");
  fs::create_symlink("loop_a", dir.path / "loop_b");
  EXPECT_FALSE(host.ReplaceWholeFile("C:\\loop_a", "x"));
  EXPECT_TRUE(fs::is_symlink(dir.path / "loop_a"));
  SetDriveCFolder("");
}

TEST(Files, ReplaceRefusesAWriteProtectedFileAndSaysWhy) {
  TempDir dir;
  SetDriveCFolder(dir.path.string());
  HostFileSystem host;
  std::ofstream(dir.path / "locked.yvl") << "keep me";
  fs::permissions(dir.path / "locked.yvl", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_FALSE(host.ReplaceWholeFile("C:\\locked.yvl", "broken"));
  EXPECT_EQ(host.LastWriteFailure(), "The file is write-protected.");
  EXPECT_EQ(ReadHost(dir.path / "locked.yvl"), "keep me");
  EXPECT_EQ(ModeOf(dir.path / "locked.yvl"), 0440u);
  EXPECT_EQ(Entries(dir.path), (std::vector<std::string>{"locked.yvl"}));
  // The reason goes on a second line of the writer's message; a success clears it.
  FileSystem* previous = FileSystem::Install(&host);
  const std::string message = "Error Saving Level Data!";
  EXPECT_EQ(WithWriteFailure(message, "C:\\other.yvl"), message);  // not the file that failed
  EXPECT_FALSE(host.ReplaceWholeFile("C:\\locked.yvl", "broken"));
  EXPECT_EQ(WithWriteFailure(message, "C:\\locked.yvl"), message + "\r\nThe file is write-protected.");
  EXPECT_EQ(WithWriteFailure(message, "C:\\locked.yvl"), message);  // told once
  EXPECT_FALSE(host.ReplaceWholeFile("C:\\missing\\a.yvl", "x"));
  EXPECT_EQ(host.LastWriteFailure(), "The folder does not exist.");
  EXPECT_TRUE(host.ReplaceWholeFile("C:\\free.yvl", "x"));
  EXPECT_EQ(WithWriteFailure(message, "C:\\missing\\a.yvl"), message);  // a success clears it
  FileSystem::Install(previous);
  SetDriveCFolder("");
}

TEST(Files, AFolderSyncThatFailsAfterTheRenameIsAWarningNotAFailedSave) {
  TempDir dir;
  SetDriveCFolder(dir.path.string());
  HostFileSystem host;
  FileSystem* previous = FileSystem::Install(&host);
  static int syncError = 0;
  detail::FolderSync before = detail::SetFolderSync([](int) { return (errno = syncError) == 0 ? 0 : -1; });
  const std::string warned = std::string("Error!\r\n") + kNotDurableWarning;
  struct Case {
    int error;
    std::string box;
  } cases[] = {{0, "Error!"}, {EINVAL, "Error!"}, {ENOTSUP, "Error!"}, {ENOSPC, warned}, {EIO, warned}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    std::ofstream(dir.path / ".w.yvwm~k3") << "stale";
    syncError = c.error;
    EXPECT_TRUE(host.ReplaceWholeFile("C:\\w.yvwm", "world " + std::to_string(c.error)));
    EXPECT_EQ(host.LastWriteWarned("C:\\w.yvwm"), c.box == warned);
    EXPECT_EQ(WithWriteFailure("Error!", "C:\\w.yvwm"), c.box);
    EXPECT_FALSE(host.LastWriteWarned("C:\\w.yvwm"));  // told once
  }
  EXPECT_EQ(ReadHost(dir.path / "w.yvwm"), "world " + std::to_string(EIO));
  EXPECT_EQ(Entries(dir.path), (std::vector<std::string>{"w.yvwm"}));
  detail::SetFolderSync(before);
  FileSystem::Install(previous);
  SetDriveCFolder("");
}

TEST(Files, NewFilesFollowTheUmaskAndReplacedFilesKeepTheirMode) {
  TempDir dir;
  SetDriveCFolder(dir.path.string());
  HostFileSystem host;
  struct Case {
    mode_t umask;
    unsigned oldMode;  // 0: no file before
    unsigned expected;
  } cases[] = {{077, 0, 0600},    {022, 0, 0644},    {002, 0, 0664},   {077, 0644, 0644},
               {022, 0600, 0600}, {022, 0755, 0755}, {000, 0640, 0640}};
  int i = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(i);
    const std::string name = "f" + std::to_string(i++) + ".yvl";
    if (c.oldMode != 0) {
      std::ofstream(dir.path / name) << "old";
      ::chmod((dir.path / name).c_str(), c.oldMode);
    }
    mode_t before = ::umask(c.umask);
    bool ok = host.ReplaceWholeFile("C:\\" + name, "new");
    ::umask(before);
    ASSERT_TRUE(ok);
    EXPECT_EQ(ModeOf(dir.path / name), c.expected);
    EXPECT_EQ(ReadHost(dir.path / name), "new");
  }
  SetDriveCFolder("");
}

// A folder the user may not write, with files in it that the user may: the
// save makes no temporary and writes the file where it is, with a backup in
// the cache folder that is gone once the save is done, or stays when the old
// text could not be put back ("@" in the reason stands for its path).
TEST(Files, AWritableFileInAFolderTheUserCannotWriteIsWrittenInPlace) {
  InPlaceFolder place;
  const fs::path& dir = place.dir.path;
  constexpr rlim_t kNoLimit = RLIM_INFINITY;
  enum Fault { kNone, kShortWriteThenNone, kNoTruncate };
  const std::string noCache = (dir / "nocache").string();
  const std::string damaged = "The disk could not be written. The file may be damaged; its old text is kept in @";
  struct Case {
    std::string name, old;  // old empty: no file before
    unsigned mode;
    bool theirs;  // owned by root, not by the user (tested as root only)
    rlim_t sizeLimit;
    std::string text, reason;  // reason empty: the save succeeds
    Fault fault = kNone;
    std::string cache = "";  // another cache folder than the user's
    std::string torn = "";   // the file when the old text could not be put back
  } cases[] = {
      {"shorter.yvl", "an old text longer than the new", 0644, false, kNoLimit, "new text", ""},
      {"link.yvl", "old", 0600, false, kNoLimit, "a new text longer than the old", ""},
      {"shared.yvl", "old", 0666, true, kNoLimit, "new", ""},
      {"cut.yvl", std::string(50, 'o'), 0644, false, 100, std::string(5000, 'n'), "The file is too large."},
      {"locked.yvl", "old", 0444, false, kNoLimit, "new", "The file is write-protected."},
      {"theirs.yvl", "old", 0644, true, kNoLimit, "new", "The file is write-protected."},
      {"new.yvl", "", 0, false, kNoLimit, "new", "Permission denied."},
      {"unbacked.yvl", "old", 0644, false, kNoLimit, "new",
       "No backup of the old text could be made in " + noCache + "/YV_Editor: Permission denied.", kNone, noCache},
      {"headless.yvl", "old", 0644, false, kNoLimit, "new",
       "No backup of the old text could be made: there is no home folder.", kNone, "none"},
      {"cutoff.yvl", "old text that is long", 0644, false, kNoLimit, "NEW TEXT", damaged, kShortWriteThenNone, "",
       "NEW text that is long"},
      {"untruncated.yvl", "old", 0644, false, kNoLimit, "a new longer text", damaged, kNoTruncate, "",
       "oldew longer text"},
  };
  fs::create_symlink("linked.yvl", dir / "link.yvl");
  for (const Case& c : cases)
    if (!c.old.empty() && (kRoot || !c.theirs)) place.Put(c.name, c.old, c.mode, c.theirs ? 0 : kUser);
  const std::vector<std::string> names = Entries(dir);
  place.Seal();
  for (const Case& c : cases) {
    if (c.theirs && !kRoot) continue;
    SCOPED_TRACE(c.name);
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      place.BecomeUser();
      ::signal(SIGXFSZ, SIG_IGN);  // past the limit a write fails with EFBIG
      const rlimit limit{c.sizeLimit, c.sizeLimit};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      if (c.cache == "none")
        unsetenv("HOME"), unsetenv("XDG_CACHE_HOME");
      else if (!c.cache.empty())
        setenv("XDG_CACHE_HOME", c.cache.c_str(), 1);
      if (c.fault == kShortWriteThenNone)
        detail::SetInPlaceWrite([](int fd, const void* data, size_t size) -> ssize_t {
          static bool cut = false;
          if (!std::exchange(cut, true)) return ::write(fd, data, std::min<size_t>(size, 3));
          errno = EIO;
          return -1;
        });
      if (c.fault == kNoTruncate) detail::SetInPlaceTruncate([](int, off_t) { return errno = EIO, -1; });
      HostFileSystem host;
      bool ok = host.ReplaceWholeFile("C:\\" + c.name, c.text);
      std::string reason = c.reason;  // with the path of the one backup kept for "@"
      if (reason.find('@') != std::string::npos && place.Backups().size() == 1)
        reason.replace(reason.find('@'), 1, place.Backups()[0]);
      ::_exit(ok != c.reason.empty() ? 1 : host.LastWriteFailure() != reason ? 2 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3) GTEST_SKIP() << "cannot become an ordinary user here";
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0) << "1: wrong outcome, 2: wrong reason";
    const std::vector<std::string> kept = place.Backups();
    EXPECT_EQ(kept.size(), c.torn.empty() ? 0u : 1u);
    for (const std::string& backup : kept) EXPECT_EQ(ReadHost(backup), c.old);
    for (const std::string& backup : kept) fs::remove(backup);
    struct stat st {};  // all zero for a file that is not there
    ::stat((dir / c.name).c_str(), &st);
    EXPECT_EQ(ReadHost(dir / c.name), !c.torn.empty() ? c.torn : c.reason.empty() ? c.text : c.old);
    EXPECT_EQ(st.st_mode & 07777, c.mode);
    EXPECT_EQ(st.st_uid, c.theirs || c.old.empty() ? 0 : kUser);
  }
  EXPECT_TRUE(fs::is_symlink(dir / "link.yvl"));
  EXPECT_EQ(Entries(dir), names);  // no temporary anywhere
}

TEST(Files, ReplaceKeepsTheOwnerWhereTheUserMaySetIt) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  TempDir dir;
  SetDriveCFolder(dir.path.string());
  HostFileSystem host;
  std::ofstream(dir.path / "theirs.yvl") << "old";
  ASSERT_EQ(::chown((dir.path / "theirs.yvl").c_str(), 65534, 65534), 0);
  ::chmod((dir.path / "theirs.yvl").c_str(), 0640);
  ASSERT_TRUE(host.ReplaceWholeFile("C:\\theirs.yvl", "new"));
  struct stat st {};
  ASSERT_EQ(::stat((dir.path / "theirs.yvl").c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 65534u);
  EXPECT_EQ(st.st_gid, 65534u);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  SetDriveCFolder("");
}

TEST(Files, TemporariesAreShortAndThoseOfACrashAreRemovedByTheNextSave) {
  TempDir dir;
  SetDriveCFolder(dir.path.string());
  HostFileSystem host;
  // Left over from interrupted saves of a.yvl (both naming schemes), and
  // files that only look alike.
  for (const char* name : {".a.yvl~k3", ".a.yvl~00", "a.yvl.yvtmp-Ab12Cd", ".a.yvl~k3x", ".b.yvl~k3", "a.yvl~k3"})
    std::ofstream(dir.path / name) << "stale";
  fs::create_directory(dir.path / ".a.yvl~zz");
  // Temporaries that running saves are writing: they hold them locked.
  int held[] = {::open((dir.path / ".a.yvl~h1").c_str(), O_WRONLY | O_CREAT, 0600),
                ::open((dir.path / "a.yvl.yvtmp-Held01").c_str(), O_WRONLY | O_CREAT, 0600)};
  for (int fd : held) ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  ASSERT_TRUE(host.ReplaceWholeFile("C:\\a.yvl", "level"));
  EXPECT_EQ(Entries(dir.path), (std::vector<std::string>{".a.yvl~h1", ".a.yvl~k3x", ".a.yvl~zz", ".b.yvl~k3", "a.yvl",
                                                         "a.yvl.yvtmp-Held01", "a.yvl~k3"}));
  // Once their save has ended (here: crashed), the next save removes them.
  for (int fd : held) ::close(fd);
  ASSERT_TRUE(host.ReplaceWholeFile("C:\\a.yvl", "level"));
  EXPECT_EQ(Entries(dir.path), (std::vector<std::string>{".a.yvl~k3x", ".a.yvl~zz", ".b.yvl~k3", "a.yvl", "a.yvl~k3"}));

  // Names up to the longest the file system takes can be saved, and leave
  // nothing beside them.
  for (size_t length : {250u, 251u, 255u}) {
    SCOPED_TRACE(length);
    TempDir longDir;
    SetDriveCFolder(longDir.path.string());
    const std::string name(length, 'n');
    ASSERT_TRUE(host.ReplaceWholeFile("C:\\" + name, "first"));
    std::ofstream(longDir.path / ("." + name.substr(0, 251) + "~q7")) << "stale";
    ASSERT_TRUE(host.ReplaceWholeFile("C:\\" + name, "second"));
    EXPECT_EQ(ReadHost(longDir.path / name), "second");
    EXPECT_EQ(Entries(longDir.path), (std::vector<std::string>{name}));
  }
  SetDriveCFolder("");
}

// Save number i of writer w: a head naming it, then filler whose length
// differs from save to save, so that a torn or mixed file matches no save.
std::string SaveText(int w, int i) {
  return "writer " + std::to_string(w) + " save " + std::to_string(i) + "\n" +
         std::string(1000 + 37 * i % 3000, static_cast<char>('a' + w));
}

// Saved beside the file and renamed, or where it lies in a folder the saver
// may not write: every save succeeds and the file is always whole (in place,
// to a reader that waits for the lock as the saves do). No temporary or
// backup stays but the one an earlier crash left, untouched.
TEST(Files, TwoProcessesSavingOneFileAtOnceNeverFailAndTheFileIsAlwaysWhole) {
  for (bool inPlace : {false, true}) {
    SCOPED_TRACE(inPlace ? "in place" : "renamed");
    InPlaceFolder place;
    constexpr int kSaves = 300;
    std::set<std::string> whole;
    for (int i = 0; i < kSaves; ++i) whole.insert({SaveText(0, i), SaveText(1, i)});
    place.Put("world.yvwm", SaveText(0, 0));
    const fs::path backups = place.cache.path / "YV_Editor";
    fs::create_directory(backups);
    std::ofstream(backups / "world.yvwm~k3") << "an earlier text";
    ASSERT_EQ(::chown(backups.c_str(), kUser, -1), 0);
    if (inPlace) place.Seal();
    for (int w = 0; w < 2; ++w)
      if (::fork() == 0) {
        if (inPlace) place.BecomeUser();
        HostFileSystem host;
        int failed = 0;
        for (int i = 0; i < kSaves; ++i) failed += host.ReplaceWholeFile("C:\\world.yvwm", SaveText(w, i)) ? 0 : 1;
        ::_exit(std::min(failed, 255));  // the number of failed saves
      }
    int reads = 0, torn = 0, status = 0;
    std::vector<int> failedSaves;
    for (pid_t ended = 0; ended >= 0 && failedSaves.size() < 2; ++reads) {
      if ((ended = ::waitpid(-1, &status, WNOHANG)) > 0)
        failedSaves.push_back(WIFEXITED(status) ? WEXITSTATUS(status) : 256);
      torn += whole.count(ReadLocked(place.dir.path / "world.yvwm")) ? 0 : 1;
    }
    if (inPlace && failedSaves == std::vector<int>{3, 3}) GTEST_SKIP() << "cannot become an ordinary user here";
    EXPECT_EQ(failedSaves, (std::vector<int>{0, 0}));
    EXPECT_EQ(torn, 0) << "of " << reads << " reads";
    EXPECT_EQ(Entries(place.dir.path), (std::vector<std::string>{"world.yvwm"}));
    EXPECT_EQ(Entries(backups), (std::vector<std::string>{"world.yvwm~k3"}));
    EXPECT_EQ(ReadHost(backups / "world.yvwm~k3"), "an earlier text");
  }
}

// A save in place killed at any moment leaves a whole text in the file or in
// a backup, and never a backup that is not whole. In memory, where a sync
// costs nothing, a save spends most of its time writing, so most kills
// land in a write.
TEST(Files, ASaveInPlaceKilledAtAnyMomentLeavesTheFileOrItsBackupWhole) {
  InPlaceFolder place(fs::is_directory("/dev/shm") ? "/dev/shm" : "/tmp");
  const std::string texts[] = {"long\n" + std::string(1000000, 'l'), "short\n" + std::string(200000, 's')};
  const fs::path file = place.dir.path / "world.yvwm";
  place.Put("world.yvwm", texts[0]);
  place.Seal();
  std::mt19937 random(7);
  int tornFiles = 0;
  for (int t = 0; t < 40; ++t) {
    int running[2];
    ASSERT_EQ(::pipe(running), 0);
    pid_t child = ::fork();
    if (child == 0) {
      place.BecomeUser();
      HostFileSystem host;
      host.ReplaceWholeFile("C:\\world.yvwm", texts[1]);
      ::close(running[1]);  // the first save is done: the kill may come
      for (int i = 0;; ++i) host.ReplaceWholeFile("C:\\world.yvwm", texts[i % 2]);
    }
    ::close(running[1]);
    char end;
    EXPECT_EQ(::read(running[0], &end, 1), 0);
    ::close(running[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 10000));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 3) GTEST_SKIP() << "cannot become an ordinary user here";
    const std::string now = ReadHost(file);
    const bool fileWhole = now == texts[0] || now == texts[1];
    bool backedUp = false;
    for (const std::string& backup : place.Backups()) {
      const std::string old = ReadHost(backup);
      EXPECT_TRUE(old == texts[0] || old == texts[1]) << "a backup that is not whole, try " << t;
      backedUp = backedUp || old == texts[0] || old == texts[1];
      fs::remove(backup);
    }
    EXPECT_TRUE(fileWhole || backedUp) << "try " << t;
    tornFiles += fileWhole ? 0 : 1;
    if (!fileWhole) std::ofstream(file, std::ios::binary) << texts[0];
  }
  RecordProperty("TornFiles", tornFiles);  // how often a kill hit a write
  EXPECT_EQ(Entries(place.dir.path), (std::vector<std::string>{"world.yvwm"}));
}

TEST(Files, AWriteCutShortByAFileSizeLimitKeepsTheOldFile) {
  TempDir dir;
  SetDriveCFolder(dir.path.string());
  const std::string old = std::string("(yorvane-level\n") + std::string(200, '7') + "\n)\n";
  std::ofstream(dir.path / "cut.yvl", std::ios::binary) << old;
  // The limit applies to the whole process, so the save runs in a child.
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead of killing
    struct rlimit limit {};
    limit.rlim_cur = limit.rlim_max = 100;
    ::setrlimit(RLIMIT_FSIZE, &limit);
    HostFileSystem host;
    bool ok = host.ReplaceWholeFile("C:\\cut.yvl", std::string(5000, 'x'));
    ::_exit(ok ? 1 : host.LastWriteFailure() == "The file is too large." ? 0 : 2);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: reported success, 2: wrong reason";
  EXPECT_EQ(ReadHost(dir.path / "cut.yvl"), old);
  EXPECT_EQ(Entries(dir.path), (std::vector<std::string>{"cut.yvl"}));
  SetDriveCFolder("");
}

TEST(Files, ExistsDeleteFoldersListingAndLength) {
  TempDir dir;
  SetDriveCFolder(dir.path.string());
  HostFileSystem host;
  EXPECT_FALSE(host.FileExists("C:\\x.yvl"));
  EXPECT_EQ(host.FileLength("C:\\x.yvl"), -1);
  ASSERT_TRUE(host.ReplaceWholeFile("C:\\x.yvl", "12345"));
  EXPECT_TRUE(host.FileExists("C:\\x.yvl"));
  EXPECT_EQ(host.FileLength("C:\\x.yvl"), 5);
  EXPECT_TRUE(host.MakeFolder("C:\\set"));
  EXPECT_FALSE(host.MakeFolder("C:\\set"));  // exists already
  EXPECT_TRUE(host.FolderExists("C:\\set"));
  EXPECT_FALSE(host.FileExists("C:\\set"));  // a folder is no file
  host.ReplaceWholeFile("C:\\set\\b.png", "b");
  host.ReplaceWholeFile("C:\\set\\A.jpg", "a");
  fs::create_directory(dir.path / "set" / "inner");
  EXPECT_EQ(host.ListFiles("C:\\set"), (std::vector<std::string>{"A.jpg", "b.png"}));
  host.DeleteQuietly("C:\\x.yvl");
  EXPECT_FALSE(host.FileExists("C:\\x.yvl"));
  host.DeleteQuietly("C:\\x.yvl");  // missing: nothing happens
  host.DeleteQuietly("C:\\set");    // a folder is never deleted
  EXPECT_TRUE(host.FolderExists("C:\\set"));
  host.DeleteQuietly("");
  SetDriveCFolder("");
}

TEST(LineInput, LinesEndAtCrOrCrLfAndALoneLfStays) {
  MemoryFileSystem mem;
  FileSystem* previous = FileSystem::Install(&mem);
  mem.Put("C:\\t.txt", "one\r\ntwo\rthree\nstill three\r\r\nlast");
  int n = FreeFile();
  ASSERT_GT(n, 0);
  ASSERT_TRUE(OpenForInput(n, "C:\\t.txt"));
  EXPECT_EQ(FreeFile(), n + 1);
  std::string line;
  ASSERT_TRUE(LineInput(n, line));
  EXPECT_EQ(line, "one");
  ASSERT_TRUE(LineInput(n, line));
  EXPECT_EQ(line, "two");
  ASSERT_TRUE(LineInput(n, line));
  EXPECT_EQ(line, "three\nstill three");
  ASSERT_TRUE(LineInput(n, line));
  EXPECT_EQ(line, "");  // the CR right before CR LF ends an empty line
  EXPECT_FALSE(AtEndOfFile(n));
  ASSERT_TRUE(LineInput(n, line));
  EXPECT_EQ(line, "last");  // a last line without an end
  EXPECT_TRUE(AtEndOfFile(n));
  EXPECT_FALSE(LineInput(n, line));  // reading past the end fails
  CloseFile(n);
  EXPECT_FALSE(LineInput(n, line));

  mem.Put("C:\\crlf.txt", "a\r\n");
  ASSERT_TRUE(OpenForInput(n, "C:\\crlf.txt"));
  ASSERT_TRUE(LineInput(n, line));
  EXPECT_EQ(line, "a");
  EXPECT_FALSE(LineInput(n, line));  // the final CR LF gives no further empty line
  CloseFile(n);

  mem.Put("C:\\empty.txt", "");
  ASSERT_TRUE(OpenForInput(n, "C:\\empty.txt"));
  EXPECT_FALSE(LineInput(n, line));
  CloseFile(n);
  EXPECT_FALSE(OpenForInput(n, "C:\\missing.txt"));
  FileSystem::Install(previous);
}

TEST(EventPump, TheThrottleSkipsInATightLoopAndServesSlowCallers) {
  using Clock = std::chrono::steady_clock;
  // Calls that come 5 ms apart each run.
  PumpThrottle throttle(4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(throttle.Due()) << i;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  // A reader asking for every character: at most one run every 4 ms.
  auto start = Clock::now();
  int runs = 0;
  for (int i = 0; i < 3000000; ++i) runs += throttle.Due() ? 1 : 0;
  auto elapsedMs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  EXPECT_GE(runs, 1);
  EXPECT_LE(runs, elapsedMs / 4 + 1) << elapsedMs << " ms";
  // Back in the event loop, the next call looks at the clock at once.
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  throttle.Reset();
  EXPECT_TRUE(throttle.Due());
  EXPECT_FALSE(throttle.Due());
}

TEST(ScriptedUi, AnswersFromItsQueuesAndRecordsEveryRequest) {
  ScriptedUi ui;
  ui.msgAnswers = {kYes};
  EXPECT_EQ(MsgBox("Sure?", kQuestionYesNoCancel, "T"), kYes);
  EXPECT_EQ(MsgBox("Oops", kCriticalOk, "E"), kOk);           // queue empty, OK-only box
  EXPECT_EQ(MsgBox("Again?", kQuestionYesNo, "Q"), kCancel);  // queue empty, question
  ASSERT_EQ(ui.msgCalls.size(), 3u);
  EXPECT_EQ(ui.msgCalls[1].text, "Oops");
  EXPECT_EQ(ui.msgCalls[1].style, 16);
  EXPECT_EQ(ui.msgCalls[1].title, "E");

  ui.inputAnswers = {"MySet"};
  EXPECT_EQ(InputBox("Name?", "Title"), "MySet");
  EXPECT_EQ(InputBox("Name?", "Title"), "");
  EXPECT_EQ(ui.inputCalls.size(), 2u);

  CommonDialog cd;
  cd.CancelError = true;
  cd.Filter = "*.yvl|*.yvl";
  cd.FileName = "C:\\old.yvl";
  ui.fileAnswers = {std::string("C:\\new.yvl"), std::nullopt};
  cd.ShowOpen();
  EXPECT_EQ(cd.FileName, "C:\\new.yvl");
  EXPECT_THROW(cd.ShowSave(), CancelError);
  EXPECT_EQ(cd.FileName, "C:\\new.yvl");  // a cancel changes nothing
  ASSERT_EQ(ui.fileCalls.size(), 2u);
  EXPECT_FALSE(ui.fileCalls[0].save);
  EXPECT_TRUE(ui.fileCalls[1].save);
  EXPECT_EQ(ui.fileCalls[1].fileName, "C:\\new.yvl");
  cd.CancelError = false;
  EXPECT_NO_THROW(cd.ShowOpen());  // without the property a cancel raises nothing
}

TEST(ChooseFile, SetsTheDialogUpAndReturnsTheChoiceOrNothingOnCancelOnly) {
  enum Answer { kChosen, kCancelled, kFails };
  const struct {
    FileDialogMode mode;
    std::optional<std::string> preset;
    Answer answer;
    const char* askedName;  // the name the dialog is shown with
    const char* nameAfter;  // the dialog's name afterwards, offered to the next one
  } cases[] = {
      {FileDialogMode::Open, "C:\\old.yvl", kChosen, "C:\\old.yvl", "C:\\new.yvl"},
      {FileDialogMode::Save, kLastChosenName, kChosen, "C:\\last.yvl", "C:\\new.yvl"},
      {FileDialogMode::Open, "", kCancelled, "", ""},
      {FileDialogMode::Save, kLastChosenName, kCancelled, "C:\\last.yvl", "C:\\last.yvl"},
      {FileDialogMode::Open, kLastChosenName, kFails, "C:\\last.yvl", "C:\\last.yvl"},
  };
  ScriptedUi restoresTheServices;
  for (const auto& c : cases) {
    std::vector<std::string> asked;  // each request as save|filter|folder|name
    UiServices services;
    services.fileDialog = [&](const FileDialogRequest& r, std::string& path) {
      asked.push_back(std::to_string(r.save) + "|" + r.filter + "|" + r.initDir + "|" + r.fileName);
      if (c.answer == kFails) throw std::bad_alloc();
      path = "C:\\new.yvl";
      return c.answer == kChosen;
    };
    InstallUiServices(services);
    CommonDialog cd;
    cd.FileName = "C:\\last.yvl";
    const auto choose = [&] { return ChooseFile(cd, c.mode, "*.yvl|*.yvl", "C:\\levels", c.preset); };
    if (c.answer == kFails)
      EXPECT_THROW(choose(), std::bad_alloc) << c.askedName;  // not taken for a cancel
    else
      EXPECT_EQ(choose(), c.answer == kChosen ? std::optional<std::string>("C:\\new.yvl") : std::nullopt);
    const std::string save = c.mode == FileDialogMode::Save ? "1" : "0";
    EXPECT_EQ(asked, std::vector<std::string>{save + "|*.yvl|*.yvl|C:\\levels|" + c.askedName});
    EXPECT_EQ(cd.FileName, c.nameAfter);
  }

  // The main window's dialog is the shared one while it exists; without it a spare.
  CommonDialog& spare = SharedFileDialog();
  {
    SharedCommonDialog mainDialog;
    EXPECT_EQ(&SharedFileDialog(), &mainDialog);
  }
  EXPECT_EQ(&SharedFileDialog(), &spare);
}

TEST(ScriptedUi, PutsThePreviousServicesBack) {
  {
    ScriptedUi outer;
    outer.msgAnswers = {kNo};
    {
      ScriptedUi inner;
      inner.msgAnswers = {kYes};
      EXPECT_EQ(MsgBox("x", kQuestionYesNo, "t"), kYes);
    }
    EXPECT_EQ(MsgBox("x", kQuestionYesNo, "t"), kNo);
    EXPECT_EQ(outer.msgCalls.size(), 1u);
  }
}
