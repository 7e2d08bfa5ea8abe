// The level variables dialog "YV_Editor Map Variables": every scalar variable
// of the open level, edited in place as the user types, and the options that
// decide what a new or re-sized level gets at its right end. There is no OK
// or Cancel, only "Close".
#pragma once

#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/Form.h"
#include "controls/Frame.h"
#include "controls/ImageBox.h"
#include "controls/Label.h"
#include "controls/TextBox.h"

namespace yv {

class VarsFrm : public controls::Form {
  Q_OBJECT
 public:
  VarsFrm();
  ~VarsFrm() override;

  // The open dialog, or nullptr when there is none (also once it has been
  // unloaded and is only waiting to be deleted).
  static VarsFrm* Instance();

  // Fills every control from Level and Pref.
  void UpdateVarsDisplay();

  // Set while UpdateVarsDisplay fills the controls; the handlers then do nothing.
  bool Updating = false;

  // ---------------------------------------------------------------- controls
  controls::Label* FileNameLabel = nullptr;
  controls::Label* FileNameBox = nullptr;
  controls::Label* CommentLabel = nullptr;
  controls::TextBox* CommentBox = nullptr;
  controls::Label* VersionLabel = nullptr;
  controls::TextBox* VersionBox = nullptr;
  controls::Label* AuthorLabel = nullptr;
  controls::TextBox* AuthorBox = nullptr;
  controls::Label* NameLabel = nullptr;
  controls::TextBox* NameBox = nullptr;
  controls::Label* WidthLabel = nullptr;
  controls::TextBox* WidthBox = nullptr;
  controls::Label* HeightLabel = nullptr;
  controls::TextBox* HeightBox = nullptr;
  controls::CheckBox* BackScrollCheck = nullptr;
  controls::Label* TimeLabel = nullptr;
  controls::TextBox* TimeBox = nullptr;
  controls::Label* GravityLabel = nullptr;
  controls::TextBox* GravityBox = nullptr;
  controls::Label* StartXLabel = nullptr;
  controls::TextBox* StartXBox = nullptr;
  controls::Label* StartYLabel = nullptr;
  controls::TextBox* StartYBox = nullptr;
  controls::Label* BackgroundLabel = nullptr;
  controls::Label* BackgroundBox = nullptr;
  controls::Label* MusicLabel = nullptr;
  controls::Label* MusicBox = nullptr;
  controls::Label* TopLabel = nullptr;
  controls::Label* BottomLabel = nullptr;
  controls::Label* RedLabel = nullptr;
  controls::Label* GreenLabel = nullptr;
  controls::Label* BlueLabel = nullptr;
  controls::TextBox* BkgRedTopBox = nullptr;
  controls::TextBox* BkgGrnTopBox = nullptr;
  controls::TextBox* BkgBluTopBox = nullptr;
  controls::TextBox* BkgRedBtmBox = nullptr;
  controls::TextBox* BkgGrnBtmBox = nullptr;
  controls::TextBox* BkgBluBtmBox = nullptr;
  controls::Label* BkgSpeedLabel = nullptr;
  controls::TextBox* BkgSpeedBox = nullptr;
  controls::Label* ScrollSpeedLabel = nullptr;
  controls::TextBox* ScrollSpeedBox = nullptr;
  controls::Label* ParticleLabel = nullptr;
  controls::Label* ParticleBox = nullptr;
  controls::Label* ThemeLabel = nullptr;
  controls::Label* ThemeBox = nullptr;
  controls::Label* EndCommentLabel = nullptr;
  controls::TextBox* EndCommentBox = nullptr;
  controls::Label* NumsLabel = nullptr;
  controls::Label* NumsBox = nullptr;
  controls::Frame* Frame1 = nullptr;
  controls::CheckBox* AddEndCheck = nullptr;
  controls::CheckBox* IglooCheck = nullptr;
  controls::Label* FloorLabel = nullptr;
  controls::ImageBox* FloorImg = nullptr;
  controls::Button* CloseCmd = nullptr;

  // ---------------------------------------------------------------- handlers
  void CloseCmd_Click();
  void CommentBox_Change();
  void VersionBox_Change();
  void AuthorBox_Change();
  void NameBox_Change();
  void WidthBox_KeyPress(int& keyAscii);
  void BackScrollCheck_Click();
  void StartXBox_Change();
  void StartYBox_Change();
  void BackgroundBox_Click();
  void MusicBox_Click();
  void BkgRedTopBox_Change();
  void BkgGrnTopBox_Change();
  void BkgBluTopBox_Change();
  void BkgRedBtmBox_Change();
  void BkgGrnBtmBox_Change();
  void BkgBluBtmBox_Change();
  void BkgSpeedBox_Change();
  void ScrollSpeedBox_Change();
  void TimeBox_Change();
  void GravityBox_Change();
  void ParticleBox_Click();
  void ThemeBox_Click();
  void AddEndCheck_Click();
  void IglooCheck_Click();
  void FloorImg_Click();

  // The two pickers behind BackgroundBox and MusicBox (public for the tests).
  void ChooseBackground();
  void ChooseMusic();

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void BuildControls();
  void WireHandlers();
  // A number box's text into its field; a new value marks the level changed.
  void StoreLevelNumber(const controls::TextBox* box, int16_t& field);
  void StoreLevelNumber(const controls::TextBox* box, double& field);
  // Takes the width typed into WidthBox, when it is one the level can have
  // and not its width already, and shows the level's width in the box.
  void SettleWidth();
};

}  // namespace yv
