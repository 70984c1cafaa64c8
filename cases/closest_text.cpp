#include "cases/closest_text.h"

#include <algorithm>

namespace ordisan {

namespace {

// ASCII only: code page 1250 letters are left as they are, whatever the locale.
char folded(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Levenshtein distance over bytes, ASCII case ignored.
std::size_t editDistance(const std::string& a, const std::string& b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t k = 0; k <= b.size(); ++k)
        row[k] = k;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t k = 1; k <= b.size(); ++k) {
            const std::size_t above = row[k];
            const std::size_t change = folded(a[i - 1]) == folded(b[k - 1]) ? 0 : 1;
            row[k] = std::min({above + 1, row[k - 1] + 1, diagonal + change});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

std::string closestText(const std::string& text, const std::vector<std::string>& candidates)
{
    const std::string* best = nullptr;
    std::size_t bestDistance = 0;
    for (const std::string& candidate : candidates) {
        const std::size_t distance = editDistance(text, candidate);
        if (best == nullptr || distance < bestDistance) {
            best = &candidate;
            bestDistance = distance;
        }
    }
    return best == nullptr ? std::string() : *best;
}

} // namespace ordisan
