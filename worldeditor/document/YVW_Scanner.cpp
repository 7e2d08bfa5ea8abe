#include "worldeditor/document/YVW_Scanner.h"

namespace yv {

void WorldScanner::String(std::string& field) {
  if (Token() != '"' || ended_) {
    field.clear();
    return;
  }
  const size_t quote = text_.find('"', at_);
  if (quote == std::string_view::npos) {
    field.assign(text_.substr(at_));
    End();
    return;
  }
  field.assign(text_.substr(at_, quote - at_));
  if (quote + 1 == text_.size())
    End();
  else
    at_ = quote + 1;
}

void WorldScanner::Flag(std::string& field) {
  field.clear();
  if (Token() != '#') return;
  const int flag = Token();
  if (flag != kEnd) field.assign(1, static_cast<char>(flag));
}

std::string_view WorldScanner::RestOfLine() {
  if (ended_) return {};
  const size_t from = at_;
  size_t at = from;
  for (;; ++at) {
    if (at + 1 == text_.size()) {
      End();
      break;
    }
    if (text_[at] == '(') {
      at_ = at;
      break;
    }
    if (text_[at] == '\n') {
      at_ = at + 1;
      break;
    }
  }
  return text_.substr(from, at - from);
}

std::string_view WorldScanner::CommentLine() {
  if (ended_) return {};
  const size_t lf = text_.find('\n', at_);
  const size_t stop = lf != std::string_view::npos ? lf : text_.size() - 1;
  const std::string_view line = text_.substr(at_, stop - at_);
  if (stop + 1 == text_.size())
    End();
  else
    at_ = stop + 1;
  return line;
}

}  // namespace yv
