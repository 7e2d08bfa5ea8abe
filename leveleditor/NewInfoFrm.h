// The new level set dialog "Yorvane Level Set INFO Data": the title and the
// description of a level set being created. ShowNewInfoDialog waits for it;
// "Create" leaves the typed texts in CurrentSubset and NewInfoResult True.
#pragma once

#include "controls/Button.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/TextBox.h"

namespace yv {

class NewInfoFrm : public controls::Form {
  Q_OBJECT
 public:
  NewInfoFrm();
  ~NewInfoFrm() override;

  // The open dialog, or nullptr when there is none.
  static NewInfoFrm* Instance();

  controls::Label* TitleLabel = nullptr;
  controls::TextBox* TitleBox = nullptr;
  controls::Label* DescLabel = nullptr;
  controls::TextBox* DescBox = nullptr;
  controls::Button* CreateCmd = nullptr;
  controls::Button* CancelCmd = nullptr;

  void TitleBox_Change();
  void DescBox_Change();
  void CreateCmd_Click();
  void CancelCmd_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void UpdateInfoDisplay();
};

}  // namespace yv
