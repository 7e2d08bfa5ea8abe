#include "leveleditor/VarsFrm.h"

#include <QPointer>

#include "controls/Dialog.h"
#include "controls/RedrawGuard.h"
#include "leveleditor/BackGndFrm.h"
#include "leveleditor/Dialogs.h"
#include "leveleditor/MainFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "pictures/Pictures.h"
#include "platform/System.h"
#include "platform/Ui.h"

namespace yv {
namespace {

const QColor kOlive(128, 128, 0);
const QColor kYellow(255, 255, 0);
const QColor kBrightGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);

// The widest width the maps are made for; a wider one is refused, because the
// map view and the level writer index the maps up to Width - 1.
constexpr int kMaxWidth = 1023;
// The narrowest width for which a change makes the maps anew.
constexpr int kMinWidth = 21;
constexpr int16_t kDefaultFloorTile = 26;

// A level's tile picture by number, from the main window's tile list.
QPixmap TilePicture(int n) {
  if (MainFrm* main = MainFrm::Instance()) return main->BlockImgList->Picture(n);
  return pictures::Tile(n);
}

}  // namespace

using namespace controls;

VarsFrm::VarsFrm() : Form(450, 354) {
  SetCaption("YV_Editor Map Variables");
  SetBackColor(kOlive);
  BuildControls();
  WireHandlers();
}

VarsFrm::~VarsFrm() = default;

VarsFrm* VarsFrm::Instance() { return OpenDialog<VarsFrm>(); }

// ---------------------------------------------------------------- layout

