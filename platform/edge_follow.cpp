#include "platform/edge_follow.h"

#include <algorithm>

namespace ordisan {

namespace {

struct Span {
    int start;
    int length;
};

// One axis: the first half of an odd change is rounded down, towards minus infinity,
// so that the two halves always add up to the whole.
Span follow(Span home, Follow how, int change)
{
    const int half = change >= 0 ? change / 2 : -((1 - change) / 2);
    switch (how) {
    case Follow::Stays: return home;
    case Follow::Moves: return {home.start + change, home.length};
    case Follow::Stretches: return {home.start, home.length + change};
    case Follow::FirstHalf: return {home.start, home.length + half};
    case Follow::SecondHalf: return {home.start + half, home.length + change - half};
    }
    return home;
}

} // namespace

QRect followEdges(const QRect& home, Anchor anchor, QSize change)
{
    const Span x = follow({home.x(), home.width()}, anchor.right, change.width());
    const Span y = follow({home.y(), home.height()}, anchor.bottom, change.height());
    return QRect(x.start, y.start, std::max(0, x.length), std::max(0, y.length));
}

} // namespace ordisan
