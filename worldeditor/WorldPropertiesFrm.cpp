#include "worldeditor/WorldPropertiesFrm.h"

#include <QPointer>
#include <algorithm>
#include <cmath>
#include <string_view>

#include "controls/Dialog.h"
#include "controls/RedrawGuard.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "platform/System.h"
#include "platform/Ui.h"
#include "worldeditor/WorldDialogs.h"
#include "worldeditor/WorldFrm.h"
#include "worldeditor/document/YVW_Read.h"

namespace yv {
namespace {

// The sizes a world may be given here. The scroll bars reach only part of
// the widths the box takes.
constexpr int kMinWidth = 19;
constexpr int kMaxWidth = 1023;
constexpr int kMinHeight = 16;
constexpr int kMaxHeight = 256;
constexpr int kWidthBarMax = 512;

// The number a size box's text begins with, rounded to a whole number (halves
// to the even neighbour); 0 when it begins with none. Typed text holds only
// digits, but pasted text may go on with anything ("30abc" is 30). A number
// too large for any size comes back clamped, so it is still refused.
long LeadingNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  const size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  }
  double value = 0;
  if (!TextToDouble(text.substr(start, i - start), value)) return 0;
  return static_cast<long>(std::nearbyint(std::clamp(value, -1e9, 1e9)));
}

// An edit here changes the world, which the world window then asks to save
// before it is replaced or closed; with no world to save (none loaded, and
// no new one waiting for its map) there is nothing to ask about.
void MarkWorldChanged() {
  if (WorldLoaded || NewWorldPending) WorldChanged = true;
}

// Gives a property of the world a new value; one that differs from the old
// marks the world changed.
template <class T, class V>
void SetWorldField(T& field, const V& value) {
  if (field == value) return;
  field = value;
  MarkWorldChanged();
}

}  // namespace

using namespace controls;

WorldPropertiesFrm::WorldPropertiesFrm() : Form(385, 182) {
  SetCaption("World Properties");
  BuildControls();
  WireHandlers();
}

WorldPropertiesFrm::~WorldPropertiesFrm() = default;

WorldPropertiesFrm* WorldPropertiesFrm::Instance() { return OpenDialog<WorldPropertiesFrm>(); }

// ---------------------------------------------------------------- layout

void WorldPropertiesFrm::BuildControls() {
  auto caption = [this](int x, int y, int w, const char* text, Align align = Align::Left) {
    Label* label = new Label(this, x, y, w, 17, text);
    label->SetAlignment(align);
    return label;
  };
  // The two clickable fields: blue with white text, as in the level
  // variables dialog, and the hand over them.
  auto field = [this](int y) {
    Label* label = new Label(this, 68, y, 309, 17);
    label->SetBackColor(Qt::blue);
    label->SetForeColor(Qt::white);
    label->SetMousePointer(Pointer::Hand);
    return label;
  };

  // A field's caption stands level with its text, which sits at the field's top.
  FNLabel = caption(8, 9, 58, "Filename");
  FNBox = field(9);
  NameLabel = caption(8, 34, 58, "Name");
  NameBox = new TextBox(this, 68, 32, 309, 19);
  CommentLabel = caption(8, 58, 58, "Comment");
  CommentBox = new TextBox(this, 68, 56, 309, 19);
  CommentBox->SetToolTip("(Optional) Comment");
  MusicLabel = caption(8, 81, 58, "Music");
  MusicBox = field(81);
  MusicBox->SetToolTip("(Optional) Click To Select Music");

  // Each size box with its bar to the right; the start boxes beyond them.
  WidthLabel = caption(8, 112, 58, "Width");
  WidthBox = new TextBox(this, 68, 110, 49, 19);
  XScroll = new ScrollBar(this, 121, 110, 115, 19, Qt::Horizontal);
  XScroll->SetMin(kMinWidth);
  XScroll->SetMax(kWidthBarMax);
  XScroll->SetLargeChange(10);
  HeightLabel = caption(8, 136, 58, "Height");
  HeightBox = new TextBox(this, 68, 134, 49, 19);
  YScroll = new ScrollBar(this, 121, 134, 115, 19, Qt::Horizontal);
  YScroll->SetMin(kMinHeight);
  YScroll->SetMax(kMaxHeight);
  YScroll->SetLargeChange(10);

  StartXLabel = caption(240, 112, 80, "Start Pos X", Align::Right);
  StartXBox = new TextBox(this, 324, 110, 53, 19);
  StartYLabel = caption(240, 136, 80, "Start Pos Y", Align::Right);
  StartYBox = new TextBox(this, 324, 134, 53, 19);

  OKCmd = new Button(this, 302, 158, 75, 21, "OK");
}

