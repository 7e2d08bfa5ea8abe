// Opening a dialog over the window that opens it, one instance of each kind
// at a time.
//
//   // "Variables": the main window takes no input and shows the hourglass
//   // until the dialog unloads, whatever closes it.
//   ShowDialog<VarsFrm>({main, OwnerUse::DisableWithHourglass});
//
//   // A dialog its opener waits for: the opener stays enabled, and the
//   // dialog's unload sets DialogDone, which ends WaitForDialog.
//   WaitForDialog([] { ShowDialog<NewInfoFrm>({main, OwnerUse::LeaveEnabled, true}); });
//
//   // A window that takes its opener's place: the opener is held with the
//   // hourglass from before the load, hidden once the window shows, and
//   // enabled, given the normal pointer and shown again at its unload.
//   world.ShowOver(&main, OwnerUse::HideWhileOpen);
//
// The dialog stays above its owner while it is open. Its unload gives the
// owner back after Form_Unload (a Form_Unload that must act on an enabled
// owner calls ReleaseOwner first, then uses Owner()); an owner that unloads
// takes its dialogs with it.
#pragma once

#include <QPointer>

#include "controls/Form.h"

namespace yv::controls {

struct DialogOpening {
  Form* owner = nullptr;  // the window it is shown over (none: shown on its own)
  OwnerUse ownerUse = OwnerUse::Disable;
  bool endsWait = false;  // its unload sets DialogDone
};

namespace detail {
template <class D>
inline QPointer<D> openDialog;
}

// The open window of class D, or nullptr: none was opened, or it has unloaded
// (it may still wait to be deleted).
template <class D>
D* OpenDialog() {
  D* d = detail::openDialog<D>.data();
  return d && !d->IsUnloaded() ? d : nullptr;
}

// Creates a window of class D, loads it and shows it over how.owner. When
// one is open already, that one is raised instead (and, when how.endsWait
// asks for it, its unload ends the wait too); wasOpen tells which. Returns
// the open window, or nullptr when its Form_Load unloaded it again.
template <class D>
D* ShowDialog(const DialogOpening& how, bool* wasOpen = nullptr) {
  if (D* open = OpenDialog<D>()) {
    if (how.endsWait) open->EndWaitOnUnload();
    open->raise();
    open->activateWindow();
    if (wasOpen) *wasOpen = true;
    return open;
  }
  if (wasOpen) *wasOpen = false;
  D* d = new D();
  detail::openDialog<D> = d;
  d->ShowOver(how.owner, how.ownerUse, how.endsWait);
  return OpenDialog<D>();
}

}  // namespace yv::controls
