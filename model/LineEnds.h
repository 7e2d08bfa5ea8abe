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

// NewLine = CR LF, Quote = the double-quote character.
void InitTextConstants();
// The whole set in its CR LF form, for text shown in windows ...
void UseCrLfLineEnds();
// ... or in its LF form, for files.
void UseLfLineEnds();

}  // namespace yv
