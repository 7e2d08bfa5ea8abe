// The line-end constant set that every text builder uses, and its two
// switches: CR LF for text shown in windows, LF for the files written.
#pragma once

#include <string>

namespace yv {

extern std::string NewLine;  // the current line end: CR LF or LF
extern std::string Quote;    // the double-quote character
extern std::string TabChar;  // the TAB character (set by the world-map reader)
// ")", "))", a quote and ")", a quote and "))", each followed by the current line end.
extern std::string CloseLine;
extern std::string CloseCloseLine;
extern std::string QuoteCloseLine;
extern std::string QuoteCloseCloseLine;

inline const std::string CrLf = "\r\n";
inline const std::string Lf = "\n";

// The whole set as it stands when a builder starts. A builder keeps its own
// copy for the length of its build, so a switch made meanwhile (the event
// pump runs during a build) cannot change the line ends half way through.
struct LineEndSet {
  std::string NewLine;
  std::string Quote;
  std::string CloseLine;
  std::string CloseCloseLine;
  std::string QuoteCloseLine;
  std::string QuoteCloseCloseLine;
};
LineEndSet CurrentLineEnds();

// NewLine = CR LF, Quote = the double-quote character.
void InitTextConstants();
// The whole set in its CR LF form, for text shown in windows ...
void UseCrLfLineEnds();
// ... or in its LF form, for files.
void UseLfLineEnds();

}  // namespace yv
