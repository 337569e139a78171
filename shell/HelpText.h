// The help window's text: how to use Korvane, who wrote it, its legal terms.
#pragma once

#include <string>

namespace korvane {

// 38 lines separated by CR (13), no line feed, no CR after the last line;
// 7-bit ASCII; each paragraph is one line, which the field wraps.
const std::string& HelpText();

}  // namespace korvane
