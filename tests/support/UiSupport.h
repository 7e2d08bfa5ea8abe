// Helpers for window tests: mouse input through the window system and
// letting deferred deletes run.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace yv::test {

// Mouse input sent to the window, as the windowing system sends it, so that
// Qt's own routing takes part: the implicit grab of the pressed widget,
// double clicks, enter and leave. Points are local to the given widget.
struct Mouse {
  static QWindow* Window(QWidget* w) { return w->window()->windowHandle(); }
  static QPoint At(QWidget* w, QPoint p) { return w->mapTo(w->window(), p); }
  static void Press(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {}) {
    QTest::mousePress(Window(w), b, m, At(w, p));
  }
  static void Release(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton, Qt::KeyboardModifiers m = {}) {
    QTest::mouseRelease(Window(w), b, m, At(w, p));
  }
  static void Click(QWidget* w, QPoint p, Qt::MouseButton b = Qt::LeftButton) {
    Press(w, p, b);
    Release(w, p, b);
  }
  static void Click(QWidget* w) { Click(w, w->rect().center()); }
  static void DoubleClick(QWidget* w, QPoint p) { QTest::mouseDClick(Window(w), Qt::LeftButton, {}, At(w, p)); }
  // Moves the pointer; buttons pressed with Press and not yet released stay held.
  static void Move(QWidget* w, QPoint p) { QTest::mouseMove(Window(w), At(w, p)); }
};

// The user leaves the text box whose editor is `editor` with the Tab key:
// the focus-out event the window system sends then.
inline void Leave(QWidget* editor) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(editor, &out);
}

// Runs pending events, the deferred deletes of unloaded windows included.
inline void Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

}  // namespace yv::test
