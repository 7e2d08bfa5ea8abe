#include "worldeditor/LinkForm.h"

#include <QPointer>
#include <algorithm>

#include "controls/Dialog.h"
#include "controls/RedrawGuard.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "platform/System.h"
#include "worldeditor/WorldDialogs.h"
#include "worldeditor/WorldFrm.h"

namespace yv {

using namespace controls;

namespace {
const QColor kFace(192, 192, 192);
const QColor kCyan(0, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
}  // namespace

LinkForm::LinkForm() : Form(395, 300) {
  SetCaption("Level Link Data");
  SetFaceColor(kFace);
  BuildControls();
  WireHandlers();
}

LinkForm::~LinkForm() = default;

LinkForm* LinkForm::Instance() { return OpenDialog<LinkForm>(); }

// ---------------------------------------------------------------- layout

void LinkForm::BuildControls() {
  auto caption = [](QWidget* parent, int x, int y, int w, const char* text, Align align = Align::Left) {
    Label* label = new Label(parent, x, y, w, 15, text);
    label->SetAlignment(align);
    return label;
  };
  // The fields that open a choice when clicked.
  auto field = [this](int x, int y, int w, const QColor& back) {
    Label* label = new Label(this, x, y, w, 17);
    label->SetBackColor(back);
    label->SetMousePointer(Pointer::Hand);
    return label;
  };

  LinkNumLabel = caption(this, 8, 10, 40, "Link #");
  LinkNumBox = new Label(this, 50, 8, 37, 17);
  LinkNumBox->SetBackColor(kCyan);
  LinkNumBox->SetAlignment(Align::Center);
  LinkNumBox->SetBold(true);
  TypeLabel = caption(this, 100, 10, 56, "Link Type", Align::Right);
  TypeBox = field(160, 8, 97, kRed);
  TypeBox->SetForeColor(Qt::white);
  TypeBox->SetAlignment(Align::Center);
  TypeBox->SetBold(true);
  TypeBox->SetToolTip("Click to select the type of Link.");

  NameLabel = caption(this, 8, 30, 120, "Name (Link)");
  NameBox = field(8, 45, 379, kGreen);
  NameBox->SetToolTip("Click to select the desired Level to link to.");
  ExtroLabel = caption(this, 8, 66, 120, "ExtroFile");
  ExtroBox = field(8, 81, 379, Qt::white);
  ExtroBox->SetToolTip("Click to select desired Extro text file link.");
  MessageLabel = caption(this, 8, 102, 120, "Message");
  MessageBox = new TextBox(this, 8, 117, 379, 17);
  MessageBox->SetToolTip("Optional Message");
  CommentLabel = caption(this, 8, 138, 120, "Comment");
  CommentBox = new TextBox(this, 8, 153, 379, 17);
  CommentBox->SetToolTip("Comment text for script.");

  CordsFrame = new Frame(this, 8, 178, 180, 86, "Cords");
  XLabel = caption(CordsFrame, 6, 24, 14, "X", Align::Right);
  XBox = new TextBox(CordsFrame, 22, 22, 47, 17);
  YLabel = caption(CordsFrame, 6, 54, 14, "Y", Align::Right);
  YBox = new TextBox(CordsFrame, 22, 52, 47, 17);
  DestXLabel = caption(CordsFrame, 74, 24, 46, "DestX", Align::Right);
  DestXBox = new TextBox(CordsFrame, 124, 22, 47, 17);
  DestYLabel = caption(CordsFrame, 74, 54, 46, "DestY", Align::Right);
  DestYBox = new TextBox(CordsFrame, 124, 52, 47, 17);

  ActionsFrame = new Frame(this, 196, 178, 191, 86, "Actions");
  ApplyLeftCheck = new CheckBox(ActionsFrame, 10, 16, 170, 16, "Apply Action Left");
  ApplyRightCheck = new CheckBox(ActionsFrame, 10, 32, 170, 16, "Apply Action Right");
  ApplyUpCheck = new CheckBox(ActionsFrame, 10, 48, 170, 16, "Apply Action Up");
  ApplyDownCheck = new CheckBox(ActionsFrame, 10, 64, 170, 16, "Apply Action Down");

  DelCmd = new Button(this, 8, 272, 110, 21, "Delete This Link");
  OKCmd = new Button(this, 236, 272, 70, 21, "OK");
  CancelCmd = new Button(this, 316, 272, 71, 21, "Cancel");
}

void LinkForm::WireHandlers() {
  DelCmd->Click = [this] { DelCmd_Click(); };
  OKCmd->Click = [this] { OKCmd_Click(); };
  CancelCmd->Click = [this] { CancelCmd_Click(); };
  TypeBox->Click = [this] { TypeBox_Click(); };
  NameBox->Click = [this] { NameBox_Click(); };
  ExtroBox->Click = [this] { ExtroBox_Click(); };
  MessageBox->Change = [this] { MessageBox_Change(); };
  CommentBox->Change = [this] { CommentBox_Change(); };
  XBox->KeyPress = [this](int& key) { XBox_KeyPress(key); };
  YBox->KeyPress = [this](int& key) { YBox_KeyPress(key); };
  DestXBox->KeyPress = [this](int& key) { DestXBox_KeyPress(key); };
  DestYBox->KeyPress = [this](int& key) { DestYBox_KeyPress(key); };
  XBox->Change = [this] { XBox_Change(); };
  YBox->Change = [this] { YBox_Change(); };
  DestXBox->Change = [this] { DestXBox_Change(); };
  DestYBox->Change = [this] { DestYBox_Change(); };
  // A number box left with a text that was not taken shows what is stored.
  ShowStoredWhenLeft(XBox, EditLink.X);
  ShowStoredWhenLeft(YBox, EditLink.Y);
  ShowStoredWhenLeft(DestXBox, EditLink.DestX);
  ShowStoredWhenLeft(DestYBox, EditLink.DestY);
  ApplyLeftCheck->Click = [this] { ApplyLeftCheck_Click(); };
  ApplyRightCheck->Click = [this] { ApplyRightCheck_Click(); };
  ApplyUpCheck->Click = [this] { ApplyUpCheck_Click(); };
  ApplyDownCheck->Click = [this] { ApplyDownCheck_Click(); };
}

// ---------------------------------------------------------------- load and unload

WorldLink* LinkForm::SelectedElement() {
  // Element 0 is a link too here: a right press on an empty cell edits it.
  const int n = SelectedLink;
  if (n < 0 || n > World.LinkCount || n >= static_cast<int>(World.Links.size())) return nullptr;
  return &World.Links[static_cast<size_t>(n)];
}

void LinkForm::Form_Load() {
  Updating = false;
  PlaceByFormIndex(kFormLinkForm);
  const WorldLink* link = SelectedElement();
  EditLink = link ? *link : WorldLink{};
  UpdateLinkDisplay();
}

void LinkForm::Form_Unload() {
  StorePlace(kFormLinkForm);
  // Any close counts as a change, "Cancel" too, so the world window asks
  // about saving when it closes.
  WorldChanged = true;
  ReleaseOwner();
  if (auto* world = qobject_cast<WorldFrm*>(Owner())) world->UpdateWorld();
}

// ---------------------------------------------------------------- display

int LinkForm::FlagToCheckValue(const std::string& flag) { return LCase(flag) == "f" ? 0 : 1; }

void LinkForm::UpdateLinkDisplay() {
  const RedrawGuard filling(this, Updating, AfterFill::Clear);
  if (!filling.PumpEvents()) return;

  LinkNumBox->SetCaption(FormatInt(SelectedLink));
  const int type = EditLink.LinkType;
  TypeBox->SetCaption(type >= 0 && type < static_cast<int>(LinkTypeNames.size()) ? LinkTypeNames[type] : "");
  NameBox->SetCaption(EditLink.LevelLinkName);
  ExtroBox->SetCaption(EditLink.ExtroFile);
  MessageBox->SetText(EditLink.Message);
  CommentBox->SetText(EditLink.Comment);
  XBox->SetText(FormatInt(EditLink.X));
  YBox->SetText(FormatInt(EditLink.Y));
  DestXBox->SetText(FormatInt(EditLink.DestX));
  DestYBox->SetText(FormatInt(EditLink.DestY));
  ApplyLeftCheck->SetValue(FlagToCheckValue(EditLink.ApplyLeft));
  ApplyRightCheck->SetValue(FlagToCheckValue(EditLink.ApplyRight));
  ApplyUpCheck->SetValue(FlagToCheckValue(EditLink.ApplyUp));
  ApplyDownCheck->SetValue(FlagToCheckValue(EditLink.ApplyDown));

  // The fields a type uses; a link without a type of its own (0, 1) leaves
  // the states as they are.
  if (type >= 2 && type <= 5) {
    const bool level = type == 2, message = type == 3, teleport = type == 4 || type == 5;
    NameBox->SetEnabled(level);
    ExtroBox->SetEnabled(level);
    MessageBox->SetEnabled(!level);
    DestXBox->SetEnabled(teleport);
    DestYBox->SetEnabled(teleport);
    for (CheckBox* box : {ApplyLeftCheck, ApplyRightCheck, ApplyUpCheck, ApplyDownCheck}) box->SetEnabled(message);
  }
}

// ---------------------------------------------------------------- choices

std::string LinkForm::GetLevelLinkName(const std::string& path) {
  if (Trim(path).empty()) return "";
  // Below the level-set folder the game wants the rest with "/" between the
  // parts; Windows paths match whatever the case of their letters.
  const std::string folder = UserLevelsDir + "\\";
  if (path.size() >= folder.size() && LCase(path.substr(0, folder.size())) == LCase(folder)) {
    std::string name = path.substr(folder.size());
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
  }
  return Trim(path);
}

void LinkForm::NameBox_Click() {
  if (Updating) return;
  QPointer<LinkForm> self(this);
  // The last level names a file; the choice starts in its folder.
  const std::string folder = GetDirectoryPart(Trim(Pref.LastLevelFile));
  std::optional<std::string> chosen = platform::ChooseFile(LinkCD, platform::FileDialogMode::Open, "*.yvl|*.yvl",
                                                           Trim(folder).empty() ? UserLevelsDir : folder, "");
  if (!chosen || !self || IsUnloaded()) return;  // Cancel chooses nothing
  EditLink.LevelLinkName = GetLevelLinkName(*chosen);
  UpdateLinkDisplay();
}

void LinkForm::ExtroBox_Click() {
  if (Updating) return;
  QPointer<LinkForm> self(this);
  std::optional<std::string> chosen =
      platform::ChooseFile(LinkCD, platform::FileDialogMode::Open, "*.txt|*.txt", LevelsDir, EditLink.ExtroFile);
  if (!chosen || !self || IsUnloaded()) return;
  EditLink.ExtroFile = *chosen;
  UpdateLinkDisplay();
}

void LinkForm::TypeBox_Click() {
  QPointer<LinkForm> self(this);
  // The editor stays enabled while the picker is open; a click here then
  // starts no second picker.
  if (!ShowZTypeDialog()) return;
  // Closed meanwhile: the picker went with it, and there is nothing to apply to.
  if (!self || IsUnloaded()) return;
  if (SelectedLinkType < 0) return;
  EditLink.LinkType = SelectedLinkType;
  UpdateLinkDisplay();
}

// ---------------------------------------------------------------- texts and numbers

void LinkForm::MessageBox_Change() {
  if (Updating) return;
  EditLink.Message = MessageBox->Text();
}

void LinkForm::CommentBox_Change() {
  if (Updating) return;
  EditLink.Comment = CommentBox->Text();
}

// Digits and Backspace pass; Enter shows the stored values again; the rest is swallowed.
void LinkForm::NumberBoxKey(int& keyAscii) {
  if (FilterNumberKey(keyAscii)) UpdateLinkDisplay();
}

void LinkForm::XBox_KeyPress(int& keyAscii) { NumberBoxKey(keyAscii); }
void LinkForm::YBox_KeyPress(int& keyAscii) { NumberBoxKey(keyAscii); }
void LinkForm::DestXBox_KeyPress(int& keyAscii) { NumberBoxKey(keyAscii); }
void LinkForm::DestYBox_KeyPress(int& keyAscii) { NumberBoxKey(keyAscii); }

// An empty box, or a number that does not fit, keeps the last valid value.
void LinkForm::StoreNumber(const TextBox* box, int16_t& field) {
  if (!Updating) controls::StoreNumber(box, field);
}

void LinkForm::XBox_Change() { StoreNumber(XBox, EditLink.X); }
void LinkForm::YBox_Change() { StoreNumber(YBox, EditLink.Y); }
void LinkForm::DestXBox_Change() { StoreNumber(DestXBox, EditLink.DestX); }
void LinkForm::DestYBox_Change() { StoreNumber(DestYBox, EditLink.DestY); }

// ---------------------------------------------------------------- actions

// Unchecked stores "f"; checked stores the empty flag, which the file leaves
// out and the game reads as on.
void LinkForm::StoreFlag(const CheckBox* box, std::string& flag) {
  if (Updating) return;
  // Moved in as a new string: assigning the literal in place makes GCC 12
  // warn of an overlap that cannot happen (-Wrestrict) once it inlines the
  // assignment.
  flag = std::string(box->Value() == 0 ? "f" : "");
}

void LinkForm::ApplyLeftCheck_Click() { StoreFlag(ApplyLeftCheck, EditLink.ApplyLeft); }
void LinkForm::ApplyRightCheck_Click() { StoreFlag(ApplyRightCheck, EditLink.ApplyRight); }
void LinkForm::ApplyUpCheck_Click() { StoreFlag(ApplyUpCheck, EditLink.ApplyUp); }
void LinkForm::ApplyDownCheck_Click() { StoreFlag(ApplyDownCheck, EditLink.ApplyDown); }

// ---------------------------------------------------------------- buttons

void LinkForm::OKCmd_Click() {
  if (WorldLink* link = SelectedElement()) *link = EditLink;
  Unload();
}

void LinkForm::CancelCmd_Click() { Unload(); }

void LinkForm::DelCmd_Click() {
  DeleteLink(SelectedLink);
  Unload();
}

void OpenLinkForm() {
  // The world window takes no input until the editor unloads; the pointer stays.
  ShowDialog<LinkForm>({WorldFrm::Instance(), OwnerUse::Disable});
}

}  // namespace yv
