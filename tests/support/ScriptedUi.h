// Scripted stand-ins for the interactive services, for tests: each answers
// from its queue and records what it was asked. Install() puts them in place;
// the destructor puts the previous services back.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace yv::platform {

struct MsgBoxCall {
  std::string text;
  int style = 0;
  std::string title;
};

struct InputBoxCall {
  std::string prompt, title, defaultText;
};

class ScriptedUi {
 public:
  ScriptedUi();  // installs itself
  ~ScriptedUi();
  ScriptedUi(const ScriptedUi&) = delete;
  ScriptedUi& operator=(const ScriptedUi&) = delete;

  // Answers for the next message boxes (1 OK, 2 Cancel, 6 Yes, 7 No). With
  // the queue empty a box is answered OK when it has only an OK button, else Cancel.
  std::deque<int> msgAnswers;
  // Typed texts for the next input boxes ("" is a cancel).
  std::deque<std::string> inputAnswers;
  // Chosen paths for the next file dialogs; std::nullopt (or an empty queue) cancels.
  std::deque<std::optional<std::string>> fileAnswers;

  // Run when a message box is shown, before it answers (for tests that act
  // while a box is up, as a user could through the event pump).
  std::function<void(const MsgBoxCall&)> onMsgBox;

  std::vector<MsgBoxCall> msgCalls;
  std::vector<InputBoxCall> inputCalls;
  std::vector<FileDialogRequest> fileCalls;

  // The message boxes asked so far, each as "text|title|style": one value that
  // says which boxes came, in which order and how often.
  std::vector<std::string> Boxes() const;

 private:
  UiServices previous_;
};

}  // namespace yv::platform