void VarsFrm::BuildControls() {
  // Captions to the left of their boxes, in yellow on the olive window.
  auto caption = [this](int x, int y, int w, const char* text, Align align = Align::Left) {
    Label* label = new Label(this, x, y, w, 17, text);
    label->SetForeColor(kYellow);
    label->SetAlignment(align);
    return label;
  };
  // The clickable fields: blue with white text.
  auto field = [this](int x, int y, int w) {
    Label* label = new Label(this, x, y, w, 17);
    label->SetBackColor(kBlue);
    label->SetForeColor(Qt::white);
    label->SetMousePointer(Pointer::Hand);
    return label;
  };

  FileNameLabel = caption(4, 7, 48, "Filename");
  FileNameBox = new Label(this, 54, 6, 389, 17);
  FileNameBox->SetBackColor(kBrightGreen);
  FileNameBox->SetToolTip("Current loaded level's path/filename");

  CommentLabel = caption(4, 32, 48, "Comment");
  CommentBox = new TextBox(this, 54, 30, 389, 19);
  VersionLabel = caption(4, 50, 48, "Version");
  VersionBox = new TextBox(this, 54, 48, 389, 19);
  AuthorLabel = caption(4, 68, 48, "Author");
  AuthorBox = new TextBox(this, 54, 66, 389, 19);
  NameLabel = caption(4, 86, 48, "Name");
  NameBox = new TextBox(this, 54, 84, 389, 19);

  WidthLabel = caption(4, 109, 48, "Width");
  WidthBox = new TextBox(this, 54, 108, 59, 17);
  WidthBox->SetToolTip("Width in number of Tiles wide (Will FORCE a new level creation if changed!)");
  HeightLabel = caption(4, 127, 48, "Height");
  HeightBox = new TextBox(this, 54, 126, 59, 17);
  HeightBox->SetToolTip("Must be 15, Yorvane V1.2 only supports height of 15.");
  HeightBox->SetEnabled(false);

  BackScrollCheck = new CheckBox(this, 120, 108, 67, 39, "Enable Back Scrolling");
  BackScrollCheck->SetForeColor(kYellow);
  BackScrollCheck->SetToolTip("Allow Zunbo to go backwards in game play");

  TimeLabel = caption(190, 109, 40, "TIME", Align::Right);
  TimeBox = new TextBox(this, 232, 108, 97, 17);
  GravityLabel = caption(190, 127, 40, "Gravity", Align::Right);
  GravityBox = new TextBox(this, 232, 126, 97, 17);

  StartXLabel = caption(330, 109, 58, "Start Pos X", Align::Right);
  StartXBox = new TextBox(this, 390, 108, 51, 17);
  StartXBox->SetToolTip("Zunbo's Column Starting Position");
  StartYLabel = caption(330, 127, 58, "Start Pos Y", Align::Right);
  StartYBox = new TextBox(this, 390, 126, 51, 17);
  StartYBox->SetToolTip("Zunbo's Row Starting Position");

  BackgroundLabel = caption(4, 148, 50, "BkGnd");
  BackgroundBox = field(56, 148, 387);
  BackgroundBox->SetToolTip("Click to change Background Image");
  MusicLabel = caption(4, 166, 50, "Music");
  MusicBox = field(56, 166, 387);
  MusicBox->SetToolTip("Click to change the Music");

  // The two sky colours: a column per end of the sky, a row per component.
  TopLabel = caption(54, 190, 47, "Top", Align::Center);
  BottomLabel = caption(106, 190, 47, "Bottom", Align::Center);
  RedLabel = caption(4, 207, 48, "Red");
  GreenLabel = caption(4, 225, 48, "Green");
  BlueLabel = caption(4, 243, 48, "Blue");
  BkgRedTopBox = new TextBox(this, 54, 206, 47, 19);
  BkgGrnTopBox = new TextBox(this, 54, 224, 47, 19);
  BkgBluTopBox = new TextBox(this, 54, 242, 47, 19);
  BkgRedBtmBox = new TextBox(this, 106, 206, 47, 19);
  BkgGrnBtmBox = new TextBox(this, 106, 224, 47, 19);
  BkgBluBtmBox = new TextBox(this, 106, 242, 47, 19);

  // No room to the left of the two speed boxes: their captions sit above them.
  BkgSpeedLabel = caption(368, 190, 77, "Bkg Speed");
  BkgSpeedBox = new TextBox(this, 368, 206, 77, 17);
  ScrollSpeedLabel = caption(368, 225, 77, "Scroll Speed");
  ScrollSpeedBox = new TextBox(this, 368, 242, 77, 17);

  ParticleLabel = caption(4, 266, 50, "Particle");
  ParticleBox = field(56, 266, 387);
  ParticleBox->SetToolTip("Click to toggle Particle type");
  ThemeLabel = caption(4, 284, 50, "Theme");
  ThemeBox = field(56, 284, 387);
  ThemeBox->SetToolTip("Click to toggle Theme type");

  EndCommentLabel = caption(4, 304, 48, "Comment");
  EndCommentBox = new TextBox(this, 54, 302, 389, 19);
  NumsLabel = caption(4, 329, 48, "Stats");
  NumsBox = new Label(this, 54, 328, 313, 17);
  NumsBox->SetForeColor(kYellow);

  Frame1 = new Frame(this, 158, 188, 205, 73, "New Level Creation");
  Frame1->SetForeColor(kYellow);
  const char* endingTip = "Only when new level is created or width changed.";
  AddEndCheck = new CheckBox(Frame1, 8, 20, 92, 17, "Add Ending");
  AddEndCheck->SetToolTip(endingTip);
  IglooCheck = new CheckBox(Frame1, 8, 44, 92, 17, "Add Igloo");
  IglooCheck->SetToolTip(endingTip);
  FloorLabel = new Label(Frame1, 108, 22, 62, 30, "Ending Floor Tile");
  FloorLabel->SetForeColor(kYellow);
  FloorLabel->SetAlignment(Align::Right);
  FloorImg = new ImageBox(Frame1, 176, 26, 19, 19);
  FloorImg->SetStretch(true);
  FloorImg->SetToolTip("Click to use thbe Current Selected Tile");
  FloorImg->SetMousePointer(Pointer::Hand);

  CloseCmd = new Button(this, 374, 328, 69, 21, "Close");
  CloseCmd->SetToolTip("Close Window");
}

