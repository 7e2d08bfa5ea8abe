// The sample tree's world map: written by the program's own writer, read
// back without error, and showing what a designer would show.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "model/Preference.h"
#include "tests/core/WorldTestSupport.h"

using namespace yv;
namespace fs = std::filesystem;

namespace {

const fs::path kSample = fs::path(__FILE__).parent_path().parent_path().parent_path() / "sample";

std::string HostFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class WorldSample : public test::WorldFixture {};

TEST_F(WorldSample, TheSampleWorldReadsBackAndUsesEveryKindOfWorldTile) {
  const PreferenceRecord pref = DecodePreferences(HostFile(kSample / "YV_Editor.Preferences"));
  ASSERT_EQ(pref.LastWorldMapFile, WorldMapsDir + "\\frostbite.yvwm");
  const std::string text = HostFile(kSample / "Program Files/Yorvane/data/levels/worldmaps/frostbite.yvwm");
  ASSERT_EQ(Read(text), 0);
  ASSERT_TRUE(WorldLoaded);
  // The writer's own text, its own header included.
  EXPECT_EQ(World.Comments[0], ";; Frostbite Fjord: the world map of the sample level set");
  EXPECT_EQ(Built(), text);

  // Larger than the 18 x 15 view both ways, so both scroll bars move.
  EXPECT_GE(World.Width, 40);
  EXPECT_GE(World.Height, 20);
  std::set<int> used;
  for (int c = 0; c < World.Width; ++c)
    for (int r = 0; r < World.Height; ++r) used.insert(WorldTile(c, r));
  for (int tile = 1; tile <= 71; ++tile) EXPECT_TRUE(used.count(tile)) << "tile " << tile;
  EXPECT_FALSE(used.count(0));
  bool mountain = false;
  for (int c = 0; c + 2 < World.Width; ++c)
    for (int r = 0; r + 2 < World.Height; ++r) {
      bool whole = true;
      for (int i = 0; i < 9; ++i) whole = whole && WorldTile(c + i % 3, r + i / 3) == 49 + i;
      mountain = mountain || whole;
    }
  EXPECT_TRUE(mountain);
  EXPECT_EQ(WorldTile(World.StartX, World.StartY - 1), 58);
  EXPECT_EQ(WorldTile(World.StartX, World.StartY), 59);

  std::set<int> types;
  std::set<std::string> levels, setLevels;
  for (int i = 1; i <= World.LinkCount; ++i) {
    const WorldLink& l = World.Links[static_cast<size_t>(i)];
    types.insert(l.LinkType);
    if (l.LinkType == 2) levels.insert(l.LevelLinkName);
    if (l.LinkType == 3) {
      EXPECT_FALSE((l.ApplyLeft + l.ApplyRight + l.ApplyUp + l.ApplyDown).empty());
    }
    if (l.LinkType == 5) {
      EXPECT_EQ(l.Invisible, "t");
    }
  }
  EXPECT_EQ(types, (std::set<int>{2, 3, 4, 5}));
  // A link to each level of the sample set.
  for (const auto& entry : fs::directory_iterator(kSample / "Program Files/Yorvane/.yorvane/levels/frostbite"))
    if (entry.path().extension() == ".yvl") setLevels.insert("frostbite/" + entry.path().filename().string());
  EXPECT_EQ(levels, setLevels);
}

}  // namespace
