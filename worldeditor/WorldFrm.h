// The world-map editor's window: toolbar, the 18 x 15 cell map view with its
// start and link markers, the mode options, the tile palette and the link
// list that share one place, and the mouse read-outs.
//
// The window's code is split by concern:
//   WorldFrm.cpp           controls and layout, Form_Load / Form_Unload, toolbar,
//                          the file commands and the scroll handlers
//   WorldFrm_Draw.cpp      UpdateWorld, DrawWorldMap and DrawLinkMarkers
//   WorldFrm_Palette.cpp   the tile palette and the favourites (TilesFrame)
//   WorldFrm_MapEdit.cpp   the mode options and the presses and hovers on cells and markers
//   WorldFrm_Links.cpp     the link list panel (LinkFrame) and OpenLinkEditor
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Form.h"
#include "controls/Frame.h"
#include "controls/ImageBox.h"
#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/OptionButton.h"
#include "controls/PictureOverlay.h"
#include "controls/ScrollBar.h"
#include "controls/Toolbar.h"

namespace yv {

class WorldFrm : public controls::Form {
  Q_OBJECT
 public:
  WorldFrm();
  ~WorldFrm() override;

  // The open window, or nullptr when there is none (also once it has been
  // unloaded and is only waiting to be deleted).
  static WorldFrm* Instance();

  // ---------------------------------------------------------------- public methods
  // Redraws everything shown from the world document and the window's state.
  void UpdateWorld();
  // Appends a level link at the cell and selects it (SelectedLink).
  void AddInNewLink(int16_t& x, int16_t& y);

  // ---------------------------------------------------------------- form-level state
  bool Updating = false;
  int16_t WorldEditMode = 0;  // 0..4, the chosen ModeOption
  int16_t EditFavorites = 0;  // FavCheck's value
  int16_t ViewLeft = 0, ViewRight = 0, ViewTop = 0, ViewBottom = 0;
  std::array<bool, 3> LayerShown{};
  // The form-level mode outlives the window within one run: a window opened
  // again without a world-map file to read starts in the mode it was left in.
  static int16_t LastEditMode;

  // ---------------------------------------------------------------- controls
  controls::Toolbar* WTB = nullptr;
  controls::Label* FileNameBox = nullptr;
  controls::Label* MapBackLabel = nullptr;     // black, shows through empty cells
  std::array<controls::ImageBox*, 270> Img{};  // Img(c * 15 + r)
  controls::ScrollBar* MapXScroll = nullptr;
  controls::ScrollBar* MapYScroll = nullptr;

  controls::Frame* Frame2 = nullptr;  // "Mode Selection"
  std::array<controls::OptionButton*, 5> ModeOption{};
  controls::CheckBox* FavCheck = nullptr;

  // The tile palette (frame "Tiles").
  controls::Frame* TilesFrame = nullptr;
  controls::ImageBox* CurrentImg = nullptr;
  controls::Label* TileIndexLabel = nullptr;  // "Tile Index ="
  controls::Label* TileIndexBox = nullptr;
  std::array<controls::ImageBox*, 36> TileImg{};  // TileImg(4r + c)
  controls::ScrollBar* TileScroll = nullptr;

  // The link list (frame "Level Links", at TilesFrame's place).
  controls::Frame* LinkFrame = nullptr;
  controls::Label* LinkNumHeader = nullptr;   // "Link #"
  controls::Label* LinkTypeHeader = nullptr;  // "Type"
  std::array<controls::ImageBox*, 16> LinkIndImg{};
  std::array<controls::Label*, 16> LinkNumBox{};
  std::array<controls::Label*, 16> LinkTypeBox{};
  controls::ScrollBar* LinkScroll = nullptr;
  controls::Label* LinkLine = nullptr;  // the line across the panel
  controls::Label* LinkNameLabel = nullptr;
  controls::Label* LinkNameBox = nullptr;
  controls::Label* LinkXLabel = nullptr;
  controls::Label* LinkXBox = nullptr;
  controls::Label* LinkYLabel = nullptr;
  controls::Label* LinkYBox = nullptr;
  controls::Label* LinkDXLabel = nullptr;
  controls::Label* LinkDXBox = nullptr;
  controls::Label* LinkDYLabel = nullptr;
  controls::Label* LinkDYBox = nullptr;

  // Frame "Mouse Cords".
  controls::Frame* CordsFrame = nullptr;
  controls::Label* MouseXLabel = nullptr;  // "X :"
  controls::Label* MouseYLabel = nullptr;  // "Y :"
  controls::Label* MouseXBox = nullptr;
  controls::Label* MouseYBox = nullptr;
  controls::CheckBox* AutoCheck = nullptr;

