#pragma once

#include <QList>
#include <QPersistentModelIndex>
#include <QString>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

class QLabel;

namespace ordisan {

// The tree control of every template, behaving as the trees users know: typed letters
// find an item anywhere in the tree, → opens a branch or enters it, an opened branch
// brings its children into view, dotted lines join the items when the template asks
// for them, and a text cut by the visible width shows whole in a tooltip.
class TreeControl final : public QTreeWidget {
    Q_OBJECT
public:
    explicit TreeControl(QWidget* parent = nullptr);

    // Dotted lines between items; at the root too when the root is decorated.
    void setLinesShown(bool shown);
    bool linesShown() const { return linesShown_; }

    // The text typed so far; empty once the keyboard-input interval has passed.
    QString searchText() const { return typed_; }

    // What a key means in this tree: the tree's own (letters search, arrows move), or
    // a key its dialog reserves. A reserved key ends the search and goes on to the
    // dialog; one that acts on the current item (an answer) is dropped instead while
    // the typed letters find nothing, so that it never acts on an item they did not
    // find.
    enum class KeyUse { Tree, Item, Dialog };
    using KeyRule = std::function<KeyUse(const QKeyEvent&)>;
    void setKeyRule(KeyRule rule) { keyRule_ = std::move(rule); }

    // Adds typed letters to the search text (a pause first starts a new one) and
    // selects the best item from the current one on: a word beginning with the text
    // beats a text only containing it, then display order, collapsed branches included.
    void keyboardSearch(const QString& search) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

private:
    void findTyped(bool fromCurrent);
    void showSearchText();
    void endSearch();
    // Moves the current item into a branch (→): opens it, or goes to its first child.
    void enterBranch();
    void showChildren(const QModelIndex& branch);
    // The whole text of an item whose text the visible width cuts, empty otherwise.
    QString cutText(const QModelIndex& index) const;

    bool linesShown_ = false;
    QString typed_;
    bool foundNothing_ = false;
    KeyRule keyRule_;
    // The branches this search has opened, to close when it moves on.
    QList<QPersistentModelIndex> openedBySearch_;
    QTimer searchEnd_;
    QLabel* searchTip_ = nullptr;
};

} // namespace ordisan
