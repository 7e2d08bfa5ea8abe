// The world document: World, its flags and the operations on it.
#include <algorithm>

#include "model/General.h"
#include "model/YVE_Main.h"
#include "worldeditor/document/YVW_Read.h"

namespace yv {

WorldData World;
bool WorldLoaded = false;
bool NewWorldPending = false;
bool WorldChanged = false;
int16_t WorldReadError = 0;
int16_t SelectedLinkType = 0;
int16_t SelectedWorldTile = 0;

TileMap SingleCellTileMap() {
  TileMap map;
  map.Create(0, 0);
  return map;
}

void ResetWorldData() {
  World.Name = "default_test";
  World.Music = "SALCON.MOD";
  World.StartX = 3;
  World.StartY = 3;
  World.Width = 18;
  World.Height = 15;
  World.LinkCount = 0;
  World.CommentCount = 0;
  // New containers rather than cleared ones, so a large world's memory goes too.
  World.Comments = std::vector<std::string>(1);
  World.Tiles = SingleCellTileMap();
  World.Links = std::vector<WorldLink>(1);
  WorldLoaded = false;
}

void ResetWorldTiles() {
  World.Tiles.Create(World.Width, World.Height);
  for (int column = 0; column < World.Width; ++column)
    for (int row = 0; row < World.Height; ++row) World.Tiles.Set(column, row, 9);
  WorldLoaded = true;
}

void DeleteLink(int n) {
  if (n < 1 || n > World.LinkCount) return;
  World.Links.resize(static_cast<size_t>(World.LinkCount) + 1);
  World.Links.erase(World.Links.begin() + n);
  --World.LinkCount;
}

WorldLink* AppendWorldLink() {
  // The count is 16-bit: one link more than it holds cannot be numbered.
  if (World.LinkCount < 0 || World.LinkCount >= kMaxWorldLinks) return nullptr;
  ++World.LinkCount;
  const size_t n = static_cast<size_t>(World.LinkCount);
  // The list grows by doubling when its room runs out: a list of thousands
  // of links is moved a few times, not once a link.
  std::vector<WorldLink>& links = World.Links;
  if (n + 1 > links.capacity()) links.reserve(std::max(n + 1, 2 * links.capacity()));
  links.resize(n);
  return &links.emplace_back();
}

bool AddInNewLink(int16_t x, int16_t y) {
  WorldLink* const link = AppendWorldLink();
  if (link == nullptr) return false;
  link->X = x;
  link->Y = y;
  link->LinkType = 2;
  SelectedLink = World.LinkCount;
  return true;
}

bool ShowZTypeDialog() {
  // Without a picker nothing would ever end the wait.
  if (!Windows.loadZTypeFrm) return false;
  return WaitForDialog(Windows.loadZTypeFrm);
}

int16_t WorldTile(int column, int row) { return World.Tiles.Get(column, row); }

bool SetWorldTile(int column, int row, int16_t tile) {
  if (column < 0 || row < 0 || column > World.Width || row > World.Height) return false;
  // The properties dialog can make an open world larger without touching its
  // tile array; the first paint there grows the array to take the cell.
  if (!World.Tiles.Contains(column, row))
    World.Tiles.Resize(std::max(World.Tiles.Columns() - 1, column), std::max(World.Tiles.Rows() - 1, row));
  return World.Tiles.Set(column, row, tile);
}

}  // namespace yv
