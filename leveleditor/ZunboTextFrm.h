// The level text window "Yorvane Level Text Data": the open level as the text
// "Save Level" would write, and a level set's info file as the info writer
// would write it, both with CR LF line ends for display. "Save INFO Changes"
// writes the info file from the text the info box shows; the level text
// cannot be edited.
#pragma once

#include <string>

#include "controls/Button.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/TextBox.h"

namespace yv {

class ZunboTextFrm : public controls::Form {
  Q_OBJECT
 public:
  ZunboTextFrm();
  ~ZunboTextFrm() override;

  // The open window, or nullptr when there is none.
  static ZunboTextFrm* Instance();

  // A path whose folder holds the info file shown and written (a level file
  // or an info file: only its folder part counts).
  std::string InfoPath;

  controls::Label* Label1 = nullptr;
  controls::Label* InfoNameBox = nullptr;
  controls::Button* WriteInfoCmd = nullptr;
  controls::Button* CloseCmd = nullptr;
  controls::TextBox* InfoBox = nullptr;
  controls::Label* Label2 = nullptr;
  controls::TextBox* DataBox = nullptr;

  void CloseCmd_Click();
  void InfoNameBox_Click();
  void WriteInfoCmd_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
};

}  // namespace yv