void VarsFrm::WireHandlers() {
  CloseCmd->Click = [this] { CloseCmd_Click(); };
  CommentBox->Change = [this] { CommentBox_Change(); };
  VersionBox->Change = [this] { VersionBox_Change(); };
  AuthorBox->Change = [this] { AuthorBox_Change(); };
  NameBox->Change = [this] { NameBox_Change(); };
  WidthBox->KeyPress = [this](int& key) { WidthBox_KeyPress(key); };
  BackScrollCheck->Click = [this] { BackScrollCheck_Click(); };
  StartXBox->Change = [this] { StartXBox_Change(); };
  StartYBox->Change = [this] { StartYBox_Change(); };
  BackgroundBox->Click = [this] { BackgroundBox_Click(); };
  MusicBox->Click = [this] { MusicBox_Click(); };
  BkgRedTopBox->Change = [this] { BkgRedTopBox_Change(); };
  BkgGrnTopBox->Change = [this] { BkgGrnTopBox_Change(); };
  BkgBluTopBox->Change = [this] { BkgBluTopBox_Change(); };
  BkgRedBtmBox->Change = [this] { BkgRedBtmBox_Change(); };
  BkgGrnBtmBox->Change = [this] { BkgGrnBtmBox_Change(); };
  BkgBluBtmBox->Change = [this] { BkgBluBtmBox_Change(); };
  BkgSpeedBox->Change = [this] { BkgSpeedBox_Change(); };
  ScrollSpeedBox->Change = [this] { ScrollSpeedBox_Change(); };
  TimeBox->Change = [this] { TimeBox_Change(); };
  GravityBox->Change = [this] { GravityBox_Change(); };
  ParticleBox->Click = [this] { ParticleBox_Click(); };
  ThemeBox->Click = [this] { ThemeBox_Click(); };
  AddEndCheck->Click = [this] { AddEndCheck_Click(); };
  IglooCheck->Click = [this] { IglooCheck_Click(); };
  FloorImg->Click = [this] { FloorImg_Click(); };

  // A number box left with a text that was not taken shows what is stored;
  // the width is taken when the user leaves its box.
  ShowStoredWhenLeft(StartXBox, Level.StartPosX);
  ShowStoredWhenLeft(StartYBox, Level.StartPosY);
  ShowStoredWhenLeft(BkgRedTopBox, Level.BkgdRedTop);
  ShowStoredWhenLeft(BkgGrnTopBox, Level.BkgdGreenTop);
  ShowStoredWhenLeft(BkgBluTopBox, Level.BkgdBlueTop);
  ShowStoredWhenLeft(BkgRedBtmBox, Level.BkgdRedBottom);
  ShowStoredWhenLeft(BkgGrnBtmBox, Level.BkgdGreenBottom);
  ShowStoredWhenLeft(BkgBluBtmBox, Level.BkgdBlueBottom);
  ShowStoredWhenLeft(TimeBox, Level.TimeLimit);
  ShowStoredWhenLeft(BkgSpeedBox, Level.BkgdSpeed);
  ShowStoredWhenLeft(ScrollSpeedBox, Level.HorAutoscrollSpeed);
  ShowStoredWhenLeft(GravityBox, Level.Gravity);
  WidthBox->LostFocus = [this] { SettleWidth(); };
}

// ---------------------------------------------------------------- life cycle

void VarsFrm::Form_Load() {
  PlaceByFormIndex(kFormVarsFrm);
  if (Pref.AddEndSequence < 0 || Pref.AddEndSequence > 1) Pref.AddEndSequence = 0;
  if (Pref.AddIgloo < 0 || Pref.AddIgloo > 1) Pref.AddIgloo = 0;
  UpdateVarsDisplay();
}

void VarsFrm::Form_Unload() {
  // A width typed and not yet taken is taken as the dialog closes.
  SettleWidth();
  StorePlace(kFormVarsFrm);
  if (Trim(Pref.DefaultAuthor).empty()) Pref.DefaultAuthor = Level.Author;
}

void VarsFrm::CloseCmd_Click() { Unload(); }

// ---------------------------------------------------------------- display

