#include "controls/Form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "model/Preference.h"
#include "platform/qt/QtServices.h"

namespace yv::controls {

Form::Form(int clientWidth, int clientHeight, QWidget* parent) : QWidget(parent, Qt::Window) {
  setFixedSize(clientWidth, clientHeight);
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
}

Form::~Form() = default;

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  Form_Load();
}

void Form::Show() {
  Load();
  if (unloaded_) return;  // Form_Load may have unloaded the window again
  show();
}

void Form::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  if (loaded_) Form_Unload();
  hide();
  deleteLater();
}

void Form::closeEvent(QCloseEvent* event) {
  event->ignore();  // the window goes away through Unload, never by Qt alone
  Unload();
}

void Form::SetCaption(const std::string& caption) { setWindowTitle(platform::FromCp1252(caption)); }
std::string Form::Caption() const { return platform::ToCp1252(windowTitle()); }

int Form::LeftTwips() const { return pos().x() * kTwipsPerPixel; }
int Form::TopTwips() const { return pos().y() * kTwipsPerPixel; }
void Form::MoveTwips(int left, int top) { move(left / kTwipsPerPixel, top / kTwipsPerPixel); }
int Form::WidthTwips() const { return frameGeometry().width() * kTwipsPerPixel; }
int Form::HeightTwips() const { return frameGeometry().height() * kTwipsPerPixel; }

int Form::ScreenWidthTwips() {
  QScreen* s = QGuiApplication::primaryScreen();
  return (s ? s->geometry().width() : 1024) * kTwipsPerPixel;
}
int Form::ScreenHeightTwips() {
  QScreen* s = QGuiApplication::primaryScreen();
  return (s ? s->geometry().height() : 768) * kTwipsPerPixel;
}

void Form::PlaceByFormIndex(int formIndex) {
  WindowPlace p = PlaceWindow(formIndex, ScreenWidthTwips(), ScreenHeightTwips(), WidthTwips(), HeightTwips());
  MoveTwips(p.left, p.top);
}

void Form::StorePlace(int formIndex) const { StoreWindowPlace(formIndex, LeftTwips(), TopTwips()); }

void Form::SetMousePointer(Pointer pointer, const QPixmap& custom) {
  pointer_ = pointer;
  switch (pointer) {
    case Pointer::Default: unsetCursor(); break;
    case Pointer::Hourglass: setCursor(Qt::WaitCursor); break;
    case Pointer::Custom:
      if (custom.isNull())
        unsetCursor();
      else
        setCursor(QCursor(custom, 0, 0));
      break;
  }
}

}  // namespace yv::controls
