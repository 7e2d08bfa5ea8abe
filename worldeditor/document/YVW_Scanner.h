// The world-map reader's scanner (internal to the reader): it walks the text
// held once in ReadBuffer and hands out tokens and words as views of it, so a
// world of a few hundred thousand words is read without copying them.
//
// Taking the text's last character ends the text at once, and a step back
// never undoes that: a word or line that reaches the last character does not
// include it, and a last blank is no token. Blanks are space, TAB and LF.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace yv {

inline bool IsWorldBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
// A blank or a bracket ends a word.
inline bool EndsWorldWord(char c) { return IsWorldBlank(c) || c == '(' || c == ')'; }

// word (as the text holds it, in any case) is key (in lower case).
inline bool IsKeyword(std::string_view word, std::string_view key) {
  if (word.size() != key.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if (word[i] != key[i] && !(word[i] >= 'A' && word[i] <= 'Z' && word[i] + 32 == key[i])) return false;
  return true;
}

class WorldScanner {
 public:
  static constexpr int kEnd = -1;

  explicit WorldScanner(std::string_view text) : text_(text), ended_(text.empty()) {}

  bool Ended() const { return ended_; }
  // The index of the next character; meaningful only while not ended.
  size_t At() const { return at_; }
  // The characters not yet taken.
  size_t Left() const { return ended_ ? 0 : text_.size() - at_; }
  // ReadPos as the scanner leaves it: the next position from 1, or -1 at the end.
  int32_t Position() const { return ended_ ? -1 : static_cast<int32_t>(at_ + 1); }
  void End() { ended_ = true; }
  void StepBack() {
    if (!ended_ && at_ > 0) --at_;
  }

  // The next character that is not a blank, as 0..255; kEnd at the end.
  int Token() {
    if (ended_) return kEnd;
    const size_t at = FirstNonBlank(at_);
    const char c = text_[at];
    if (at + 1 == text_.size()) {
      End();
      if (IsWorldBlank(c)) return kEnd;
    } else {
      at_ = at + 1;
    }
    return static_cast<uint8_t>(c);
  }

  // A keyword or number as the text holds it: after the blanks, the
  // characters up to a blank or "(" (taken) or a ")" (left to be read next).
  std::string_view Word() {
    if (ended_) return {};
    const size_t last = text_.size() - 1;
    const size_t start = FirstNonBlank(at_);
    if (start == last) {
      End();
      return {};
    }
    size_t at = start;
    while (at < last && !EndsWorldWord(text_[at])) ++at;
    if (at == last)
      End();
    else if (text_[at] == ')')
      at_ = at;
    else
      at_ = at + 1;
    return std::string_view(text_.data() + start, at - start);
  }

  // A word read as a number: an optional sign and decimal digits in
  // -32768..32767. False (the word taken, value unchanged) for any other word.
  bool Number(int16_t& value) {
    const std::string_view word = Word();
    const bool negative = !word.empty() && word[0] == '-';
    size_t i = !word.empty() && (word[0] == '+' || negative) ? 1 : 0;
    if (i == word.size()) return false;
    int32_t magnitude = 0;
    for (; i < word.size(); ++i) {
      const unsigned digit = static_cast<unsigned char>(word[i]) - unsigned{'0'};
      if (digit > 9) return false;
      magnitude = magnitude * 10 + static_cast<int32_t>(digit);
      if (magnitude > 32768) return false;
    }
    if (magnitude == 32768 && !negative) return false;
    value = static_cast<int16_t>(negative ? -magnitude : magnitude);
    return true;
  }

  // count numbers, each as Number() reads it, handed to put in order; false
  // at the first word that is no number. A map's cells are a few hundred
  // thousand numbers of a few digits with spaces before them; well before
  // the last character those are read here directly, anything else (a
  // sign, five digits or more, a tab or line end, another character after
  // the digits) by Number().
  template <class Put>
  bool Numbers(size_t count, Put put) {
    // The direct reading stays sixteen characters short of the end, so that
    // neither a number nor the character after it is the last one.
    const size_t quickEnd = text_.size() > 16 ? text_.size() - 16 : 0;
    size_t at = at_;
    for (size_t i = 0; i < count; ++i) {
      if (!ended_ && at < quickEnd) {
        size_t first = at;
        while (text_[first] == ' ' && first < quickEnd) ++first;
        unsigned digit = static_cast<unsigned char>(text_[first]) - unsigned{'0'};
        if (digit <= 9 && first < quickEnd) {
          unsigned number = digit;
          size_t last = first;
          for (int more = 0; more < 3; ++more) {
            digit = static_cast<unsigned char>(text_[last + 1]) - unsigned{'0'};
            if (digit > 9) break;
            number = number * 10 + digit;
            ++last;
          }
          // The next position follows from the branches taken, not from a
          // load: numbers read one after another do not wait on each other.
          const char after = text_[last + 1];
          if (after == ' ') [[likely]] {
            put(static_cast<int16_t>(number));
            at = last + 2;
            continue;
          }
          if (EndsWorldWord(after)) {
            put(static_cast<int16_t>(number));
            at = after == ')' ? last + 1 : last + 2;
            continue;
          }
        }
      }
      at_ = at;
      int16_t value = 0;
      if (!Number(value)) return false;
      put(value);
      at = at_;
    }
    at_ = at;
    return true;
  }

  // A string between double quotes into field; "" when the next token is no
  // quote (that token is taken) or the quote is the last character. No
  // escapes: everything up to the next quote, line ends included; a string
  // left open runs to the end of the text.
  void String(std::string& field);
  // After "#", the next non-blank character into field; otherwise "".
  void Flag(std::string& field);
  // The text up to LF (taken, not part of it) or "(" (left to be read next).
  std::string_view RestOfLine();
  // A comment line: everything up to the line end, brackets included.
  std::string_view CommentLine();

 private:
  // The first index from at on that holds no blank, or the last index.
  size_t FirstNonBlank(size_t at) const {
    const size_t last = text_.size() - 1;
    while (at < last && IsWorldBlank(text_[at])) ++at;
    return at;
  }

  std::string_view text_;
  size_t at_ = 0;
  bool ended_;
};

}  // namespace yv
