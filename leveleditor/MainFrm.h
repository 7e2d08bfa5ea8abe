// The level editor's main window, the program's first window: toolbar, the
// 18 x 15 map view, the layer and mode options, the tile palette and the two
// bad-guy panels that share its place, the mouse read-outs and view options.
//
// The window's code is split by concern:
//   MainFrm.cpp            controls and layout, Form_Load / Form_Unload, view options
//   MainFrm_Toolbar.cpp    the toolbar commands and the level file routines
//   MainFrm_Draw.cpp       UpdateDisplay, DrawMap and the marker blink
//   MainFrm_MapEdit.cpp    presses, clicks and hovers on the map cells and markers
//   MainFrm_Palette.cpp    the tile palette and the favourites lists
//   MainFrm_BadGuys.cpp    the bad-guy kind panel and the used-objects list
#pragma once

#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Form.h"
#include "controls/Frame.h"
#include "controls/ImageBox.h"
#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/OnFirstUse.h"
#include "controls/OptionButton.h"
#include "controls/PictureOverlay.h"
#include "controls/ScrollBar.h"
#include "controls/TextBox.h"
#include "controls/Timer.h"
#include "controls/Toolbar.h"
#include "model/SaveFile.h"
#include "platform/Ui.h"

namespace yv {

class MainFrm : public controls::Form {
  Q_OBJECT
 public:
  MainFrm();
  ~MainFrm() override;

  // The one instance while it exists (nullptr before it is created and after it is deleted).
  static MainFrm* Instance();
  // Creates the instance (not yet loaded) when there is none.
  static MainFrm& Create();

  // ---------------------------------------------------------------- public methods
  void LoadLevelDialog();
  void SaveLevelDialog();
  // Loads the level named by Pref.LastLevelFile and redraws; false when the
  // read failed (the level, the counts, the set record, the scroll bar and
  // the remembered path are then as they were before).
  bool LoadPrefMap();
  void UpdateDisplay();

  // ---------------------------------------------------------------- form-level state
  bool Updating = false;
  bool SelectingStartPos = false;
  std::array<int16_t, 32> MarkerBlink{};
  int16_t BlinkPhase = 0;
  int16_t ResetTipIndex = 0;
  int16_t ResetTipX = 0;
  int16_t ResetTipY = 0;

  // ---------------------------------------------------------------- controls
 private:
  // Declared before the arrays made on them.
  controls::OnFirstUse kindRows_{[this] { BuildKindRows(); }};
  controls::OnFirstUse listRows_{[this] { BuildListRows(); }};

 public:
  controls::Toolbar* TB = nullptr;
  controls::Label* FileNameBox = nullptr;
  controls::Label* GridBackBox = nullptr;
  std::array<controls::ImageBox*, 270> Img{};
  controls::ScrollBar* MapXScroll = nullptr;
  controls::Frame* Frame2 = nullptr;
  std::array<controls::OptionButton*, 4> LayerOption{};
  controls::Frame* Frame3 = nullptr;
  std::array<controls::OptionButton*, 4> ModeOption{};

  // The tile palette (frame "Current Tile Selection").
  controls::Frame* TileFrame = nullptr;
  controls::ImageBox* CurImg = nullptr;
  std::array<controls::OptionButton*, 3> TilesOption{};
  controls::Button* BlankTileCmd = nullptr;
  std::array<controls::ImageBox*, 32> SelImg{};
  controls::ScrollBar* SelScroll = nullptr;

  // The bad-guy kinds (frame "Bad Guys"). Its rows are made when first
  // touched (the panel is hidden in tile mode); see BuildKindRows.
  controls::Frame* ObjectFrame = nullptr;
  controls::ArrayOnFirstUse<controls::ImageBox, 10> ObjIndImg{kindRows_};
  controls::ArrayOnFirstUse<controls::ImageBox, 10> ObjSelImg{kindRows_};
  controls::ArrayOnFirstUse<controls::Label, 10> ObjectLabel{kindRows_};
  controls::ArrayOnFirstUse<controls::Label, 10> ObjCntBox{kindRows_};

  // The used-objects list (frame "Bad Guys Used List"), its rows likewise
  // made when first touched; see BuildListRows.
  controls::Frame* BGUFrame = nullptr;
  controls::ArrayOnFirstUse<controls::ImageBox, 9> BGIndImg{listRows_};
  controls::ArrayOnFirstUse<controls::ImageBox, 9> BGUImg{listRows_};
  controls::ArrayOnFirstUse<controls::Label, 9> BGUNameBox{listRows_};
  controls::ArrayOnFirstUse<controls::CheckBox, 9> StayCheck{listRows_};
  controls::ArrayOnFirstUse<controls::Label, 9> LabelX{listRows_};
  controls::ArrayOnFirstUse<controls::TextBox, 9> BGUXBox{listRows_};
  controls::ArrayOnFirstUse<controls::Label, 9> LabelY{listRows_};
  controls::ArrayOnFirstUse<controls::TextBox, 9> BGUYBox{listRows_};
  controls::ScrollBar* BGUScroll = nullptr;
  controls::Label* TotalBGULabel = nullptr;
  controls::Label* TotalBGUBox = nullptr;

