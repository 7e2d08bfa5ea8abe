// A window of the program: fixed client area in pixels, its place on the
// screen in twips, Form_Load when it is loaded and Form_Unload whenever it
// closes, whatever closes it.
//
// A dialog is shown over the window that opens it, its owner (see
// ShowOver, and Dialog.h for the openers): it stays above the owner while
// it is open, may hold the owner's input and pointer until it unloads, and
// never outlives the owner.
//
// A close that comes while the window is busy with itself (its Form_Load
// runs, or it holds its own input) is kept and acted on when that has ended;
// a close while a window shown over it holds it is refused.
#pragma once

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <string>
#include <vector>

#include "controls/Control.h"

namespace yv::controls {

// What a window shown over its owner does to the owner while it is open.
enum class OwnerUse {
  LeaveEnabled,          // the owner goes on taking input
  Disable,               // the owner takes no input until this window unloads
  DisableWithHourglass,  // the same, and the owner shows the hourglass meanwhile
  // Held as DisableWithHourglass; once this window is loaded and shown the
  // owner is hidden as well, and shown again when it is given back. For a
  // window that takes its owner's place on the screen.
  HideWhileOpen,
};

class Form : public QWidget {
  Q_OBJECT
 public:
  Form(int clientWidth, int clientHeight, QWidget* parent = nullptr);
  // A window deleted without its unload still gives its owner back.
  ~Form() override;

  // Runs Form_Load once; Show() loads first when needed and shows the window modeless.
  void Load();
  void Show();
  // Runs Form_Unload (once), hides the window and deletes it once control
  // has gone back to the event loop. Every way of closing comes here. The
  // windows shown over this one unload first; then, after Form_Unload, the
  // owner is given back (ReleaseOwner) and a waited-for window sets DialogDone.
  void Unload();
  // A close the user asks for (the close box; a window's own exit command):
  // Form_QueryUnload may refuse it, and the window then stays as it is.
  // True when the window has unloaded.
  bool Close();

  // Shows the window modeless over owner (loading it first) and keeps it
  // above owner, as a transient window of it, for as long as it is open.
  // With any OwnerUse but LeaveEnabled the owner is held from here until
  // ReleaseOwner; with HideWhileOpen it is hidden once this window shows.
  // endsWait: the window's unload sets DialogDone, which ends the caller's
  // WaitForDialog. A null owner just shows the window.
  void ShowOver(Form* owner, OwnerUse use, bool endsWait = false);
  // The unload of this window sets DialogDone (see ShowOver).
  void EndWaitOnUnload() { endsWait_ = true; }
  // The window this one was shown over while that one is still loaded;
  // nullptr when there is none or it has unloaded.
  Form* Owner() const;
  // Gives the owner back: enabled again, its pointer reset and shown again,
  // where ShowOver took them and no other window shown over it still holds them.
  // Unload runs it after Form_Unload; a window calls it itself where its
  // unload must go on with an enabled owner. Does nothing the second time,
  // or when the owner has closed.
  void ReleaseOwner();
  bool IsLoaded() const { return loaded_ && !unloaded_; }
  bool IsUnloaded() const { return unloaded_; }

  void SetCaption(const std::string& caption);
  std::string Caption() const;

  // The window's place on the screen in twips (15 to the pixel).
  int LeftTwips() const;
  int TopTwips() const;
  void MoveTwips(int left, int top);
  // The window's outer size in twips, for centring.
  int WidthTwips() const;
  int HeightTwips() const;
  static int ScreenWidthTwips();
  static int ScreenHeightTwips();
  // Places the window by the saved position of its form index (centred or
  // top-left when never placed) and stores it back on unload. A place that
  // would leave the title bar where it cannot be reached (saved on a larger
  // screen, or read from a damaged file) is moved so that the window lies
  // on the available screen; any other place is used exactly as saved.
  void PlaceByFormIndex(int formIndex);
  // The top-left corner (pixels) for a window whose outer frame would lie at
  // frame with a title bar titleHeight high, given the available areas of
  // the screens (the primary one first): frame's own corner when at least a
  // grip of the title bar lies wholly on one screen, else the corner that
  // moves the window onto the screen it overlaps most (the primary one when
  // none) by the least, its top-left corner first when it is larger.
  static QPoint ReachablePlace(const QRect& frame, int titleHeight, const QList<QRect>& screens);
  void StorePlace(int formIndex) const;

  void SetMousePointer(Pointer pointer, const QPixmap& custom = QPixmap());
  Pointer MousePointer() const { return pointer_; }

  // The window's back colour; its controls keep their own colours.
  void SetBackColor(const QColor& color);
  QColor BackColor() const;
  // The window and all its controls in the colours of a desktop scheme
  // built on one 3-D face colour: window, buttons and bars in that colour,
  // their light and shadow edges derived from it.
  void SetFaceColor(const QColor& face);

  // A disabled window takes no mouse or keyboard input, yet keeps the look of
  // its controls and shows its mouse pointer (the hourglass while a dialog it
  // opened is loading). Qt's own setEnabled(false) would grey every control
  // and clear the pointer to the arrow, so the window stays enabled to Qt
  // and its input is held back instead. The user's close waits: a window
  // disabled by its own code (not by a window over it) closes once it is
  // enabled again and control has gone back to the event loop.
  void SetFormEnabled(bool enabled);
  bool FormEnabled() const { return formEnabled_; }
  // Holds the window's input while a command of its own runs the event pump,
  // so that a click queued meanwhile cannot start a command inside it; then
  // gives back what it found (for a command that shows no window over this one).
  class InputHold {
   public:
    explicit InputHold(Form* form) : form_(form), wasEnabled_(form->FormEnabled()) { form->SetFormEnabled(false); }
    ~InputHold() {
      if (form_) form_->SetFormEnabled(wasEnabled_);
    }
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

   private:
    QPointer<Form> form_;
    bool wasEnabled_;
  };
  // False when the widget's window is a disabled Form.
  static bool TakesInput(const QWidget* widget);

 protected:
  virtual void Form_Load() {}
  virtual void Form_Unload() {}
  // Asked by Close before anything else happens; false keeps the window
  // open (Form_Unload does not run).
  virtual bool Form_QueryUnload() { return true; }
  void closeEvent(QCloseEvent* event) override;

 private:
  bool HoldsOwnerInput() const;
  bool HoldsOwnerPointer() const;
  // True while a window shown over this one holds its input.
  bool HeldByOwnedWindow() const;
  // Acts on a kept close once the window is neither loading nor held.
  void ClosePendingWhenFree();

  bool loaded_ = false;
  bool unloaded_ = false;
  bool loading_ = false;       // Form_Load runs
  bool closePending_ = false;  // a close came while the window was busy
  Pointer pointer_ = Pointer::Default;
  bool formEnabled_ = true;

  QPointer<Form> owner_;
  OwnerUse ownerUse_ = OwnerUse::LeaveEnabled;
  bool ownerHeld_ = false;  // the owner is held by this window and not yet given back
  bool endsWait_ = false;
  std::vector<QPointer<Form>> owned_;  // the windows shown over this one
};

}  // namespace yv::controls