void WorldPropertiesFrm::WireHandlers() {
  OKCmd->Click = [this] { OKCmd_Click(); };
  XScroll->Change = [this] { XScroll_Change(); };
  XScroll->Scroll = [this] { XScroll_Scroll(); };
  YScroll->Change = [this] { YScroll_Change(); };
  YScroll->Scroll = [this] { YScroll_Scroll(); };
  FNBox->Click = [this] { FNBox_Click(); };
  NameBox->Change = [this] { NameBox_Change(); };
  CommentBox->Change = [this] { CommentBox_Change(); };
  MusicBox->Click = [this] { MusicBox_Click(); };
  WidthBox->KeyPress = [this](int& key) { WidthBox_KeyPress(key); };
  HeightBox->KeyPress = [this](int& key) { HeightBox_KeyPress(key); };
  StartXBox->KeyPress = [this](int& key) { StartXBox_KeyPress(key); };
  StartYBox->KeyPress = [this](int& key) { StartYBox_KeyPress(key); };
  WidthBox->Change = [this] { WidthBox_Change(); };
  HeightBox->Change = [this] { HeightBox_Change(); };
  StartXBox->Change = [this] { StartXBox_Change(); };
  StartYBox->Change = [this] { StartYBox_Change(); };
  // A number box left with a text that was not taken shows what is stored.
  ShowStoredWhenLeft(WidthBox, World.Width);
  ShowStoredWhenLeft(HeightBox, World.Height);
  ShowStoredWhenLeft(StartXBox, World.StartX);
  ShowStoredWhenLeft(StartYBox, World.StartY);
}

// ---------------------------------------------------------------- life cycle

void WorldPropertiesFrm::Form_Load() {
  PlaceByFormIndex(kFormWorldPropertiesFrm);
  // At least a column and a row more than the 18 x 15 map view, so both of
  // its scroll bars move; this also lifts a new world's 18 x 15.
  if (World.Width < kMinWidth) World.Width = kMinWidth;
  if (World.Height < kMinHeight) World.Height = kMinHeight;
  UpdatePropertiesDisplay();
}

void WorldPropertiesFrm::Form_Unload() {
  StorePlace(kFormWorldPropertiesFrm);
  if (NewWorldPending) {
    ResetWorldTiles();
    NewWorldPending = false;
  }
  // The world window is drawn again once it takes input; an owner that is
  // closing itself (and took this dialog with it) is left alone.
  ReleaseOwner();
  if (auto* world = qobject_cast<WorldFrm*>(Owner())) world->UpdateWorld();
}

void WorldPropertiesFrm::OKCmd_Click() { Unload(); }

// ---------------------------------------------------------------- display

void WorldPropertiesFrm::UpdatePropertiesDisplay() {
  // A fill run from a handler inside another fill's event pump leaves the
  // outer fill's flag set.
  const RedrawGuard filling(this, Updating);
  if (!filling.PumpEvents()) return;

  FNBox->SetCaption(Pref.LastWorldMapFile);
  NameBox->SetText(World.Name);
  CommentBox->SetText(World.Comments.empty() ? std::string() : World.Comments[0]);
  MusicBox->SetCaption(World.Music);
  WidthBox->SetText(FormatInt(World.Width));
  HeightBox->SetText(FormatInt(World.Height));
  StartXBox->SetText(FormatInt(World.StartX));
  StartYBox->SetText(FormatInt(World.StartY));

  // A width typed past the bar's end shows the bar at its end (the bar keeps
  // its value in its range); its handlers do nothing meanwhile, so the width
  // stays as typed.
  XScroll->SetValue(World.Width);
  YScroll->SetValue(World.Height);
}

// ---------------------------------------------------------------- texts

void WorldPropertiesFrm::NameBox_Change() {
  if (Updating) return;
  SetWorldField(World.Name, NameBox->Text());
}

void WorldPropertiesFrm::CommentBox_Change() {
  if (Updating) return;
  if (World.Comments.empty()) World.Comments.resize(1);
  SetWorldField(World.Comments[0], CommentBox->Text());
}

// ---------------------------------------------------------------- sizes and start