void VarsFrm::UpdateVarsDisplay() {
  const RedrawGuard filling(this, Updating, AfterFill::Clear);
  if (!filling.PumpEvents()) return;

  FileNameBox->SetCaption(Pref.LastLevelFile);
  CommentBox->SetText(Level.Comment);
  VersionBox->SetText(Level.Version);
  AuthorBox->SetText(Level.Author);
  NameBox->SetText(Level.Name);

  WidthBox->SetText(FormatInt(Level.Width));
  Level.Height = 15;  // the game knows no other height, whatever a file said
  HeightBox->SetText(FormatInt(Level.Height));

  StartXBox->SetText(FormatInt(Level.StartPosX));
  StartYBox->SetText(FormatInt(Level.StartPosY));
  BackgroundBox->SetCaption(Level.Background);
  MusicBox->SetCaption(Level.Music);
  BkgRedTopBox->SetText(FormatInt(Level.BkgdRedTop));
  BkgGrnTopBox->SetText(FormatInt(Level.BkgdGreenTop));
  BkgBluTopBox->SetText(FormatInt(Level.BkgdBlueTop));
  BkgRedBtmBox->SetText(FormatInt(Level.BkgdRedBottom));
  BkgGrnBtmBox->SetText(FormatInt(Level.BkgdGreenBottom));
  BkgBluBtmBox->SetText(FormatInt(Level.BkgdBlueBottom));
  BkgSpeedBox->SetText(FormatDouble(Level.BkgdSpeed));
  ScrollSpeedBox->SetText(FormatDouble(Level.HorAutoscrollSpeed));
  TimeBox->SetText(FormatInt(Level.TimeLimit));
  GravityBox->SetText(FormatDouble(Level.Gravity));
  ParticleBox->SetCaption(Level.ParticleSystem);
  ThemeBox->SetCaption(Level.Theme);
  EndCommentBox->SetText(Level.TrailingComment);

  BackScrollCheck->SetValue(UCase(Level.BackScrolling) == "T" ? 1 : 0);

  AddEndCheck->SetValue(Pref.AddEndSequence);
  IglooCheck->SetValue(Pref.AddIgloo);

  if (Pref.FloorTile < 1 || Pref.FloorTile > kTileCount) Pref.FloorTile = kDefaultFloorTile;
  FloorImg->SetPicture(TilePicture(Pref.FloorTile));

  NumsBox->SetCaption("Number of Reset Points = " + FormatInt(Level.ResetCount) +
                      ", Number of BadGuys = " + FormatInt(Level.ObjectCount));

  platform::DoEvents();
}

// ---------------------------------------------------------------- texts and numbers

void VarsFrm::StoreLevelNumber(const TextBox* box, int16_t& field) {
  if (!Updating && StoreNumber(box, field)) LevelChanged = true;
}

void VarsFrm::StoreLevelNumber(const TextBox* box, double& field) {
  double value = 0;
  if (!Updating && TextToDouble(box->Text(), value)) SetLevelField(field, value);
}

void VarsFrm::CommentBox_Change() {
  if (Updating) return;
  SetLevelField(Level.Comment, CommentBox->Text());
}

void VarsFrm::VersionBox_Change() {
  if (Updating) return;
  SetLevelField(Level.Version, VersionBox->Text());
}

void VarsFrm::AuthorBox_Change() {
  if (Updating) return;
  SetLevelField(Level.Author, AuthorBox->Text());
}

void VarsFrm::NameBox_Change() {
  if (Updating) return;
  SetLevelField(Level.Name, NameBox->Text());
}

void VarsFrm::StartXBox_Change() { StoreLevelNumber(StartXBox, Level.StartPosX); }

void VarsFrm::StartYBox_Change() { StoreLevelNumber(StartYBox, Level.StartPosY); }

void VarsFrm::BkgRedTopBox_Change() { StoreLevelNumber(BkgRedTopBox, Level.BkgdRedTop); }

void VarsFrm::BkgGrnTopBox_Change() { StoreLevelNumber(BkgGrnTopBox, Level.BkgdGreenTop); }

void VarsFrm::BkgBluTopBox_Change() { StoreLevelNumber(BkgBluTopBox, Level.BkgdBlueTop); }

void VarsFrm::BkgRedBtmBox_Change() { StoreLevelNumber(BkgRedBtmBox, Level.BkgdRedBottom); }

void VarsFrm::BkgGrnBtmBox_Change() { StoreLevelNumber(BkgGrnBtmBox, Level.BkgdGreenBottom); }

void VarsFrm::BkgBluBtmBox_Change() { StoreLevelNumber(BkgBluBtmBox, Level.BkgdBlueBottom); }

void VarsFrm::TimeBox_Change() { StoreLevelNumber(TimeBox, Level.TimeLimit); }

void VarsFrm::BkgSpeedBox_Change() { StoreLevelNumber(BkgSpeedBox, Level.BkgdSpeed); }

void VarsFrm::ScrollSpeedBox_Change() { StoreLevelNumber(ScrollSpeedBox, Level.HorAutoscrollSpeed); }

void VarsFrm::GravityBox_Change() { StoreLevelNumber(GravityBox, Level.Gravity); }

// ---------------------------------------------------------------- width

