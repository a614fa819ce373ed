#pragma once
// Spelling pattern with one "*" wildcard, as used by the match range and the similar-spelling order.
#include <string>

namespace vt {

// True when spelling matches pattern: "ab*" prefix, "*tion" suffix, "c*t" both ends, "*" anything,
// otherwise a non-empty pattern matches as a substring. Exact byte comparison.
bool matchPattern(const std::string& pattern, const std::string& spelling);

} // namespace vt