  // Frame "Cords".
  controls::Frame* Frame1 = nullptr;
  controls::Label* ColLabel = nullptr;
  controls::Label* RowLabel = nullptr;
  controls::Label* XLabel = nullptr;
  controls::Label* YLabel = nullptr;
  controls::Label* ColBox = nullptr;
  controls::Label* RowBox = nullptr;
  controls::Label* XBox = nullptr;
  controls::Label* YBox = nullptr;
  controls::CheckBox* GridCheck = nullptr;
  controls::CheckBox* AutoCheck = nullptr;

  controls::Frame* Frame4 = nullptr;
  controls::Button* SetZunboCmd = nullptr;
  controls::Button* DelBadGuyCmd = nullptr;
  controls::CheckBox* ResetCheck = nullptr;

  // Outside the visible client area, or moved onto the map by DrawMap.
  controls::Timer* BGTimer = nullptr;
  std::unique_ptr<controls::ImageList> BlockImgList;
  std::unique_ptr<controls::ImageList> BadGuysList;
  std::unique_ptr<controls::ImageList> TBImages;
  // The program's shared file dialog while this window exists: the level
  // variables dialog, the level text window and the world editor use it too.
  platform::SharedCommonDialog CD;
  controls::ImageBox* ResetImg = nullptr;
  controls::ImageBox* ZunboImage = nullptr;
  controls::ImageBox* ZunboIcon = nullptr;
  std::array<controls::ImageBox*, 32> BGImg{};
  controls::Button* DummyCmd = nullptr;

  // ---------------------------------------------------------------- handlers
  void LayerOption_Click(int index);
  void ModeOption_Click(int index);
  void GridCheck_Click();
  void AutoCheck_Click();
  void ResetCheck_Click();
  void FileNameBox_Click();
  void TB_ButtonClick(int index);

  void Img_MouseDown(int index, int button, int shift, int x, int y);
  void Img_Click(int index);
  void Img_MouseMove(int index, int button, int shift, int x, int y);
  void ResetImg_MouseMove(int button, int shift, int x, int y);
  void MapXScroll_Change();
  void MapXScroll_Scroll();
  void SetZunboCmd_Click();

  void BlankTileCmd_Click();
  void TilesOption_Click(int index);
  void SelScroll_Change();
  void SelScroll_Scroll();
  void SelImg_MouseDown(int index, int button, int shift, int x, int y);
  void SelImg_MouseMove(int index, int button, int shift, int x, int y);
  void CurImg_MouseMove(int button, int shift, int x, int y);
  void CurImg_Click();

  void ObjSelImg_Click(int index);
  void BGUScroll_Change();
  void BGUScroll_Scroll();
  void BGUImg_Click(int index);
  void BGImg_MouseDown(int index, int button, int shift, int x, int y);
  void BGImg_MouseMove(int index, int button, int shift, int x, int y);
  void StayCheck_Click(int index);
  void BGUXBox_KeyPress(int index, int& keyAscii);
  void BGUYBox_KeyPress(int index, int& keyAscii);
  void BGUXBox_Change(int index);
  void BGUYBox_Change(int index);
  void DelBadGuyCmd_Click();

  void BGTimer_Timer();

  // ---------------------------------------------------------------- private methods
  // (public so that the tests can drive them directly)
  void DrawMap();
  void ResetMarkerBlink();
  void CreateLevelSet();
  void CreateLevelCommand();
  // "Save Level": true when the file now holds the level.
  bool SaveLevelCommand();
  SaveResult WriteLevelHoldingInput();
  // "Save Level Changes?" when the level has unsaved changes, and the save
  // on Yes as "Save Level" does it. False when the command asking is to stop
  // with the level as it is (Cancel, a save not done).
  bool AskToSaveLevel();
  void UpdateTilePalette();
  void ScrollPaletteToTile();
  void ToggleFavoriteA(int16_t& slot);
  void ToggleFavoriteB(int16_t& slot);
  void UpdateObjectListScroll();
  void UpdateKindPanel();
  void UpdateObjectList();
  void AutoCompleteBackground(int16_t tile, int16_t column, int16_t row);
  void AutoCompleteInteractive(int16_t tile, int16_t column, int16_t row);
  void AutoCompleteForeground(int16_t tile, int16_t column, int16_t row);

  // Map view geometry: the cell control of view column c and row r, and the
  // window position of a level position in view.
  static int CellIndex(int column, int row) { return column * 15 + row; }
  static constexpr int kCellLeft = 10;
  static constexpr int kCellTop = 80;
  static constexpr int kCellPitch = 34;

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  bool Form_QueryUnload() override;

 private:
  void BuildControls();
  void BuildTileFrame();
  void BuildObjectFrame();
  void BuildKindRows();
  void BuildBGUFrame();
  void BuildListRows();
  void WireHandlers();
  // FileNameBox: the level's file and its width.
  void ShowFileName();
  // Draws the palette's pictures as UpdateTilePalette chose them.
  void ShowPalettePictures();
  // True while "Create Set" waits for the new-level-set dialog; the commands
  // that would unload the window or start a second set are refused then.
  bool creatingSet_ = false;
  // While Form_Load runs, the redraws it makes leave the pictures of the map
  // and the palette for its last redraw: the load moves both (to the saved
  // scroll and tile) before the window first shows, and a picture shown on
  // the way would be decoded for nothing.
  bool holdPictures_ = false;
  bool palettePending_ = false;
  controls::PictureOverlay* overlay_ = nullptr;
};

}  // namespace yv
