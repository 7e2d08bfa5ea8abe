#include "controls/Form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "model/Preference.h"
#include "platform/qt/QtServices.h"

namespace yv::controls {
namespace {

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::ToolTip:
    case QEvent::WhatsThis:
    case QEvent::Enter:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

// Holds back the input of every widget of a disabled Form.
class InputBlocker : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!IsInput(event->type()) || !watched->isWidgetType()) return false;
    return !Form::TakesInput(static_cast<QWidget*>(watched));
  }
};

}  // namespace

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
  if (!formEnabled_) return;  // a disabled window cannot be closed by the user
  Unload();
}

void Form::SetFormEnabled(bool enabled) {
  static InputBlocker* blocker = [] {
    auto* b = new InputBlocker(qApp);
    qApp->installEventFilter(b);
    return b;
  }();
  (void)blocker;
  formEnabled_ = enabled;
}

bool Form::TakesInput(const QWidget* widget) {
  if (!widget) return true;
  auto* form = qobject_cast<const Form*>(widget->window());
  return !form || form->formEnabled_;
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
