// The per-user runtime folder that Qt looks for at start-up.
#pragma once

namespace yv::platform {

// Qt wants XDG_RUNTIME_DIR and warns on every start when it is not set (as
// in a plain terminal session, under su or in a container). When it is unset
// this names a private folder for it: "runtime-" and the user's number in
// the temporary folder ($TMPDIR, else /tmp), made with mode 0700 when
// missing. An existing folder of that name is used only when it is a real
// folder (no link) of this user, and is then given mode 0700; otherwise the
// variable stays unset and Qt says what it found. Call before the
// QApplication is made.
void PrepareRuntimeFolder();

}  // namespace yv::platform
