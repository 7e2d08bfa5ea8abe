#include "model/LineEnds.h"

namespace yv {

std::string NewLine = CrLf;
std::string Quote = "\"";
std::string TabChar = "\t";
std::string CloseLine = ")\r\n";
std::string CloseCloseLine = "))\r\n";
std::string QuoteCloseLine = "\")\r\n";
std::string QuoteCloseCloseLine = "\"))\r\n";

// assign(1, '"') rather than = "\"": GCC 12 warns falsely (-Wrestrict) on
// assigning a one-character literal to a global string.
void InitTextConstants() {
  NewLine = CrLf;
  Quote.assign(1, '"');
}

namespace {
void SetLineEnds(const std::string& end) {
  NewLine = end;
  Quote.assign(1, '"');
  CloseLine = ")" + end;
  CloseCloseLine = "))" + end;
  QuoteCloseLine = Quote + ")" + end;
  QuoteCloseCloseLine = Quote + "))" + end;
}
}  // namespace

LineEndSet CurrentLineEnds() {
  return {NewLine, Quote, CloseLine, CloseCloseLine, QuoteCloseLine, QuoteCloseCloseLine};
}

void UseCrLfLineEnds() { SetLineEnds(CrLf); }
void UseLfLineEnds() { SetLineEnds(Lf); }

}  // namespace yv
