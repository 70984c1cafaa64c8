#pragma once

#include <QList>
#include <QString>

#include <initializer_list>
#include <string>
#include <string_view>

namespace ordisan {

// Many knowledge-base texts converted with few calls of fromCp1250: setting up a
// decoder costs far more than converting a short text (about a microsecond against a
// few dozen nanoseconds), and a tree shows thousands of texts. Texts are joined with
// NUL bytes, which no text holds (each ends at its first NUL) and which code page 1250
// turns into U+0000, converted a few kilobytes at a time (small blocks are reused by
// the allocator; one large one costs fresh pages on every fill) and cut apart again.
class TextBatch {
public:
    // Adds a text, up to its first NUL; returns its index.
    int add(std::string_view bytes) { return add({bytes}); }
    // Adds one text made of the pieces in turn, each up to its first NUL.
    int add(std::initializer_list<std::string_view> pieces);
    // Converts what is still waiting; call it once all texts are added.
    void convert();
    // A converted text; empty for an index not given by add() or not converted yet.
    QString text(int index) const;

private:
    struct Place {
        qsizetype block;
        qsizetype start;
        qsizetype length;
    };

    std::string waiting_;
    int waitingCount_ = 0;
    QList<QString> blocks_;
    QList<Place> places_;
};

} // namespace ordisan
