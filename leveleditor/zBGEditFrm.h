// The bad-guy properties dialog: shows one placed bad guy (SelectedObject)
// and moves it with two scroll bars while the main window redraws its
// marker live; switches its stay-on-platform flag. Opened by a right press
// on a map marker, with the main window disabled until it closes.
#pragma once

#include <QPointer>

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Form.h"
#include "controls/ImageBox.h"
#include "controls/Label.h"
#include "controls/ScrollBar.h"

namespace yv {

class zBGEditFrm : public controls::Form {
  Q_OBJECT
 public:
  zBGEditFrm();
  ~zBGEditFrm() override;

  // The open dialog, or nullptr.
  static zBGEditFrm* Instance();

  bool Updating = false;

  controls::Label* zNameBox = nullptr;
  controls::ImageBox* zBGImg = nullptr;
  controls::Label* zXLabel = nullptr;
  controls::Label* zXBox = nullptr;
  controls::Label* zYLabel = nullptr;
  controls::Label* zYBox = nullptr;
  controls::CheckBox* zStayCheck = nullptr;
  controls::Label* zBGNumLabel = nullptr;
  controls::Label* zBGNumBox = nullptr;
  controls::Label* zXScrollLabel = nullptr;
  controls::ScrollBar* zBGXScroll = nullptr;
  controls::Label* zYScrollLabel = nullptr;
  controls::ScrollBar* zBGYScroll = nullptr;
  controls::Button* CloseCmd = nullptr;

  void CloseCmd_Click();
  void zStayCheck_Click();
  void zBGXScroll_Change();
  void zBGXScroll_Scroll();
  void zBGYScroll_Change();
  void zBGYScroll_Scroll();
  void UpdateBadGuyDisplay();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void MoveObjectX();
  void MoveObjectY();
};

}  // namespace yv
