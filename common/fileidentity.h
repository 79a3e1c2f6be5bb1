// Whether two paths name the same file: another spelling, a link or a hard
// link of one file all count as the same.
#pragma once

#include <string>

namespace kelvarin {

bool SameFile(const std::string& a, const std::string& b);

}  // namespace kelvarin