// Tested at every change of the text, so a size typed digit by digit is
// refused, with its box, at each step that lies outside the range.
void WorldPropertiesFrm::WidthBox_Change() {
  if (Updating) return;
  const long value = LeadingNumber(WidthBox->Text());
  if (value >= kMinWidth && value <= kMaxWidth) {
    SetWorldField(World.Width, static_cast<int16_t>(value));
    return;
  }
  ShowMsgBox("World Map Width\r\nMust be between 19 and 1023", platform::kCriticalOk, "World Map Width Error");
}

void WorldPropertiesFrm::HeightBox_Change() {
  if (Updating) return;
  const long value = LeadingNumber(HeightBox->Text());
  if (value >= kMinHeight && value <= kMaxHeight) {
    SetWorldField(World.Height, static_cast<int16_t>(value));
    return;
  }
  ShowMsgBox("World Map Height", platform::kCriticalOk, "World Map Height Error");
}

// The start cell is not range-checked; a text that is no 16-bit number (an
// emptied box, 40000) leaves the last one.
void WorldPropertiesFrm::StartXBox_Change() {
  if (!Updating && StoreNumber(StartXBox, World.StartX)) MarkWorldChanged();
}

void WorldPropertiesFrm::StartYBox_Change() {
  if (!Updating && StoreNumber(StartYBox, World.StartY)) MarkWorldChanged();
}

void WorldPropertiesFrm::NumberKeyFilter(int& keyAscii) {
  if (FilterNumberKey(keyAscii)) UpdatePropertiesDisplay();  // shows the stored values again
}

void WorldPropertiesFrm::WidthBox_KeyPress(int& keyAscii) { NumberKeyFilter(keyAscii); }
void WorldPropertiesFrm::HeightBox_KeyPress(int& keyAscii) { NumberKeyFilter(keyAscii); }
void WorldPropertiesFrm::StartXBox_KeyPress(int& keyAscii) { NumberKeyFilter(keyAscii); }
void WorldPropertiesFrm::StartYBox_KeyPress(int& keyAscii) { NumberKeyFilter(keyAscii); }

void WorldPropertiesFrm::XScroll_Change() {
  if (Updating) return;
  SetWorldField(World.Width, static_cast<int16_t>(XScroll->Value()));
  UpdatePropertiesDisplay();
}

void WorldPropertiesFrm::XScroll_Scroll() { XScroll_Change(); }

void WorldPropertiesFrm::YScroll_Change() {
  if (Updating) return;
  SetWorldField(World.Height, static_cast<int16_t>(YScroll->Value()));
  UpdatePropertiesDisplay();
}

void WorldPropertiesFrm::YScroll_Scroll() { YScroll_Change(); }

// ---------------------------------------------------------------- file and music

void WorldPropertiesFrm::FNBox_Click() {
  if (Updating) return;
  SelectWorldFile();
}

// Names the file that "Save World Map" writes to; nothing is read from it.
// A save dialog: a new name may be typed, and another file that exists is
// taken only once the user has said to replace it. The world is not in the
// file it now names until it is saved there, so a new name is a change.
void WorldPropertiesFrm::SelectWorldFile() {
  QPointer<WorldPropertiesFrm> self(this);
  std::optional<std::string> chosen = platform::ChooseFile(platform::SharedFileDialog(), platform::FileDialogMode::Save,
                                                           "*.yvwm|*.yvwm", WorldMapsDir, "", Pref.LastWorldMapFile);
  if (!chosen || Trim(*chosen).empty()) return;  // nothing changes
  if (*chosen != Pref.LastWorldMapFile) MarkWorldChanged();
  Pref.LastWorldMapFile = *chosen;
  if (self && !IsUnloaded()) UpdatePropertiesDisplay();
}

void WorldPropertiesFrm::MusicBox_Click() {
  QPointer<WorldPropertiesFrm> self(this);
  std::optional<std::string> music = ChooseMusicFile(MusicDir, World.Music);
  if (!music) return;
  SetWorldField(World.Music, *music);
  if (self && !IsUnloaded()) UpdatePropertiesDisplay();
}

// ---------------------------------------------------------------- opener

void OpenWorldPropertiesFrm() {
  // The world window takes no input until the dialog unloads; no hourglass,
  // the dialog is up at once.
  ShowDialog<WorldPropertiesFrm>({WorldFrm::Instance(), OwnerUse::Disable});
}

}  // namespace yv
