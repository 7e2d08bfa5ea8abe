// The help window "YV_Editor Help": the editor's help text from the file
// "YV_Editor.Help" beside the program, shown, edited and saved back.
#pragma once

#include <string>

#include "controls/Button.h"
#include "controls/Form.h"
#include "controls/TextBox.h"

namespace yv {

class HelpFrm : public controls::Form {
  Q_OBJECT
 public:
  HelpFrm();
  ~HelpFrm() override;

  // The open window, or nullptr when there is none.
  static HelpFrm* Instance();

  std::string HelpPath;   // the program's folder and "\YV_Editor.Help"
  bool Updating = false;  // set while Form_Load fills the box

  controls::TextBox* HelpBox = nullptr;
  controls::Button* SaveHelpCmd = nullptr;
  controls::Button* CloseCmd = nullptr;
  controls::Button* DummyCmd = nullptr;

  void CloseCmd_Click();
  void SaveHelpCmd_Click();
  void HelpBox_Change();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  // Edits not yet saved are not dropped without a question.
  bool Form_QueryUnload() override;

 private:
  void LoadHelpFile();
  // Writes the box's text as the help file; true when the file holds it.
  bool SaveHelpFile();
  std::string savedText_;  // the box's text as loaded or last saved
};

}  // namespace yv
