#include "model/LineEnds.h"

namespace yv {

std::string NewLine = CrLf;
std::string Quote = "\"";
std::string TabChar = "\t";
std::string CloseLine = ")\r\n";
std::string CloseCloseLine = "))\r\n";
std::string QuoteCloseLine = "\")\r\n";
std::string QuoteCloseCloseLine = "\"))\r\n";

void InitTextConstants() {
  NewLine = CrLf;
  Quote = "\"";
}

namespace {
void SetLineEnds(const std::string& end) {
  NewLine = end;
  Quote = "\"";
  CloseLine = ")" + end;
  CloseCloseLine = "))" + end;
  QuoteCloseLine = Quote + ")" + end;
  QuoteCloseCloseLine = Quote + "))" + end;
}
}  // namespace

void UseCrLfLineEnds() { SetLineEnds(CrLf); }
void UseLfLineEnds() { SetLineEnds(Lf); }

}  // namespace yv
