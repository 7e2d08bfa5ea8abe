// The world properties dialog "World Properties": the world-map file name,
// the world's name, header comment and music, its size and the start cell,
// each edit going straight into World (or Pref.LastWorldMapFile) as it is
// made. There is no Cancel; "OK" only closes the window. Its close gives a
// new world its map of tile 9 and hands the world window back, redrawn.
#pragma once

#include "controls/Button.h"
#include "controls/Form.h"
#include "controls/Label.h"
#include "controls/ScrollBar.h"
#include "controls/TextBox.h"

namespace yv {

class WorldPropertiesFrm : public controls::Form {
  Q_OBJECT
 public:
  WorldPropertiesFrm();
  ~WorldPropertiesFrm() override;

  // The open dialog, or nullptr when there is none (also once it has been
  // unloaded and is only waiting to be deleted).
  static WorldPropertiesFrm* Instance();

  // Fills every control from World and Pref.
  void UpdatePropertiesDisplay();

  // Set while UpdatePropertiesDisplay fills the controls; the handlers then do nothing.
  bool Updating = false;

  // ---------------------------------------------------------------- controls
  controls::Label* FNLabel = nullptr;
  controls::Label* FNBox = nullptr;
  controls::Label* NameLabel = nullptr;
  controls::TextBox* NameBox = nullptr;
  controls::Label* CommentLabel = nullptr;
  controls::TextBox* CommentBox = nullptr;
  controls::Label* MusicLabel = nullptr;
  controls::Label* MusicBox = nullptr;
  controls::Label* WidthLabel = nullptr;
  controls::TextBox* WidthBox = nullptr;
  controls::ScrollBar* XScroll = nullptr;
  controls::Label* HeightLabel = nullptr;
  controls::TextBox* HeightBox = nullptr;
  controls::ScrollBar* YScroll = nullptr;
  controls::Label* StartXLabel = nullptr;
  controls::TextBox* StartXBox = nullptr;
  controls::Label* StartYLabel = nullptr;
  controls::TextBox* StartYBox = nullptr;
  controls::Button* OKCmd = nullptr;

  // ---------------------------------------------------------------- handlers
  void OKCmd_Click();
  void XScroll_Change();
  void XScroll_Scroll();
  void YScroll_Change();
  void YScroll_Scroll();
  void FNBox_Click();
  void NameBox_Change();
  void CommentBox_Change();
  void MusicBox_Click();
  void WidthBox_KeyPress(int& keyAscii);
  void HeightBox_KeyPress(int& keyAscii);
  void StartXBox_KeyPress(int& keyAscii);
  void StartYBox_KeyPress(int& keyAscii);
  void WidthBox_Change();
  void HeightBox_Change();
  void StartXBox_Change();
  void StartYBox_Change();

  // The open dialog behind FNBox (public for the tests).
  void SelectWorldFile();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void BuildControls();
  void WireHandlers();
  // Digits and Backspace pass; Enter refills the dialog; every other key is dropped.
  void NumberKeyFilter(int& keyAscii);
};

}  // namespace yv
