#include "model/General.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/FileSystem.h"
#include "platform/System.h"
#include "platform/Ui.h"

namespace yv {

bool DialogDone = false;
std::string UserName(16, ' ');
int16_t MsgResult = 0;

WindowHooks Windows;

std::string GetDirectoryPart(const std::string& path) {
  auto slash = path.rfind('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string GetFileNamePart(const std::string& path) {
  auto slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void DeleteFileQuietly(const std::string& path) {
  if (path.empty()) return;
  platform::Fs().DeleteQuietly(path);
}

std::optional<std::string> ChooseMusicFile(const std::string& musicDir, const std::string& current) {
  std::optional<std::string> chosen = platform::ChooseFile(platform::SharedFileDialog(), platform::FileDialogMode::Open,
                                                           "*.mod|*.mod", musicDir, current);
  if (chosen) *chosen = GetFileNamePart(*chosen);
  return chosen;
}

bool AskToSaveChanges(const std::string& question, const std::string& title, const std::function<bool()>& save,
                      bool mayCancel) {
  const int answer = ShowMsgBox(question, platform::kQuestionYesNoCancel, title);
  if (answer == platform::kNo) return true;
  if (answer == platform::kYes && save()) return true;
  return !mayCancel;
}

int ShowMsgBox(const std::string& text, int style, const std::string& title) {
  int answer = platform::MsgBox(text, style, title);
  MsgResult = static_cast<int16_t>(answer);
  return answer;
}

// ---------------------------------------------------------------- dialogs

namespace {
bool g_waiting = false;
}

bool WaitForDialog(const std::function<void()>& loadAndShow) {
  // One flag serves every wait, so a second wait started from inside the
  // first (its opener is still enabled) could never be told apart; refuse it.
  if (g_waiting) return false;
  g_waiting = true;
  DialogDone = false;
  if (loadAndShow) loadAndShow();
  while (!DialogDone) platform::WaitForEvents();
  g_waiting = false;
  return true;
}

bool DialogWaitRunning() { return g_waiting; }

// ---------------------------------------------------------------- text

std::string LTrim(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return std::string(s.substr(i));
}

std::string RTrim(std::string_view s) {
  size_t n = s.size();
  while (n > 0 && s[n - 1] == ' ') --n;
  return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

namespace {
unsigned char UpperByte(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  switch (c) {
    case 0x9A:
      return 0x8A;  // s caron
    case 0x9C:
      return 0x8C;  // oe
    case 0x9E:
      return 0x8E;  // z caron
    case 0xFF:
      return 0x9F;  // y diaeresis
    default:
      return c;
  }
}
unsigned char LowerByte(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A:
      return 0x9A;
    case 0x8C:
      return 0x9C;
    case 0x8E:
      return 0x9E;
    case 0x9F:
      return 0xFF;
    default:
      return c;
  }
}
}  // namespace

std::string UCase(std::string_view s) {
  std::string out(s);
  for (char& ch : out) ch = static_cast<char>(UpperByte(static_cast<unsigned char>(ch)));
  return out;
}

std::string LCase(std::string_view s) {
  std::string out(s);
  for (char& ch : out) ch = static_cast<char>(LowerByte(static_cast<unsigned char>(ch)));
  return out;
}

std::string QuotedFileValue(std::string_view value) {
  std::string out(value);
  for (char& c : out)
    if (c == '"') c = '\'';
  return out;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

std::string FormatInt(long long value) { return std::to_string(value); }

std::string FormatDouble(double value) {
  if (!std::isfinite(value) || value == 0) return "0";
  // 15 significant digits in scientific form, then laid out as plain decimal text.
  // std::to_chars ignores the locale (Qt sets the user's locale at start-up).
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  std::string s(buf, res.ptr);
  bool negative = s[0] == '-';
  if (negative) s.erase(0, 1);
  auto e = s.find('e');
  int exponent = std::atoi(s.c_str() + e + 1);
  std::string digits = s.substr(0, 1) + s.substr(2, e - 2);  // 15 digits, no point
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out;
  int pointAfter = exponent + 1;  // number of digits before the decimal point
  if (pointAfter <= 0) {
    out = "0." + std::string(static_cast<size_t>(-pointAfter), '0') + digits;
  } else if (pointAfter >= static_cast<int>(digits.size())) {
    out = digits + std::string(static_cast<size_t>(pointAfter) - digits.size(), '0');
  } else {
    out = digits.substr(0, static_cast<size_t>(pointAfter)) + "." + digits.substr(static_cast<size_t>(pointAfter));
  }
  return negative ? "-" + out : out;
}

namespace {
// A decimal number: blanks, optional sign, digits with an optional "." part
// (at least one digit in all), an optional exponent, blanks.
bool ParseDecimal(std::string_view text, double& value) {
  std::string s = Trim(text);
  if (s.empty()) return false;
  size_t i = 0;
  if (s[i] == '+' || s[i] == '-') ++i;
  size_t digits = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != s.size()) return false;
  // std::from_chars ignores the locale, so "." is the separator whatever
  // the user's settings say (Qt sets the user's locale at start-up).
  const char* first = s.c_str();
  if (*first == '+') ++first;  // from_chars takes no plus sign
  double v = 0;
  auto res = std::from_chars(first, s.c_str() + s.size(), v);
  if (res.ec != std::errc() || res.ptr != s.c_str() + s.size() || !std::isfinite(v)) return false;
  value = v;
  return true;
}
}  // namespace

bool TextToInt16(std::string_view text, int16_t& value) {
  double v = 0;
  if (!ParseDecimal(text, v)) return false;
  double r = std::nearbyint(v);  // the default rounding mode sends halves to the even neighbour
  if (r < -32768.0 || r > 32767.0) return false;
  value = static_cast<int16_t>(r);
  return true;
}

bool TextToDouble(std::string_view text, double& value) { return ParseDecimal(text, value); }

}  // namespace yv
