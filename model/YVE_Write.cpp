#include "model/YVE_Write.h"

namespace yv {

std::string CloseLine = ")\r\n";
std::string CloseCloseLine = "))\r\n";
std::string QuoteCloseLine = "\")\r\n";
std::string QuoteCloseCloseLine = "\"))\r\n";

}  // namespace yv
