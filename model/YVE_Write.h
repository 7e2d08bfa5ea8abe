// The level file writer and its closing-line constants.
#pragma once

#include <string>

namespace yv {

// ")", "))", a quote and ")", a quote and "))", each followed by the current
// line end (set together with NewLine by UseCrLfLineEnds / UseLfLineEnds).
extern std::string CloseLine;
extern std::string CloseCloseLine;
extern std::string QuoteCloseLine;
extern std::string QuoteCloseCloseLine;

}  // namespace yv
