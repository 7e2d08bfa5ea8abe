#include "controls/Form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "model/General.h"
#include "model/Preference.h"
#include "platform/qt/QtServices.h"

namespace yv::controls {
namespace {

// A title bar's height before the window manager has framed the window, and
// the width of it that must lie on a screen for the window to be dragged.
constexpr int kTitleBarHeight = 24;
constexpr int kTitleGrip = 64;

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

Form::~Form() { ReleaseOwner(); }

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  // A close that comes meanwhile (the loads run the event pump) would unload
  // the window under its own Form_Load; it waits for the load's end instead.
  loading_ = true;
  Form_Load();
  loading_ = false;
  ClosePendingWhenFree();
}

void Form::Show() {
  Load();
  if (unloaded_) return;  // Form_Load may have unloaded the window again
  show();
}

void Form::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  // A dialog never outlives the window it was shown over; finding its owner
  // gone, it leaves the owner alone.
  std::vector<QPointer<Form>> owned;
  owned.swap(owned_);
  for (auto it = owned.rbegin(); it != owned.rend(); ++it)
    if (*it) (*it)->Unload();
  if (loaded_) Form_Unload();
  ReleaseOwner();
  if (endsWait_) DialogDone = true;
  hide();
  deleteLater();
}

bool Form::Close() {
  if (unloaded_) return true;
  if (!Form_QueryUnload()) return false;
  Unload();
  return true;
}

void Form::closeEvent(QCloseEvent* event) {
  event->ignore();  // the window goes away through Unload, never by Qt alone
  if (unloaded_) return;
  // A window shown over this one holds it: that one is what the user closes
  // first, and this close is not kept for later.
  if (HeldByOwnedWindow()) return;
  // Busy with its own load or a hold of its own input (a save under way):
  // the close comes when that has ended.
  if (loading_ || !formEnabled_) {
    closePending_ = true;
    return;
  }
  Close();
}

void Form::ClosePendingWhenFree() {
  if (!closePending_ || loading_ || !formEnabled_) return;
  closePending_ = false;
  if (unloaded_ || HeldByOwnedWindow()) return;
  Close();
}

// ---------------------------------------------------------------- owner

