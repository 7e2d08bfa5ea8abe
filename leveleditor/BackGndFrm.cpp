#include "leveleditor/BackGndFrm.h"

#include "controls/Dialog.h"
#include "leveleditor/VarsFrm.h"
#include "model/General.h"
#include "model/Preference.h"
#include "model/YVE_Main.h"
#include "pictures/Pictures.h"
#include "platform/FileSystem.h"

namespace yv {
namespace {

// A picture file through the program's file system; a null picture when the
// file cannot be read or holds no picture Qt knows.
QPixmap LoadPicture(const std::string& path) {
  std::string bytes;
  QPixmap picture;
  if (!platform::Fs().ReadWholeFile(path, bytes)) return picture;
  if (!picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size())))
    return QPixmap();
  return picture;
}

}  // namespace

using namespace controls;

std::string BackGndFrm::SelectedFile;

BackGndFrm::BackGndFrm() : Form(392, 217) {
  SetCaption("Level Background - Select Desired Background Picture");
  SetBackColor(Qt::black);

  ImageFiles = new FileList(this, 10, 8, 121, 175);
  PreviewImg = new ImageBox(this, 138, 8, 244, 176);
  PreviewImg->SetStretch(true);
  PreviewImg->SetBorderStyle(1);
  PreviewImg->SetPicture(pictures::Named("background_start"));
  OKCmd = new Button(this, 10, 192, 59, 19, "OK");
  CancelCmd = new Button(this, 324, 192, 59, 19, "Cancel");
  // Kept below the client area, out of sight: it only holds the picture that
  // stands in for the pictures the preview cannot show.
  PNGImage = new ImageBox(this, 0, 240, 640, 480);
  PNGImage->SetPicture(pictures::Named("png_placeholder"));
  PNGImage->SetVisible(false);

  ImageFiles->Click = [this] { ImageFiles_Click(); };
  OKCmd->Click = [this] { OKCmd_Click(); };
  CancelCmd->Click = [this] { CancelCmd_Click(); };
}

BackGndFrm::~BackGndFrm() = default;

BackGndFrm* BackGndFrm::Instance() { return OpenDialog<BackGndFrm>(); }

void BackGndFrm::Form_Load() {
  PlaceByFormIndex(kFormBackGndFrm);
  ImageFiles->SetPath(BackgroundDir);
}

void BackGndFrm::Form_Unload() { StorePlace(kFormBackGndFrm); }

void BackGndFrm::ImageFiles_Click() {
  SelectedFile = ImageFiles->SelectedName();
  std::string path = BackgroundDir + "\\" + SelectedFile;
  if (path.size() >= 3 && LCase(path.substr(path.size() - 3)) == "png") {
    PreviewImg->SetPicture(PNGImage->Picture());
  } else {
    // A file that is no picture (or cannot be read) shows an empty preview.
    PreviewImg->SetPicture(LoadPicture(path));
  }
}

void BackGndFrm::OKCmd_Click() {
  // With nothing chosen in this run there is no choice to store: the
  // level keeps its background.
  if (!SelectedFile.empty()) SetLevelField(Level.Background, SelectedFile);
  Unload();
}

void BackGndFrm::CancelCmd_Click() { Unload(); }

void OpenBackGndFrm() {
  // Over the level variables dialog, which takes no input until the picker
  // unloads; the unload also ends the dialog's wait.
  ShowDialog<BackGndFrm>({VarsFrm::Instance(), OwnerUse::Disable, true});
}

}  // namespace yv
