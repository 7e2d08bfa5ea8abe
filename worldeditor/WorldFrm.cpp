// The world window: controls and layout, load and unload, toolbar, file
// commands and scroll handlers.
#include "worldeditor/WorldFrm.h"

#include "controls/Dialog.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "pictures/Pictures.h"
#include "platform/System.h"
#include "platform/Ui.h"
#include "worldeditor/WorldDialogs.h"
#include "worldeditor/document/YVW_Read.h"
#include "worldeditor/document/YVW_Write.h"

namespace yv {
namespace {

const char* const kModeCaptions[5] = {"Map Tiles - Normal Table", "Map Tiles - Favotites Table", "Level Point Editor",
                                      "All Layers", "Set Zunbo Start"};
const int kModeTops[5] = {16, 34, 52, 72, 92};

const QColor kGreen(0, 128, 0);

// A world-map file chosen through the shared file dialog; nothing on Cancel.
// The world window has no file dialog of its own, and the name is left as the
// last choice left it, so a name chosen in either editor is offered again;
// but a world without a file is offered none, so that Enter cannot choose
// another world's file for it. Saving over the world's own file asks nothing.
std::optional<std::string> ChooseWorldMapFile(platform::FileDialogMode mode) {
  const bool unnamed = mode == platform::FileDialogMode::Save && Trim(Pref.LastWorldMapFile).empty();
  return platform::ChooseFile(platform::SharedFileDialog(), mode, "*.yvwm|*.yvwm", WorldMapsDir,
                              unnamed ? std::optional<std::string>("") : platform::kLastChosenName,
                              Pref.LastWorldMapFile);
}

}  // namespace

using namespace controls;
using platform::kQuestionYesNo;
using platform::kYes;

int16_t WorldFrm::LastEditMode = 0;
bool WorldFrm::readErrorShown_ = false;

WorldFrm::WorldFrm() : Form(863, 634) {
  SetFaceColor(QColor(192, 192, 192));
  setWindowIcon(QIcon(pictures::Named("app_icon")));
  SetCaption("YV_Editor - Yorvane World Map Editor");
  WorldEditMode = LastEditMode;
  BuildControls();
  BuildTilesFrame();
  BuildLinkFrame();
  WireHandlers();
}

// A world window that goes without its unload still gives its opener back (Form does).
WorldFrm::~WorldFrm() = default;

WorldFrm* WorldFrm::Instance() { return OpenDialog<WorldFrm>(); }

void OpenWorldFrm(Form& opener) {
  // The opener is held from before the load, whose event pumps would let it
  // take a command, and hidden once the world window shows; the unload gives
  // it back after the preferences and the question about changes. An open
  // world window is brought to the front instead.
  ShowDialog<WorldFrm>({&opener, OwnerUse::HideWhileOpen});
}

// ---------------------------------------------------------------- layout

void WorldFrm::BuildControls() {
  // Pictures are decoded when first shown.
  WorldImages = std::make_unique<ImageList>(76, pictures::World);
  WTBImages = std::make_unique<ImageList>(6, pictures::WorldToolbar);

  WTB = new Toolbar(this, 0, 0, 863, 58);
  // Positions 1..10; a null tooltip is a separator. The buttons have no captions.
  const char* const buttons[10] = {"Create New World", nullptr, "Open World Map",   nullptr, "Save World Map",
                                   "Save Map As",      nullptr, "World Properties", nullptr, "Exit World Editor"};
  int picture = 1;
  for (const char* tip : buttons) {
    if (!tip)
      WTB->AddSeparator();
    else
      WTB->AddButton("", tip, WTBImages->Picture(picture++));
  }

  FileNameBox = new Label(this, 8, 62, 617, 19);
  FileNameBox->SetBackColor(kGreen);
  FileNameBox->SetForeColor(Qt::white);
  FileNameBox->SetBold(true);
  FileNameBox->SetToolTip("Click to open a Yorvane World Map file.");

  MapBackLabel = new Label(this, 8, 86, 617, 515);
  MapBackLabel->SetBackColor(Qt::black);
  for (int c = 0; c < 18; ++c)
    for (int r = 0; r < 15; ++r)
      Img[CellIndex(c, r)] = new ImageBox(this, kCellLeft + kCellPitch * c, kCellTop + kCellPitch * r, 32, 32);
  // Above the cells, below the markers made after it.
  overlay_ = new PictureOverlay(this, MapBackLabel->geometry());

  MapXScroll = new ScrollBar(this, 10, 604, 615, 23, Qt::Horizontal);
  MapXScroll->SetLargeChange(8);
  MapYScroll = new ScrollBar(this, 628, 86, 23, 515, Qt::Vertical);
  MapYScroll->SetLargeChange(1);
  // Both keep the full range until the first drawn world sets it, so the
  // load can restore the saved positions before anything is drawn.

  Frame2 = new Frame(this, 658, 60, 201, 133, "Mode Selection");
  for (int i = 0; i < 5; ++i) ModeOption[i] = new OptionButton(Frame2, 12, kModeTops[i], 183, 17, kModeCaptions[i]);
  FavCheck = new CheckBox(Frame2, 12, 112, 110, 17, "Edit Favorites");

  CordsFrame = new Frame(this, 658, 568, 201, 59, "Mouse Cords");
  MouseXLabel = new Label(CordsFrame, 10, 17, 20, 17, "X :");
  MouseYLabel = new Label(CordsFrame, 10, 37, 20, 17, "Y :");
  MouseXBox = new Label(CordsFrame, 32, 16, 39, 17);
  MouseYBox = new Label(CordsFrame, 32, 36, 39, 17);
  for (Label* box : {MouseXBox, MouseYBox}) {
    box->SetBackColor(Qt::white);
    box->SetAlignment(Align::Center);
  }
  AutoCheck = new CheckBox(CordsFrame, 82, 16, 115, 13, "Auto Complete Tiles");

  // Out of sight until the drawing moves them onto the map.
  DummyCmd = new Button(this, -200, 700, 20, 20, "");
  for (int i = 0; i < 64; ++i) Marker(i);
  for (int i = 0; i < 64; ++i) {
    TeleportImg[i] = new ImageBox(this, -100, 700, 21, 21);
    TeleportImg[i]->SetVisible(false);
  }
  ZunboImg = new ImageBox(this, -100, 700, 32, 32);
  ZunboImg->SetPicture(pictures::Named("world_zunbo"));
  ZunboImg->SetToolTip("Zunbo");
  ZunboImg->SetVisible(false);
  BlankImg = new ImageBox(this, -100, 740, 32, 32);
  BlankImg->SetPicture(pictures::Named("world_blank"));
}

ImageBox* WorldFrm::Marker(int i) {
  while (static_cast<int>(DotImg.size()) <= i) {
    const int index = static_cast<int>(DotImg.size());
    auto* marker = new ImageBox(this, -100, 700, 21, 23);
    marker->SetVisible(false);
    marker->MouseDown = [this, index](int b, int s, int x, int y) { DotImg_MouseDown(index, b, s, x, y); };
    marker->MouseMove = [this, index](int b, int s, int x, int y) { DotImg_MouseMove(index, b, s, x, y); };
    DotImg.push_back(marker);
  }
  return DotImg[static_cast<size_t>(i)];
}

void WorldFrm::WireHandlers() {
  WTB->ButtonClick = [this](int index) { WTB_ButtonClick(index); };
  FileNameBox->Click = [this] { FileNameBox_Click(); };
  for (int i = 0; i < 270; ++i) {
    Img[i]->MouseDown = [this, i](int b, int s, int x, int y) { Img_MouseDown(i, b, s, x, y); };
    Img[i]->MouseMove = [this, i](int b, int s, int x, int y) { Img_MouseMove(i, b, s, x, y); };
  }
  MapXScroll->Change = [this] { MapXScroll_Change(); };
  MapXScroll->Scroll = [this] { MapXScroll_Scroll(); };
  MapYScroll->Change = [this] { MapYScroll_Change(); };
  MapYScroll->Scroll = [this] { MapYScroll_Scroll(); };
  TileScroll->Change = [this] { TileScroll_Change(); };
  TileScroll->Scroll = [this] { TileScroll_Scroll(); };
  for (int i = 0; i < 5; ++i) ModeOption[i]->Click = [this, i] { ModeOption_Click(i); };
  FavCheck->Click = [this] { FavCheck_Click(); };
  AutoCheck->Click = [this] { AutoCheck_Click(); };
  for (int i = 0; i < 36; ++i) TileImg[i]->Click = [this, i] { TileImg_Click(i); };
  // The link list wires its own controls as it builds them.
}

// ---------------------------------------------------------------- life cycle

void WorldFrm::Form_Load() {
  PlaceByFormIndex(kFormWorldFrm);
  LinkFrame->Move(TilesFrame->Left(), TilesFrame->Top());
  for (int i = 0; i < 16; ++i) {
    LinkIndImg[i]->SetToolTip("Click to Edit Link Parameters");
    LinkNumBox[i]->SetToolTip("Click to Edit Link Parameters");
    LinkTypeBox[i]->SetToolTip("Click to Edit Link Parameters");
  }

  show();
  platform::DoEvents();
  if (IsUnloaded()) return;

  EditFavorites = 0;
  FileNameBox->SetCaption("");
  if (!Trim(Pref.LastWorldMapFile).empty()) {
    ReadWorld(Pref.LastWorldMapFile);
    WorldEditMode = Pref.SavedWorldMode;
    // Each change of value redraws at once, possibly with the saved mode
    // before it has been checked.
    MapXScroll->SetValue(Pref.SavedWorldScrollX);
    MapYScroll->SetValue(Pref.SavedWorldScrollY);
    if (WorldEditMode < 0 || WorldEditMode > 4) WorldEditMode = 0;
  }
  if (IsUnloaded()) return;
  if (WorldEditMode < 0 || WorldEditMode > 4) WorldEditMode = 0;  // a mode kept from the last opening is 0..4
  ModeOption[WorldEditMode]->SetValue(true);

  MouseXBox->SetCaption("");
  MouseYBox->SetCaption("");
  for (Label* box : {LinkNameBox, LinkXBox, LinkYBox, LinkDXBox, LinkDYBox}) box->SetCaption("");
  for (int i = 0; i < 16; ++i) {
    LinkNumBox[i]->SetCaption("");
    LinkTypeBox[i]->SetCaption("");
  }
  SelectedLink = -1;
  UpdateWorld();
}

bool WorldFrm::StoreStateAndAskToSave(bool mayCancel) {
  StorePlace(kFormWorldFrm);  // clamped to what the preferences hold
  Pref.SavedWorldMode = WorldEditMode;
  Pref.SavedWorldScrollX = static_cast<int16_t>(MapXScroll->Value());
  Pref.SavedWorldScrollY = static_cast<int16_t>(MapYScroll->Value());
  SavePreferences();
  if (!AskToSaveChanges(mayCancel)) return false;
  // Saved, or dropped: the next opening reads the world from its file.
  WorldChanged = false;
  return true;
}

bool WorldFrm::AskToSaveChanges(bool mayCancel) {
  if (!WorldChanged) return true;
  // A world that is not loaded is never written; a save that is not done
  // keeps the world, and the window, as they are.
  return yv::AskToSaveChanges(
      "Save World Map Changes?", "World Map Changed", [this] { return !WorldLoaded || SaveWorld(); }, mayCancel);
}

bool WorldFrm::MayReplaceWorld() { return AskToSaveChanges(true) && !IsUnloaded(); }

bool WorldFrm::SaveWorld() {
  // A world without a file name must not be lost, nor written over another
  // world's file: it is named first.
  if (Trim(Pref.LastWorldMapFile).empty()) return SaveWorldAsCommand();
  return SaveWorldFile(Pref.LastWorldMapFile);
}

bool WorldFrm::Form_QueryUnload() {
  closeAsked_ = StoreStateAndAskToSave(true);
  return closeAsked_;
}

void WorldFrm::Form_Unload() {
  // Unloaded without the user's close (the main window unloading at the
  // program's end): the same steps, and nothing can call the close off.
  if (!closeAsked_) StoreStateAndAskToSave(false);
  LastEditMode = WorldEditMode;
  // The opener is given back after this (enabled, its pointer reset, shown).
}

// ---------------------------------------------------------------- toolbar

void WorldFrm::WTB_ButtonClick(int index) {
  switch (index) {
    case 1:
      CreateNewWorld();
      break;
    case 3: {
      // The redraws below run the event pump: a second click on Open queued
      // while a large world was drawn would start a second open, and read the
      // file a second time, inside this one.
      const InputHold hold(this);
      if (!MayReplaceWorld()) break;
      OpenWorldDialog();
      UpdateWorld();
      break;
    }
    case 5:
      SaveWorldCommand();
      break;
    case 6:
      SaveWorldAsCommand();
      break;
    case 8:
      OpenWorldPropertiesFrm();
      break;
    case 10:
      Close();  // the question about changes may call it off
      break;
    default:
      break;  // separators
  }
}

void WorldFrm::FileNameBox_Click() {
  const InputHold hold(this);  // as the toolbar's Open
  if (!MayReplaceWorld()) return;
  OpenWorldDialog();
}

// ---------------------------------------------------------------- file commands

// A world that is not loaded (none yet, a failed read, a cancelled open)
// holds defaults or a part of a file: it never replaces a file.
void WorldFrm::SaveWorldCommand() {
  if (!WorldLoaded) return;
  SaveWorld();
}

bool WorldFrm::SaveWorldAsCommand() { return WorldLoaded && BuildWorldText() && SaveWorldAsDialog(); }

// The world shown is replaced only once a file has been chosen: Cancel ends
// the command without a message and leaves it drawn as it was.
void WorldFrm::OpenWorldDialog() {
  std::optional<std::string> chosen = ChooseWorldMapFile(platform::FileDialogMode::Open);
  if (!chosen) return;
  ClearWorldView();
  // The reader takes the path as the world's file even when the text fails
  // to read; the file name stays that of the last world read whole, which
  // the label goes on showing and the next opening reads.
  const std::string previous = Pref.LastWorldMapFile;
  ReadWorld(*chosen);
  if (!WorldLoaded) Pref.LastWorldMapFile = previous;
  UpdateWorld();
}

void WorldFrm::ReadWorld(const std::string& path) {
  readErrorShown_ = false;  // a new read's error is told again
  ReadWorldFile(path);
}

bool WorldFrm::SaveWorldAsDialog() {
  if (!WorldLoaded) return false;
  std::optional<std::string> chosen = ChooseWorldMapFile(platform::FileDialogMode::Save);
  if (!chosen) return false;
  // A file that could not be written does not become the world's name: the
  // next opening would not find it. (A blank name would write nothing.)
  if (Trim(*chosen).empty() || !WriteWorldFile(*chosen)) return false;  // the writer's box tells why
  Pref.LastWorldMapFile = *chosen;
  FileNameBox->SetCaption(Pref.LastWorldMapFile);  // the file that "Save World Map" now writes
  return true;
}

void WorldFrm::CreateNewWorld() {
  if (!MayReplaceWorld()) return;
  if (ShowMsgBox("Do you wish to create a new world?", kQuestionYesNo, "Yorvane New World Creation") != kYes) return;
  // An earlier failed read must not keep the new world from being drawn.
  WorldReadError = 0;
  // The new world has no file yet: a save names one rather than write over
  // the file of the world shown before.
  Pref.LastWorldMapFile.clear();
  FileNameBox->SetCaption("");
  ClearWorldView();
  NewWorldPending = true;
  OpenWorldPropertiesFrm();  // its close gives the new world its map and redraws
}

void WorldFrm::ClearWorldView() {
  ResetWorldData();
  // The world that was shown is gone: its changes were saved or dropped at
  // the question before, and none is left to ask about.
  WorldChanged = false;
  const QPixmap& blank = BlankImg->Picture();
  for (ImageBox* cell : Img) cell->SetPicture(blank);
  overlay_->Clear();
  overlay_->Done();
  // Nothing of the world that is gone stays in view.
  HideLinkMarkers();
  ZunboImg->SetVisible(false);
  ClearLinkList();
  WorldEditMode = 0;
  ModeOption[0]->SetValue(true);
  MapXScroll->SetValue(0);
  MapYScroll->SetValue(0);
  // The next drawn world gives the scroll bars its own range.
  MapXScroll->SetMax(0);
  MapYScroll->SetMax(0);
}

// ---------------------------------------------------------------- scroll bars
// Each first parks the focus on DummyCmd, so that no scroll bar keeps it.

void WorldFrm::MapXScroll_Change() {
  DummyCmd->SetFocus();
  UpdateWorld();
}
void WorldFrm::MapXScroll_Scroll() {
  DummyCmd->SetFocus();
  UpdateWorld();
}
void WorldFrm::MapYScroll_Change() {
  DummyCmd->SetFocus();
  UpdateWorld();
}
void WorldFrm::MapYScroll_Scroll() {
  DummyCmd->SetFocus();
  UpdateWorld();
}
void WorldFrm::TileScroll_Change() {
  DummyCmd->SetFocus();
  UpdateWorld();
}
void WorldFrm::TileScroll_Scroll() {
  DummyCmd->SetFocus();
  UpdateWorld();
}

}  // namespace yv
