#include "leveleditor/MainFrm.h"

#include <vector>

#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "pictures/Pictures.h"
#include "platform/System.h"

namespace yv {
namespace {
QPointer<MainFrm> g_instance;

const char* const kLayerCaptions[4] = {"BackGround", "InterActive", "ForeGround", "All Layers"};
const char* const kLayerTips[4] = {"Show/Edit Background Tiles Only", "Show/Edit Interactive Layer Tiles Only",
                                   "Show/Edit Foreground Tiles Only",
                                   "Show Tiles On All Layers (No Tile Editing Possible)"};
const char* const kModeCaptions[4] = {"Tiles", "Bad Guys", "Bad Guy List", "Edit Favorite"};
const char* const kModeTips[4] = {"Tile Editing Mode", "Place BadGuys Mode", "Edit BadGuys Mode",
                                  "Currently Unused..."};

const QColor kGreen(0, 128, 0);
const QColor kBrightGreen(0, 255, 0);
const QColor kCyan(0, 255, 255);
const QColor kYellow(255, 255, 0);
}  // namespace

using namespace controls;

MainFrm::MainFrm() : Form(824, 622) {
  SetFaceColor(QColor(192, 192, 192));
  setWindowIcon(QIcon(pictures::Named("app_icon")));
  BuildControls();
  WireHandlers();
}

MainFrm::~MainFrm() = default;

MainFrm* MainFrm::Instance() { return g_instance.data(); }

MainFrm& MainFrm::Create() {
  if (!g_instance) g_instance = new MainFrm();
  return *g_instance;
}

// ---------------------------------------------------------------- layout

void MainFrm::BuildControls() {
  // Each picture is loaded when it is first shown: a start-up draws a few
  // dozen of the 204 tiles, and the bad guys only in their modes.
  BlockImgList = std::make_unique<ImageList>(kTileCount, pictures::Tile);
  BadGuysList = std::make_unique<ImageList>(10, pictures::BadGuy);
  TBImages = std::make_unique<ImageList>(10, pictures::Toolbar);

  TB = new Toolbar(this, 0, 0, 824, 49);
  struct ToolButton {
    const char* caption;
    const char* tip;
  };
  // Indices 1..17; a null caption is a separator.
  const ToolButton buttons[17] = {{nullptr, nullptr},
                                  {"Open Level", "Open an existing Level"},
                                  {nullptr, nullptr},
                                  {"Create Level", "Create a New Level"},
                                  {"Create Set", "Create a New Level Set"},
                                  {nullptr, nullptr},
                                  {"Save Level", "Save Current Level"},
                                  {"Save As Level", "Save As Another New Level"},
                                  {nullptr, nullptr},
                                  {"Variables", "Level Parameters Editor"},
                                  {"View Text", "Level Text Viewer"},
                                  {nullptr, nullptr},
                                  {"World Editor", "World Creator/Editor"},
                                  {nullptr, nullptr},
                                  {"Help", "Display Help Text"},
                                  {nullptr, nullptr},
                                  {"Exit", "Quit YVE"}};
  int picture = 1;
  for (const ToolButton& b : buttons) {
    if (!b.caption)
      TB->AddSeparator();
    else
      TB->AddButton(b.caption, b.tip, TBImages->Picture(picture++));
  }

  FileNameBox = new Label(this, 6, 56, 617, 19);
  FileNameBox->SetBackColor(kGreen);
  FileNameBox->SetForeColor(Qt::white);
  FileNameBox->SetBold(true);
  FileNameBox->SetToolTip("Level Map Filename - Click To Load Another Level Map");

  GridBackBox = new Label(this, 6, 76, 617, 515);
  GridBackBox->SetBackColor(Qt::black);

  for (int c = 0; c < 18; ++c) {
    for (int r = 0; r < 15; ++r) {
      ImageBox* cell = new ImageBox(this, kCellLeft + kCellPitch * c, kCellTop + kCellPitch * r, 32, 32);
      Img[CellIndex(c, r)] = cell;
    }
  }
  // One layer draws all the cells in one pass, and above them the parts of
  // pictures larger than a cell that reach over their neighbours (it never
  // takes the mouse). Where two such pictures overlap, the one further down,
  // then further right, lies on top.
  overlay_ = new PictureOverlay(this, QRect(6, 76, 617, 515));
  std::vector<ImageBox*> cellsByRow;
  for (int r = 0; r < 15; ++r)
    for (int c = 0; c < 18; ++c) cellsByRow.push_back(Img[CellIndex(c, r)]);
  overlay_->PaintBoxes(cellsByRow);

  MapXScroll = new ScrollBar(this, 8, 594, 615, 21, Qt::Horizontal);
  MapXScroll->SetMin(0);
  MapXScroll->SetMax(0);
  MapXScroll->SetSmallChange(1);
  MapXScroll->SetLargeChange(16);

  Frame2 = new Frame(this, 632, 56, 93, 77, "Layer");
  for (int i = 0; i < 4; ++i) {
    LayerOption[i] = new OptionButton(Frame2, 8, 16 + 14 * i, 83, 13, kLayerCaptions[i]);
    LayerOption[i]->SetToolTip(kLayerTips[i]);
  }
  Frame3 = new Frame(this, 724, 56, 93, 77, "Mode");
  for (int i = 0; i < 4; ++i) {
    ModeOption[i] = new OptionButton(Frame3, 8, 16 + 14 * i, 83, 13, kModeCaptions[i]);
    ModeOption[i]->SetToolTip(kModeTips[i]);
  }

  BuildTileFrame();
  BuildObjectFrame();
  BuildBGUFrame();

  Frame1 = new Frame(this, 632, 488, 185, 57, "Cords");
  ColLabel = new Label(Frame1, 8, 16, 22, 17, "Col");
  RowLabel = new Label(Frame1, 8, 34, 22, 17, "Row");
  XLabel = new Label(Frame1, 72, 16, 10, 17, "X");
  YLabel = new Label(Frame1, 72, 34, 10, 17, "Y");
  ColBox = new Label(Frame1, 32, 16, 37, 17);
  RowBox = new Label(Frame1, 32, 34, 37, 17);
  for (Label* box : {ColBox, RowBox}) {
    box->SetForeColor(kGreen);
    box->SetBold(true);
    box->SetAlignment(Align::Right);
  }
  XBox = new Label(Frame1, 84, 16, 37, 17);
  YBox = new Label(Frame1, 84, 34, 37, 17);
  for (Label* box : {XBox, YBox}) box->SetBackColor(kCyan);
  ColBox->SetToolTip("Map Tile Column Number");
  RowBox->SetToolTip("Map Tile Row Number");
  XBox->SetToolTip("Map Mouse X Pixel Position");
  YBox->SetToolTip("Map Mouse Y Position");
  GridCheck = new CheckBox(Frame1, 128, 16, 39, 15, "Grid");
  GridCheck->SetToolTip("Toggle Grid On/Off");
  AutoCheck = new CheckBox(Frame1, 128, 34, 49, 17, "Auto");
  AutoCheck->SetToolTip("Auto Complete Clouds (Tile #85)");

  Frame4 = new Frame(this, 632, 546, 185, 67, "");
  SetZunboCmd = new Button(Frame4, 12, 14, 97, 17, "Set Zunbo Start Pos.");
  SetZunboCmd->SetToolTip("Set Desired Starting Location for Zunbo");
  DelBadGuyCmd = new Button(Frame4, 14, 40, 97, 17, "Delete BadGuy");
  DelBadGuyCmd->SetToolTip("Delete the currently selected BadGuy");
  ResetCheck = new CheckBox(Frame4, 128, 16, 49, 37, "Show Reset Points");

  BGTimer = new Timer(this, 250, false);

  // Out of sight until DrawMap moves them onto the map.
  ResetImg = new ImageBox(this, -100, 700, 32, 32);
  ResetImg->SetPicture(pictures::Named("reset"));
  ResetImg->SetToolTip("Reset Point");
  ResetImg->SetVisible(false);
  for (int k = 0; k < 32; ++k) {
    BGImg[k] = new ImageBox(this, -100, 700, 32, 32);
    BGImg[k]->SetVisible(false);
  }
  ZunboImage = new ImageBox(this, -100, 700, 42, 65);
  ZunboImage->SetPicture(pictures::Named("zunbo"));
  ZunboImage->SetVisible(false);
  // The markers are cut at the map's edge as the cells are: a bad guy in
  // the last column stays off the side panel, the start figure on the last
  // row off the scroll bar.
  for (ImageBox* marker : BGImg) marker->SetClipArea(GridBackBox->geometry());
  ZunboImage->SetClipArea(GridBackBox->geometry());
  ResetImg->SetClipArea(GridBackBox->geometry());
  ZunboIcon = new ImageBox(this, -100, 700, 32, 32);
  ZunboIcon->SetPicture(pictures::Named("zunbo_icon"));
  ZunboIcon->SetVisible(false);
  DummyCmd = new Button(this, -200, 700, 20, 20, "");
}

void MainFrm::BuildTileFrame() {
  TileFrame = new Frame(this, 632, 134, 185, 357, "Current Tile Selection");
  CurImg = new ImageBox(TileFrame, 10, 16, 36, 36);
  CurImg->SetStretch(true);
  CurImg->SetBorderStyle(1);
  CurImg->SetToolTip("Current Selected Tile");
  TilesOption[0] = new OptionButton(TileFrame, 50, 16, 66, 17, "All Tiles");
  TilesOption[1] = new OptionButton(TileFrame, 50, 38, 64, 17, "Fav. A");
  TilesOption[2] = new OptionButton(TileFrame, 118, 38, 60, 17, "Fav. B");
  BlankTileCmd = new Button(TileFrame, 118, 14, 55, 17, "Blank Tile");
  BlankTileCmd->SetToolTip("Set Tile Selection to Blank Tile");
  for (int i = 0; i < 32; ++i) {
    int row = i / 4, column = i % 4;
    SelImg[i] = new ImageBox(TileFrame, 10 + 36 * column, 60 + 36 * row, 36, 36);
    SelImg[i]->SetStretch(true);
    SelImg[i]->SetBorderStyle(1);
  }
  SelScroll = new ScrollBar(TileFrame, 154, 60, 21, 287, Qt::Vertical);
  SelScroll->SetMin(0);
  SelScroll->SetMax(43);
  SelScroll->SetSmallChange(1);
  SelScroll->SetLargeChange(8);
}

void MainFrm::BuildObjectFrame() {
  // Stored elsewhere in the window and moved onto the palette's place at load.
  ObjectFrame = new Frame(this, 632, 700, 185, 357, "Bad Guys");
}

// The rows of the kind panel, made when one of them is first touched (in
// practice when "Bad Guys" mode first shows the panel), with the captions and
// tips that the window's load gives them.
void MainFrm::BuildKindRows() {
  for (int i = 0; i < 10; ++i) {
    int y = 14 + 34 * i;
    ImageBox* mark = ObjIndImg.Items()[i] = new ImageBox(ObjectFrame, 12, y + 8, 16, 16);
    mark->SetPicture(pictures::Named("selection_mark"));
    mark->SetVisible(false);
    // Its picture comes when the panel is first filled.
    ImageBox* kind = ObjSelImg.Items()[i] = new ImageBox(ObjectFrame, 36, y, 32, 32);
    kind->SetToolTip("Click to select " + BadGuyKinds[i].DisplayName);
    kind->Click = [this, i] { ObjSelImg_Click(i); };
    Label* name = ObjectLabel.Items()[i] = new Label(ObjectFrame, 72, y + 10, 77, 13);
    name->SetCaption(BadGuyKinds[i].DisplayName);
    Label* count = ObjCntBox.Items()[i] = new Label(ObjectFrame, 152, y + 10, 27, 13);
    count->SetAlignment(Align::Right);
  }
}

void MainFrm::BuildBGUFrame() {
  BGUFrame = new Frame(this, 632, 1100, 185, 357, "Bad Guys Used List");
  BGUScroll = new ScrollBar(BGUFrame, 162, 20, 17, 303, Qt::Vertical);
  BGUScroll->SetMin(1);
  BGUScroll->SetValue(1);
  BGUScroll->SetSmallChange(1);
  BGUScroll->SetLargeChange(9);
  TotalBGULabel = new Label(BGUFrame, 20, 332, 106, 15, "Total Bad Guys Used");
  TotalBGUBox = new Label(BGUFrame, 128, 330, 49, 17);
  TotalBGUBox->SetBackColor(kYellow);
  TotalBGUBox->SetAlignment(Align::Center);
  TotalBGUBox->SetBold(true);
}

// The rows of the used-objects list, made when one of them is first touched
// (in practice when "Bad Guy List" mode first shows the list), with the tips
// that the window's load gives them. A redraw of the list touches them, so
// they are made before any redraw fills them.
void MainFrm::BuildListRows() {
  const std::string digitsTip = "Digits 0-9 Only, Press ENTER to Update Display";
  for (int i = 0; i < 9; ++i) {
    int y = 20 + 34 * i;
    ImageBox* mark = BGIndImg.Items()[i] = new ImageBox(BGUFrame, 2, y, 16, 16);
    mark->SetPicture(pictures::Named("selection_mark"));
    mark->SetToolTip("Current Bad Guy Selection");
    mark->SetVisible(false);
    ImageBox* picture = BGUImg.Items()[i] = new ImageBox(BGUFrame, 20, y, 32, 32);
    picture->Click = [this, i] { BGUImg_Click(i); };
    Label* name = BGUNameBox.Items()[i] = new Label(BGUFrame, 56, y, 103, 15);
    name->SetAlignment(Align::Center);
    name->SetBold(true);
    CheckBox* stay = StayCheck.Items()[i] = new CheckBox(BGUFrame, 4, y + 16, 13, 19, "");
    stay->SetToolTip("Stay on Platform Flag");
    stay->Click = [this, i] { StayCheck_Click(i); };
    LabelX.Items()[i] = new Label(BGUFrame, 58, y + 16, 10, 15, "X");
    TextBox* x = BGUXBox.Items()[i] = new TextBox(BGUFrame, 70, y + 14, 37, 17);
    x->SetToolTip(digitsTip);
    x->KeyPress = [this, i](int& key) { BGUXBox_KeyPress(i, key); };
    x->Change = [this, i] { BGUXBox_Change(i); };
    LabelY.Items()[i] = new Label(BGUFrame, 110, y + 16, 10, 15, "Y");
    TextBox* yBox = BGUYBox.Items()[i] = new TextBox(BGUFrame, 122, y + 14, 37, 17);
    yBox->SetToolTip(digitsTip);
    yBox->KeyPress = [this, i](int& key) { BGUYBox_KeyPress(i, key); };
    yBox->Change = [this, i] { BGUYBox_Change(i); };
  }
}

void MainFrm::WireHandlers() {
  TB->ButtonClick = [this](int index) { TB_ButtonClick(index); };
  FileNameBox->Click = [this] { FileNameBox_Click(); };
  for (int i = 0; i < 270; ++i) {
    Img[i]->MouseDown = [this, i](int b, int s, int x, int y) { Img_MouseDown(i, b, s, x, y); };
    Img[i]->Click = [this, i] { Img_Click(i); };
    Img[i]->MouseMove = [this, i](int b, int s, int x, int y) { Img_MouseMove(i, b, s, x, y); };
  }
  ResetImg->MouseMove = [this](int b, int s, int x, int y) { ResetImg_MouseMove(b, s, x, y); };
  MapXScroll->Change = [this] { MapXScroll_Change(); };
  MapXScroll->Scroll = [this] { MapXScroll_Scroll(); };
  for (int i = 0; i < 4; ++i) {
    LayerOption[i]->Click = [this, i] { LayerOption_Click(i); };
    ModeOption[i]->Click = [this, i] { ModeOption_Click(i); };
  }
  GridCheck->Click = [this] { GridCheck_Click(); };
  AutoCheck->Click = [this] { AutoCheck_Click(); };
  ResetCheck->Click = [this] { ResetCheck_Click(); };
  SetZunboCmd->Click = [this] { SetZunboCmd_Click(); };
  DelBadGuyCmd->Click = [this] { DelBadGuyCmd_Click(); };

  BlankTileCmd->Click = [this] { BlankTileCmd_Click(); };
  for (int i = 0; i < 3; ++i) TilesOption[i]->Click = [this, i] { TilesOption_Click(i); };
  SelScroll->Change = [this] { SelScroll_Change(); };
  SelScroll->Scroll = [this] { SelScroll_Scroll(); };
  for (int i = 0; i < 32; ++i) {
    SelImg[i]->MouseDown = [this, i](int b, int s, int x, int y) { SelImg_MouseDown(i, b, s, x, y); };
    SelImg[i]->MouseMove = [this, i](int b, int s, int x, int y) { SelImg_MouseMove(i, b, s, x, y); };
  }
  CurImg->MouseMove = [this](int b, int s, int x, int y) { CurImg_MouseMove(b, s, x, y); };
  CurImg->Click = [this] { CurImg_Click(); };

  // The bad-guy rows are wired as they are made.
  BGUScroll->Change = [this] { BGUScroll_Change(); };
  BGUScroll->Scroll = [this] { BGUScroll_Scroll(); };
  for (int k = 0; k < 32; ++k) {
    BGImg[k]->MouseDown = [this, k](int b, int s, int x, int y) { BGImg_MouseDown(k, b, s, x, y); };
    BGImg[k]->MouseMove = [this, k](int b, int s, int x, int y) { BGImg_MouseMove(k, b, s, x, y); };
  }
  BGTimer->Tick = [this] { BGTimer_Timer(); };
}

// ---------------------------------------------------------------- life cycle

void MainFrm::Form_Load() {
  holdPictures_ = true;
  BGTimer->SetEnabled(true);  // the blink runs for as long as the window is loaded
  PlaceByFormIndex(kFormMainFrm);
  SetCaption(WindowTitle);
  ObjectFrame->Move(TileFrame->Left(), TileFrame->Top());
  BGUFrame->Move(TileFrame->Left(), TileFrame->Top());

  // Selecting the options runs their click handlers, as a user's click would.
  if (CurrentLayer >= 0 && CurrentLayer <= 3) LayerOption[CurrentLayer]->SetValue(true);
  if (EditMode >= 0 && EditMode <= 3) ModeOption[EditMode]->SetValue(true);
  if (TileSetChoice >= 0 && TileSetChoice <= 2) TilesOption[TileSetChoice]->SetValue(true);

  ColBox->SetCaption("");
  RowBox->SetCaption("");
  XBox->SetCaption("");
  YBox->SetCaption("");
  DelBadGuyCmd->SetVisible(false);
  // The kind names and the tips of the kinds and of the list's coordinate
  // boxes are given to those rows as they are made (BuildKindRows, BuildListRows).

  GridCheck->SetValue(Pref.ShowGrid != 0 ? 1 : 0);
  AutoCheck->SetValue(Pref.AutoCompleteClouds != 0 ? 1 : 0);
  ResetCheck->SetValue(Pref.ShowResetPoints != 0 ? 1 : 0);

  if (!Trim(Pref.LastLevelFile).empty()) {
    LoadPrefMap();
    if (LevelLoaded) {
      SelectedTile = Pref.SavedTile;
      ScrollPaletteToTile();
      MapXScroll->SetValue(Pref.SavedScrollX);  // clamped into the scroll bar's range
    } else {
      int answer =
          ShowMsgBox("Do you wish to select anothe level now?", platform::kQuestionYesNoCancel, "Level Load Error");
      if (answer == platform::kYes) {
        LoadLevelDialog();
      } else if (answer == platform::kCancel) {
        holdPictures_ = false;
        platform::DoEvents();
        Unload();  // saves the preferences; the program then ends
        return;
      }
    }
  }

  SelectingStartPos = false;
  SelectedObject = -1;
  ResetMarkerBlink();
  holdPictures_ = false;
  UpdateDisplay();
  // A palette hidden by the restored mode still gets its pictures, as every
  // redraw of the load would have given them.
  if (palettePending_) ShowPalettePictures();
}

void MainFrm::Form_Unload() {
  // An open world window has gone already, as every window shown over this
  // one goes first, storing its own state and offering to save its world map.
  BGTimer->SetEnabled(false);
  StorePlace(kFormMainFrm);
  Pref.SavedTile = SelectedTile;
  Pref.SavedLayer = CurrentLayer;
  Pref.SavedMode = EditMode;
  Pref.SavedBadGuyKind = SelectedBadGuyKind;
  Pref.SavedScrollX = static_cast<int16_t>(MapXScroll->Value());
  Pref.ShowGrid = static_cast<int16_t>(GridCheck->Value());
  Pref.SavedTileSet = TileSetChoice;
  SavePreferences();
}

bool MainFrm::Form_QueryUnload() {
  // While "Create Set" waits for its dialog the window stays enabled, but it
  // must not go away under the waiting command.
  return !creatingSet_ && AskToSaveLevel();
}

// ---------------------------------------------------------------- view options

void MainFrm::LayerOption_Click(int index) {
  CurrentLayer = static_cast<int16_t>(index);
  UpdateDisplay();
}

void MainFrm::ModeOption_Click(int index) {
  EditMode = static_cast<int16_t>(index);
  DelBadGuyCmd->SetVisible(index == 2 && SelectedObject >= 0);
  if (EditMode == 1) SelectedObject = -1;
  UpdateDisplay();
}

void MainFrm::GridCheck_Click() {
  if (Updating) return;
  Pref.ShowGrid = static_cast<int16_t>(GridCheck->Value() == 1 ? 1 : 0);
  DrawMap();
}

void MainFrm::AutoCheck_Click() {
  if (Updating) return;
  Pref.AutoCompleteClouds = static_cast<int16_t>(AutoCheck->Value() == 1 ? 1 : 0);
}

void MainFrm::ResetCheck_Click() {
  if (Updating) return;
  Pref.ShowResetPoints = static_cast<int16_t>(ResetCheck->Value() == 1 ? 1 : 0);
  UpdateDisplay();
}

void MainFrm::FileNameBox_Click() { LoadLevelDialog(); }

}  // namespace yv
