#include "views/text_batch.h"

#include "platform/text_codec.h"

namespace ordisan {

namespace {

constexpr std::size_t BLOCK_BYTES = 4096;

} // namespace

int TextBatch::add(std::initializer_list<std::string_view> pieces)
{
    if (waitingCount_ > 0 && waiting_.size() >= BLOCK_BYTES)
        convert();
    for (std::string_view piece : pieces)
        waiting_.append(piece.substr(0, piece.find('\0')));
    waiting_.push_back('\0');
    return static_cast<int>(places_.size()) + waitingCount_++;
}

void TextBatch::convert()
{
    if (waitingCount_ == 0)
        return;
    const QString block = fromCp1250(waiting_);
    // Cut at the NULs rather than by byte counts, so that a byte the conversion did
    // not map one to one could not shift the texts after it.
    qsizetype start = 0;
    for (int i = 0; i < waitingCount_; ++i) {
        qsizetype end = block.indexOf(QChar(u'\0'), start);
        if (end < 0)
            end = block.size();
        places_.append(Place{blocks_.size(), start, end - start});
        start = end < block.size() ? end + 1 : end;
    }
    blocks_.append(block);
    waiting_.clear();
    waitingCount_ = 0;
}

QString TextBatch::text(int index) const
{
    if (index < 0 || index >= places_.size())
        return QString();
    const Place& place = places_[index];
    return blocks_[place.block].mid(place.start, place.length);
}

} // namespace ordisan