  // Outside the visible client area, or moved onto the map by the drawing.
  controls::Button* DummyCmd = nullptr;
  // DotImg(i) marks link i. Markers 0..63 exist from the start; the drawing
  // adds more when a world has more links in view.
  std::vector<controls::ImageBox*> DotImg;
  std::array<controls::ImageBox*, 64> TeleportImg{};
  controls::ImageBox* ZunboImg = nullptr;
  controls::ImageBox* BlankImg = nullptr;
  std::unique_ptr<controls::ImageList> WorldImages;  // world tiles 1..71, markers 72..76
  std::unique_ptr<controls::ImageList> WTBImages;

  // ---------------------------------------------------------------- handlers
  void WTB_ButtonClick(int index);
  void FileNameBox_Click();
  void MapXScroll_Change();
  void MapXScroll_Scroll();
  void MapYScroll_Change();
  void MapYScroll_Scroll();
  void TileScroll_Change();
  void TileScroll_Scroll();
  void LinkScroll_Change();
  void LinkScroll_Scroll();

  void ModeOption_Click(int index);
  void AutoCheck_Click();
  void FavCheck_Click();
  void TileImg_Click(int index);
  void Img_MouseDown(int index, int button, int shift, int x, int y);
  void Img_MouseMove(int index, int button, int shift, int x, int y);
  void DotImg_MouseDown(int index, int button, int shift, int x, int y);
  void DotImg_MouseMove(int index, int button, int shift, int x, int y);
  void LinkIndImg_Click(int index);
  void LinkNumBox_Click(int index);
  void LinkTypeBox_Click(int index);

  // ---------------------------------------------------------------- private methods
  // (public so that the tests can drive them directly)
  void OpenWorldDialog();
  // True when the chosen file was written; only then is its name the world's.
  bool SaveWorldAsDialog();
  void SaveWorldCommand();    // toolbar "Save World Map"
  bool SaveWorldAsCommand();  // toolbar "Save Map As"; true when the file was written
  void CreateNewWorld();
  void ClearWorldView();
  void DrawWorldMap();
  void DrawLinkMarkers();
  void DrawTileTable();
  // CurrentImg and TileIndexBox show SelectedWorldTile.
  void ShowSelection();
  void UpdateLinkList();
  void OpenLinkEditor();

  // Map view geometry: the cell control of view column c and row r.
  static int CellIndex(int column, int row) { return column * 15 + row; }
  static constexpr int kCellLeft = 12;
  static constexpr int kCellTop = 90;
  static constexpr int kCellPitch = 34;

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  bool Form_QueryUnload() override;

 private:
  void BuildControls();    // WorldFrm.cpp
  void BuildTilesFrame();  // WorldFrm_Palette.cpp
  void BuildLinkFrame();   // WorldFrm_Links.cpp
  void WireHandlers();
  // The marker of link i, created on first use for links past 63.
  controls::ImageBox* Marker(int i);
  // The map press of modes 0 and 1 with the left button, and of mode 2.
  void PaintCell(int x, int y);
  void PressLinkCell(int x, int y, int button);
  // The close's own steps: the window's state into the preferences and the
  // file written, then AskToSaveChanges.
  bool StoreStateAndAskToSave(bool mayCancel);
  // "Save World Map Changes?" when the world has unsaved changes, and the
  // save on Yes. False when the caller is to stop with the world as it is
  // (Cancel, a save that failed, a file name dialog cancelled); a caller that
  // cannot stop takes each of those as No.
  bool AskToSaveChanges(bool mayCancel);
  // AskToSaveChanges before a command that replaces the world in memory.
  bool MayReplaceWorld();
  // Saves under the world's file name, or through the "Save Map As" dialog
  // while it has none. True when the file was written.
  bool SaveWorld();
  // Shows the panel of the current mode, and only that one, filled: the
  // link list from the world when it is drawn, else empty.
  void ShowModePanel(bool worldDrawn);
  // The link list with no row and no read-out, for a view without a world.
  void ClearLinkList();
  // The list's scroll bar and rows for count links.
  void FillLinkRows(int count);
  // Every link marker hidden.
  void HideLinkMarkers();
  // ReadWorldFile(path), whose error the next redraw tells once.
  void ReadWorld(const std::string& path);

  controls::PictureOverlay* overlay_ = nullptr;  // world tile 16 reaches a pixel below its cell
  bool closeAsked_ = false;                      // the user's close has stored and asked already
  // The error box of the last read has been shown (by this window or one before it).
  static bool readErrorShown_;
};

// Toolbar "World Editor" of the main window: the world window loaded and
// shown over opener, which takes no input and shows the hourglass from the
// start and is hidden once the world window shows, until the world window
// has gone (its unload gives the opener back). An open world window is
// brought to the front instead.
void OpenWorldFrm(controls::Form& opener);

}  // namespace yv
