// The background picker "Level Background - Select Desired Background
// Picture": the files of the game's background folder with a preview. The
// level variables dialog waits for it; "OK" leaves the choice in
// Level.Background.
#pragma once

#include <string>

#include "controls/Button.h"
#include "controls/FileList.h"
#include "controls/Form.h"
#include "controls/ImageBox.h"

namespace yv {

class BackGndFrm : public controls::Form {
  Q_OBJECT
 public:
  BackGndFrm();
  ~BackGndFrm() override;

  // The open picker, or nullptr when there is none.
  static BackGndFrm* Instance();

  // The file name (without folder) last clicked in the list. It outlives the
  // window: a picker opened again later in the run starts from it.
  static std::string SelectedFile;

  controls::FileList* ImageFiles = nullptr;
  controls::ImageBox* PreviewImg = nullptr;
  controls::Button* OKCmd = nullptr;
  controls::Button* CancelCmd = nullptr;
  controls::ImageBox* PNGImage = nullptr;

  void ImageFiles_Click();
  void OKCmd_Click();
  void CancelCmd_Click();

 protected:
  void Form_Load() override;
  void Form_Unload() override;
};

// Loads the picker and shows it over the level variables dialog without
// waiting; its unload sets DialogDone (the caller waits with WaitForDialog).
void OpenBackGndFrm();

}  // namespace yv
