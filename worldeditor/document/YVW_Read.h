// The world map the world editor works on, its flags, the operations on it
// (YVW_World.cpp), and the world-map file reader (YVW_Read.cpp).
//
// The reader loads the whole file into ReadBuffer (the reader state it
// shares with the level and info readers) and reads it with a scanner that
// hands out its words as views of that text. It reports the first problem by
// a code in WorldReadError:
//
//   1 top level: the text ended after a "(" and its word (this replaces the
//     code of the body before it); also: no world body in the file
//   2 body: end of text        3 body ")" with a size of 0 or less
//   4 body: a word other than properties, tilemap, levels, or another token
//   10 properties: end of text  11 name  12 music  13 start_pos_x
//   14 start_pos_y (each: value not followed by ")", or a bad number)
//   19 properties: another keyword or token
//   20 tile map: end of text  21 width  22 height
//   23 "(data" with no size (both 0) or a negative one
//   24 the numbers of "(data" (a bad number, too few, no ")" after them)
//   29 tile map: another keyword or token
//   30 levels: end of text between records  31 inside a record
//   32 while reading an entry's keyword
//   33 "(;"  34 name  35 x  36 y  37 map-message  38 teleport-message
//   39 invisible-teleporter  40 dest_x  41 dest_y  42 apply-action-right
//   43 apply-action-left  44 apply-action-up  45 apply-action-down
//   46 extro-filename (each: value not followed by ")", or a bad number)
//   48 inside a record, "(" with another word   49 levels: another token,
//      another word than "level", or one link more than 32767
//
// Every code found at the end of the text is reported as 1.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/TileMap.h"

namespace yv {

// One map point: a level entrance, a map message or a teleporter.
struct WorldLink {
  int16_t LinkType = 0;  // 0 none, 1 comment, 2 level link, 3 map message, 4 teleport, 5 invisible teleporter
  std::string Comment;
  std::string LevelLinkName;  // type 2: the level, relative to the level-set folder, "/" separators
  std::string Message;        // type 3: the map message; type 4: the teleport message
  std::string ExtroFile;      // type 2: the extro text file as chosen
  std::string Invisible;      // type 5: the invisible-teleporter flag
  std::string ApplyUp;        // type 3: apply-action flags, "t", "f" or "" (not written)
  std::string ApplyDown;
  std::string ApplyLeft;
  std::string ApplyRight;
  int16_t X = 0;  // the link's cell (column, row)
  int16_t Y = 0;
  int16_t DestX = 0;  // types 4 and 5: the target cell
  int16_t DestY = 0;
  bool operator==(const WorldLink&) const = default;
};

// A tile map holding only the cell (0, 0), which is 0.
TileMap SingleCellTileMap();

struct WorldData {
  std::string Name;
  std::string Music;
  int16_t StartX = 0;  // the player's start cell
  int16_t StartY = 0;
  int16_t Width = 0;  // map size in cells
  int16_t Height = 0;
  int16_t LinkCount = 0;
  int16_t CommentCount = 0;
  // Element 0 is the header comment written as the file's first line (a
  // read puts there the file's first top-level comment line, whole, when it
  // begins with ";;"); 1 to CommentCount the top-level comment lines the
  // reader met, less their ";" (never written).
  std::vector<std::string> Comments{1};
  // Indexed (column, row); columns 0..Width - 1 and rows 0..Height - 1 are
  // the map, and one spare column and row are allocated beyond it. Read and
  // write cells through WorldTile and SetWorldTile.
  TileMap Tiles = SingleCellTileMap();
  std::vector<WorldLink> Links{1};  // used from 1 to LinkCount; element 0 is never written
  bool operator==(const WorldData&) const = default;
};

extern WorldData World;
extern bool WorldLoaded;           // a world map is in memory and may be shown and edited
extern bool NewWorldPending;       // a new world waits for the properties dialog to close
extern bool WorldChanged;          // the world map has unsaved changes
extern int16_t WorldReadError;     // code of the last read, 0 for none
extern int16_t SelectedLinkType;   // the link type picker's choice: 2..5, or -1 for none
extern int16_t SelectedWorldTile;  // the tile a left click on the map paints

constexpr int16_t kMaxWorldLinks = 32767;

// ---------------------------------------------------------------- the document

// The defaults: "default_test", "SALCON.MOD", 18 x 15 cells, start 3, 3, no
// links, no comments (element 0 empty), the tile map back to its single
// cell; WorldLoaded False. No other flag changes.
void ResetWorldData();
// A new map of tile 9 over World.Width x World.Height cells, the spare column
// and row 0; WorldLoaded True. Links, comments and properties stay.
void ResetWorldTiles();
// Removes link n (1..World.LinkCount), moving the later links down one
// place; any other n does nothing. SelectedLink stays as it is.
void DeleteLink(int n);
// Appends a fresh link (type 0, every field empty or 0), growing the list by
// doubling when its room runs out. At 32767 links nothing is added and the
// result is null.
WorldLink* AppendWorldLink();
// Appends a level link (type 2) at cell (x, y) and selects it. At 32767
// links nothing is added, SelectedLink stays, and the result is false.
bool AddInNewLink(int16_t x, int16_t y);

// Shows the link type picker and waits, sleeping in the event loop, until it
// has closed; the choice is then in SelectedLinkType. Returns false at once,
// showing nothing, while another dialog wait runs (there is one picker at a
// time) or when no picker can be shown.
bool ShowZTypeDialog();

// The tile at (column, row); 0 for a cell the tile array does not hold.
int16_t WorldTile(int column, int row);
// Writes a cell of the map or of its spare column and row (columns
// 0..World.Width, rows 0..World.Height), first enlarging the tile array as
// far as needed, keeping every cell. Anything beyond is ignored (false).
bool SetWorldTile(int column, int row, int16_t tile);

// ---------------------------------------------------------------- the reader

// Reads the world-map file at path into World. A path that names no readable
// ordinary file shows the box "Map NOT Found!" (the path as its text) and
// leaves World at its defaults and everything else as it was. Otherwise
// Pref.LastWorldMapFile = path and NewWorldPending = False; after a read with
// code 0 WorldLoaded is True and WorldChanged False, after an error World
// holds what was read before it. Sets NewLine to LF and TabChar to TAB. A
// read asked for while another read runs does nothing.
void ReadWorldFile(const std::string& path);

}  // namespace yv