void Form::ShowOver(Form* owner, OwnerUse use, bool endsWait) {
  endsWait_ = endsWait;
  if (owner && !owner->IsUnloaded()) {
    owner_ = owner;
    ownerUse_ = use;
    std::erase_if(owner->owned_, [](const QPointer<Form>& w) { return !w || w->IsUnloaded(); });
    owner->owned_.emplace_back(this);
    // Held before the load: the loads run the event pump (the level text
    // window builds its text), and the owner must not take a command then.
    if (use != OwnerUse::LeaveEnabled) {
      ownerHeld_ = true;
      // A close the owner kept for later is dropped: this window comes first.
      owner->closePending_ = false;
      if (HoldsOwnerPointer()) owner->SetMousePointer(Pointer::Hourglass);
      owner->SetFormEnabled(false);
    }
    // A dialog window with a transient parent: the window manager keeps it
    // above the owner, also when a click on the disabled owner raises it
    // (a plain top-level window would disappear behind the owner and leave
    // the program looking frozen). A window that takes the hidden owner's
    // place stays a window of its own, with its own entry in the task bar.
    if (use != OwnerUse::HideWhileOpen) setWindowFlags((windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
  }
  Load();
  if (unloaded_) return;  // Form_Load may have unloaded the window again
  Form* shownOver = Owner();  // still loaded: the owner's unload would have unloaded this one
  const bool hidesOwner = shownOver && ownerUse_ == OwnerUse::HideWhileOpen;
  // The native windows are made only now, after Form_Load has placed this
  // one by its size, and before it is shown: the window manager reads the
  // transient parent when the window is mapped.
  if (shownOver && !hidesOwner) {
    shownOver->winId();
    winId();
    windowHandle()->setTransientParent(shownOver->windowHandle());
  }
  show();
  // Shown first, then the owner goes, so that the program always shows a window.
  if (hidesOwner && ownerHeld_) shownOver->hide();
}

Form* Form::Owner() const {
  Form* owner = owner_.data();
  return owner && !owner->IsUnloaded() ? owner : nullptr;
}

bool Form::HoldsOwnerInput() const { return ownerHeld_ && ownerUse_ != OwnerUse::LeaveEnabled; }
bool Form::HoldsOwnerPointer() const {
  return ownerHeld_ && (ownerUse_ == OwnerUse::DisableWithHourglass || ownerUse_ == OwnerUse::HideWhileOpen);
}

bool Form::HeldByOwnedWindow() const {
  for (const QPointer<Form>& w : owned_)
    if (w && !w->IsUnloaded() && w->HoldsOwnerInput()) return true;
  return false;
}

void Form::ReleaseOwner() {
  if (!ownerHeld_) return;
  const bool pointer = HoldsOwnerPointer();
  const bool hidden = ownerUse_ == OwnerUse::HideWhileOpen;
  ownerHeld_ = false;
  Form* owner = Owner();
  if (!owner) return;
  // Another window open over the same owner may still hold it.
  bool inputHeld = false, pointerHeld = false;
  for (const QPointer<Form>& other : owner->owned_) {
    if (!other || other->IsUnloaded()) continue;
    inputHeld = inputHeld || other->HoldsOwnerInput();
    pointerHeld = pointerHeld || other->HoldsOwnerPointer();
  }
  if (!inputHeld) owner->SetFormEnabled(true);
  if (pointer && !pointerHeld) owner->SetMousePointer(Pointer::Default);
  if (hidden) owner->show();
}

void Form::SetFormEnabled(bool enabled) {
  static InputBlocker* blocker = [] {
    auto* b = new InputBlocker(qApp);
    qApp->installEventFilter(b);
    return b;
  }();
  (void)blocker;
  formEnabled_ = enabled;
  // A close kept during a hold of the window's own comes once the code that
  // held it has run on, back in the event loop.
  if (enabled && closePending_) QTimer::singleShot(0, this, [this] { ClosePendingWhenFree(); });
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
  // Before the window is first shown it has no frame yet: its title bar is
  // taken to be of a common height above the client area.
  QRect frame(pos(), frameGeometry().size());
  int title = geometry().top() - frameGeometry().top();
  if (title <= 0) {
    title = kTitleBarHeight;
    frame.setHeight(frame.height() + title);
  }
  QList<QRect> screens;
  if (QScreen* primary = QGuiApplication::primaryScreen()) screens << primary->availableGeometry();
  for (QScreen* s : QGuiApplication::screens())
    if (s != QGuiApplication::primaryScreen()) screens << s->availableGeometry();
  const QPoint place = ReachablePlace(frame, title, screens);
  if (place != frame.topLeft()) move(place);
}

QPoint Form::ReachablePlace(const QRect& frame, int titleHeight, const QList<QRect>& screens) {
  if (screens.isEmpty()) return frame.topLeft();
  const QRect title(frame.topLeft(), QSize(frame.width(), std::max(1, titleHeight)));
  const int grip = std::min(kTitleGrip, frame.width());
  for (const QRect& s : screens) {
    const QRect seen = title & s;
    if (seen.height() == title.height() && seen.width() >= grip) return frame.topLeft();
  }
  QRect target = screens.front();
  long long most = 0;
  for (const QRect& s : screens) {
    const QRect overlap = frame & s;
    const long long area = static_cast<long long>(overlap.width()) * overlap.height();
    if (area > most) {
      most = area;
      target = s;
    }
  }
  // Left and top edges win over the right and bottom ones when the window
  // is larger than the screen: the title bar and its close box stay in reach.
  const int x = std::max(target.left(), std::min(frame.left(), target.right() + 1 - frame.width()));
  const int y = std::max(target.top(), std::min(frame.top(), target.bottom() + 1 - frame.height()));
  return {x, y};
}

void Form::StorePlace(int formIndex) const { StoreWindowPlace(formIndex, LeftTwips(), TopTwips()); }

void Form::SetMousePointer(Pointer pointer, const QPixmap& custom) {
  pointer_ = pointer;
  ApplyMousePointer(this, pointer, custom);
}

void Form::SetBackColor(const QColor& color) {
  QPalette p = palette();
  p.setColor(QPalette::Window, color);
  setPalette(p);
  setAutoFillBackground(true);
}

QColor Form::BackColor() const { return palette().color(QPalette::Window); }

void Form::SetFaceColor(const QColor& face) {
  setPalette(QPalette(face));
  setAutoFillBackground(true);
}

}  // namespace yv::controls
