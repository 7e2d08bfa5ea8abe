// The link editor "Level Link Data": edits a copy of one link of the world
// map (SelectedLink) and writes it back on "OK"; "Delete This Link" removes
// the link, "Cancel" drops the copy. Only the fields that the link's type
// uses are enabled. Opened over WorldFrm, which takes no input until the
// editor closes; every close marks the world map changed and redraws it.
#pragma once

#include <string>

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Form.h"
#include "controls/Frame.h"
#include "controls/Label.h"
#include "controls/TextBox.h"
#include "platform/Ui.h"
#include "worldeditor/document/YVW_Read.h"

namespace yv {

class LinkForm : public controls::Form {
  Q_OBJECT
 public:
  LinkForm();
  ~LinkForm() override;

  // The open editor, or nullptr when there is none.
  static LinkForm* Instance();

  // The link name of a level file: the path below the level-set folder with
  // "/" separators; any other path itself, trimmed.
  static std::string GetLevelLinkName(const std::string& path);

  // The copy of World.Links(SelectedLink) that the controls edit.
  WorldLink EditLink;
  // Set while UpdateLinkDisplay fills the controls; the handlers then do nothing.
  bool Updating = false;

  // ---------------------------------------------------------------- controls
  controls::Label* LinkNumLabel = nullptr;
  controls::Label* LinkNumBox = nullptr;
  controls::Label* TypeLabel = nullptr;
  controls::Label* TypeBox = nullptr;
  controls::Label* NameLabel = nullptr;
  controls::Label* NameBox = nullptr;
  controls::Label* ExtroLabel = nullptr;
  controls::Label* ExtroBox = nullptr;
  controls::Label* MessageLabel = nullptr;
  controls::TextBox* MessageBox = nullptr;
  controls::Label* CommentLabel = nullptr;
  controls::TextBox* CommentBox = nullptr;
  controls::Frame* CordsFrame = nullptr;  // "Cords"
  controls::Label* XLabel = nullptr;
  controls::TextBox* XBox = nullptr;
  controls::Label* YLabel = nullptr;
  controls::TextBox* YBox = nullptr;
  controls::Label* DestXLabel = nullptr;
  controls::TextBox* DestXBox = nullptr;
  controls::Label* DestYLabel = nullptr;
  controls::TextBox* DestYBox = nullptr;
  controls::Frame* ActionsFrame = nullptr;  // "Actions"
  controls::CheckBox* ApplyLeftCheck = nullptr;
  controls::CheckBox* ApplyRightCheck = nullptr;
  controls::CheckBox* ApplyUpCheck = nullptr;
  controls::CheckBox* ApplyDownCheck = nullptr;
  controls::Button* DelCmd = nullptr;
  controls::Button* OKCmd = nullptr;
  controls::Button* CancelCmd = nullptr;
  // The editor's own file dialog, for the level and the extro file.
  platform::CommonDialog LinkCD;

  // ---------------------------------------------------------------- handlers
  void DelCmd_Click();
  void CancelCmd_Click();
  void OKCmd_Click();
  void TypeBox_Click();
  void NameBox_Click();
  void ExtroBox_Click();
  void MessageBox_Change();
  void CommentBox_Change();
  void XBox_KeyPress(int& keyAscii);
  void YBox_KeyPress(int& keyAscii);
  void DestXBox_KeyPress(int& keyAscii);
  void DestYBox_KeyPress(int& keyAscii);
  void XBox_Change();
  void YBox_Change();
  void DestXBox_Change();
  void DestYBox_Change();
  void ApplyLeftCheck_Click();
  void ApplyRightCheck_Click();
  void ApplyUpCheck_Click();
  void ApplyDownCheck_Click();

  // Fills every control from EditLink and enables the fields of its type.
  void UpdateLinkDisplay();
  // 0 (unchecked) for "f" or "F", 1 (checked) for anything else.
  static int FlagToCheckValue(const std::string& flag);

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void BuildControls();
  void WireHandlers();
  void NumberBoxKey(int& keyAscii);
  void StoreNumber(const controls::TextBox* box, int16_t& field);
  void StoreFlag(const controls::CheckBox* box, std::string& flag);
  // The element of World.Links that SelectedLink names, or nullptr.
  static WorldLink* SelectedElement();
};

}  // namespace yv