// A new width empties every layer, so it is taken only once the user has
// settled on it (Enter, leaving the box, closing the dialog), never at the
// values the text passes through while it is typed or deleted: the box has
// no Change handler.
void VarsFrm::SettleWidth() {
  int16_t width = 0;
  // Maps are only ever made up to the widest width; a wider one is not
  // taken, so the maps always hold every column the level claims to have.
  // Nor is a width below the narrowest while a level is open: the level
  // would be saved that narrow, its other columns lost, and the reader
  // cannot take such a level back. With no level open there are no maps,
  // whose cells every reader takes as empty, and nothing to lose.
  const bool taken = TextToInt16(WidthBox->Text(), width) && width != Level.Width && width <= kMaxWidth &&
                     (width >= kMinWidth || !LevelLoaded);
  if (taken) {
    Level.Height = 15;
    SetLevelField(Level.Width, width);
    if (width >= kMinWidth) {
      Level.BackgroundTM.Create(Level.Width, 15);
      Level.ForegroundTM.Create(Level.Width, 15);
      Level.InteractiveTM.Create(Level.Width, 15);
      // The ending leaves out whatever part would fall left of column 0.
      if (Pref.AddEndSequence > 0) AddLevelEnding();
      if (MainFrm* main = MainFrm::Instance()) main->UpdateDisplay();
    }
  }
  // The box shows the width the level has, taken or not.
  if (!IsUnloaded()) UpdateVarsDisplay();
}

void VarsFrm::WidthBox_KeyPress(int& keyAscii) {
  if (FilterNumberKey(keyAscii)) SettleWidth();
}

// ---------------------------------------------------------------- clickable fields

void VarsFrm::BackScrollCheck_Click() {
  if (Updating) return;
  SetLevelField(Level.BackScrolling, std::string(BackScrollCheck->Value() == 1 ? "t" : "f"));
}

void VarsFrm::ParticleBox_Click() {
  if (Updating) return;
  const std::string& now = Level.ParticleSystem;
  SetLevelField(Level.ParticleSystem, std::string(now.empty() ? "cloud" : now == "cloud" ? "snow" : ""));
  UpdateVarsDisplay();
}

void VarsFrm::ThemeBox_Click() {
  if (Updating) return;
  SetLevelField(Level.Theme, std::string(Level.Theme.empty() ? "antarctica" : ""));
  UpdateVarsDisplay();
}

void VarsFrm::AddEndCheck_Click() {
  if (Updating) return;
  Pref.AddEndSequence = static_cast<int16_t>(AddEndCheck->Value() == 1 ? 1 : 0);
  Pref.FloorTile = SelectedTile;
  UpdateVarsDisplay();
}

void VarsFrm::IglooCheck_Click() {
  if (Updating) return;
  Pref.AddIgloo = static_cast<int16_t>(IglooCheck->Value() == 1 ? 1 : 0);
  Pref.FloorTile = SelectedTile;
  UpdateVarsDisplay();
}

void VarsFrm::FloorImg_Click() {
  if (Updating) return;
  Pref.FloorTile = SelectedTile;
  UpdateVarsDisplay();
}

void VarsFrm::BackgroundBox_Click() {
  if (Updating) return;
  ChooseBackground();
}

void VarsFrm::MusicBox_Click() {
  if (Updating) return;
  ChooseMusic();
}

// ---------------------------------------------------------------- pickers

void VarsFrm::ChooseBackground() {
  QPointer<VarsFrm> self(this);
  // Only the picker takes input while it is open: the main window is held
  // by this dialog, and this dialog by the picker until it unloads.
  bool waited = WaitForDialog([] { OpenBackGndFrm(); });
  if (!self || !waited || IsUnloaded()) return;
  BackgroundBox->SetCaption(Level.Background);
}

void VarsFrm::ChooseMusic() {
  std::optional<std::string> music = ChooseMusicFile(MusicDir, Level.Music);
  if (!music) return;
  SetLevelField(Level.Music, *music);
  MusicBox->SetCaption(Level.Music);
}

// ---------------------------------------------------------------- opener

void OpenVarsFrm() {
  bool wasOpen = false;
  VarsFrm* frm = ShowDialog<VarsFrm>({MainFrm::Instance(), OwnerUse::DisableWithHourglass}, &wasOpen);
  // Already open (a level created while it was up): show the new values.
  if (frm && wasOpen) frm->UpdateVarsDisplay();
}

}  // namespace yv
