#include "tests/support/ScriptedUi.h"

namespace yv::platform {

ScriptedUi::ScriptedUi() {
  UiServices s;
  s.msgBox = [this](const std::string& text, int style, const std::string& title) {
    MsgBoxCall call{text, style, title};
    msgCalls.push_back(call);
    if (onMsgBox) onMsgBox(call);
    if (msgAnswers.empty()) return (style & 0x0F) == 0 ? static_cast<int>(kOk) : static_cast<int>(kCancel);
    int answer = msgAnswers.front();
    msgAnswers.pop_front();
    return answer;
  };
  s.inputBox = [this](const std::string& prompt, const std::string& title, const std::string& def) {
    inputCalls.push_back({prompt, title, def});
    if (inputAnswers.empty()) return std::string();
    std::string answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
  };
  s.fileDialog = [this](const FileDialogRequest& request, std::string& path) {
    fileCalls.push_back(request);
    if (fileAnswers.empty()) return false;
    std::optional<std::string> answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (!answer) return false;
    path = *answer;
    return true;
  };
  previous_ = InstallUiServices(std::move(s));
}

ScriptedUi::~ScriptedUi() { InstallUiServices(std::move(previous_)); }

std::vector<std::string> ScriptedUi::Boxes() const {
  std::vector<std::string> boxes;
  for (const MsgBoxCall& c : msgCalls) boxes.push_back(c.text + "|" + c.title + "|" + std::to_string(c.style));
  return boxes;
}

}  // namespace yv::platform
