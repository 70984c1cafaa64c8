#pragma once

#include <string>
#include <vector>

namespace ordisan {

// The text of `candidates` nearest to `text` by edit distance over bytes (ASCII case
// ignored), the first one on a tie; "" when there is none. For naming what an author
// most likely meant by a text that matches nothing.
std::string closestText(const std::string& text, const std::vector<std::string>& candidates);

} // namespace ordisan
