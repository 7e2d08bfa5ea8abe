// The one way every writer builds, publishes and writes its text: the box
// each one shows for a save that may not be durable and for a build without
// memory, and what each leaves published and on disk then.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/BuildLock.h"
#include "model/Preference.h"
#include "model/SaveFile.h"
#include "model/YVE_Info.h"
#include "model/YVE_Write.h"
#include "tests/core/WorldTestSupport.h"

using namespace yv;

namespace {

class SaveFile : public test::WorldFixture {
 protected:
  void TearDown() override {
    InstallBuildHook(nullptr);
    test::WorldFixture::TearDown();
  }
};

// Every writer tells a save that is done but may not be durable, and a build
// that runs out of memory, by its own box; the program goes on.
TEST_F(SaveFile, EachWriterTellsAWarnedSaveAndABuildWithoutMemory) {
  const std::string kLevel = "C:\\sets\\ice\\level1.yvl", kInfo = "C:\\sets\\ice\\info";
  struct Writer {
    std::function<bool()> save;
    std::string path, text, title;
    std::string* published;
  };
  const Writer writers[] = {
      {[&] { return WriteLevelFile(kLevel); }, kLevel, "Error Saving Level Data!", "YV_Editor - Save Level",
       &LevelText},
      {[&] { return WriteInfoFile(kInfo); }, kInfo, "Error Saving INFO Data!", "YV_Editor - Save INFO", &InfoText},
      {[] { return SaveWorldFile(test::kWorldPath); }, test::kWorldPath, "Error Saving World Map Data!",
       "YV_Editor - Save World Map", &WorldText},
  };
  struct Failure {
    std::function<void()> hook;  // none: the file is written, with a warning
    std::string reason;
  };
  const Failure failures[] = {
      {nullptr, "The new file is in place, but it may not survive a power loss."},
      {[] { throw std::bad_alloc(); }, kNoMemoryToBuild},
      {[] { throw std::length_error("basic_string::_M_create"); }, kNoMemoryToBuild},
  };
  for (const Writer& w : writers)
    for (const Failure& f : failures) {
      SCOPED_TRACE(w.title + ": " + f.reason);
      const bool warned = !f.hook;
      mem.files.clear();
      mem.Put(w.path, "old");
      mem.warnWrites = warned;
      InstallBuildHook(f.hook);
      *w.published = "before";
      WorldChanged = true;
      ui->msgCalls.clear();
      EXPECT_EQ(w.save(), warned);
      EXPECT_FALSE(BuildInProgress());
      EXPECT_EQ(ui->Boxes(), std::vector<std::string>{w.text + "\r\n" + f.reason + "|" + w.title + "|16"});
      EXPECT_EQ(mem.files.begin()->second, warned ? *w.published : "old");
      EXPECT_EQ(*w.published == "before", !warned);
      EXPECT_EQ(WorldChanged, !(warned && w.published == &WorldText));
    }
  // The preferences file has no box: a warned save of it just succeeds.
  mem.warnWrites = true;
  ui->msgCalls.clear();
  EXPECT_TRUE(SavePreferences());
  EXPECT_TRUE(ui->msgCalls.empty());
}

}  // namespace
