// The link type picker "Select Link Type": four clickable type names and
// "Cancel". ShowZTypeDialog waits for it; the choice is left in
// SelectedLinkType (2..5, or -1 when the picker closed without one).
#pragma once

#include <array>

#include "controls/Button.h"
#include "controls/Form.h"
#include "controls/Label.h"

namespace yv {

class zTypeFrm : public controls::Form {
  Q_OBJECT
 public:
  zTypeFrm();
  ~zTypeFrm() override;

  // The open picker, or nullptr when there is none.
  static zTypeFrm* Instance();

  // TypeBox(i) chooses link type i + 2.
  std::array<controls::Label*, 4> TypeBox{};
  controls::Button* CancelCmd = nullptr;

  void TypeBox_Click(int index);
  void CancelCmd_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
};

}  // namespace yv
