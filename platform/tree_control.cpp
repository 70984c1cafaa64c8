#include "platform/tree_control.h"

#include "platform/search_text.h"
#include "platform/tree_lines.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QToolTip>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace ordisan {

namespace {

// A typed letter: printable and not blank; control characters such as Backspace's are
// no letters. A blank only joins a search already begun ("zaduha pri"): no item text is
// looked for by its leading blank. Keys a dialog reserves never get here.
bool isSearchLetter(const QString& text, bool searching)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [searching](QChar c) {
        return c.isPrint() && (!c.isSpace() || (searching && c == u' '));
    });
}

} // namespace

TreeControl::TreeControl(QWidget* parent) : QTreeWidget(parent)
{
    searchEnd_.setSingleShot(true);
    connect(&searchEnd_, &QTimer::timeout, this, &TreeControl::endSearch);
    connect(this, &QTreeView::expanded, this, &TreeControl::showChildren);

    // A small tooltip window standing on the tree's top edge, where it hides no item.
    searchTip_ = new QLabel(this, Qt::ToolTip);
    searchTip_->setObjectName(QStringLiteral("searchTip"));
    searchTip_->setForegroundRole(QPalette::ToolTipText);
    searchTip_->setBackgroundRole(QPalette::ToolTipBase);
    searchTip_->setAutoFillBackground(true);
    searchTip_->setFrameShape(QFrame::Box);
    searchTip_->setMargin(1);
    searchTip_->setAttribute(Qt::WA_TransparentForMouseEvents);
    searchTip_->hide();
}

void TreeControl::setLinesShown(bool shown)
{
    linesShown_ = shown;
    viewport()->update();
}

void TreeControl::keyboardSearch(const QString& search)
{
    const bool extending = searchEnd_.isActive() && !typed_.isEmpty();
    if (!isSearchLetter(search, extending))
        return;
    if (!extending)
        typed_.clear();
    typed_ += search;
    // A longer text may still fit the item found for the shorter one.
    findTyped(extending);
    showSearchText();
}

void TreeControl::keyPressEvent(QKeyEvent* event)
{
    if (const KeyUse use = keyRule_ ? keyRule_(*event) : KeyUse::Tree; use != KeyUse::Tree) {
        if (use == KeyUse::Item && foundNothing_ && searchEnd_.isActive()) {
            // The tooltip goes on saying that nothing was found; letters start anew.
            typed_.clear();
            event->accept();
            return;
        }
        endSearch();
        event->ignore();
        return;
    }
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && event->key() == Qt::Key_Backspace && searchEnd_.isActive()) {
        typed_.chop(1);
        if (typed_.isEmpty()) {
            endSearch();
        } else {
            findTyped(true);
            showSearchText();
        }
        event->accept();
        return;
    }
    if (plain && event->key() == Qt::Key_Right && layoutDirection() == Qt::LeftToRight) {
        // Qt scrolls sideways on an item without children; a native tree does nothing.
        enterBranch();
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void TreeControl::focusOutEvent(QFocusEvent* event)
{
    endSearch();
    QTreeWidget::focusOutEvent(event);
}

void TreeControl::findTyped(bool fromCurrent)
{
    foundNothing_ = true;
    QList<QTreeWidgetItem*> items;
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        items.append(*it);
    if (items.isEmpty())
        return;
    const qsizetype current = items.indexOf(currentItem());
    const qsizetype first = current < 0 ? 0 : (fromCurrent ? current : current + 1);
    // The best match; among equals the first in display order from `first` on.
    QTreeWidgetItem* found = nullptr;
    SearchMatch best = SearchMatch::None;
    for (qsizetype n = 0; n < items.size() && best != SearchMatch::TextStartAsTyped; ++n) {
        QTreeWidgetItem* item = items[(first + n) % items.size()];
        const SearchMatch match = matchItemText(item->text(0), typed_);
        if (match > best) {
            best = match;
            found = item;
        }
    }
    foundNothing_ = !found;
    if (!found)
        return;
    // Branches opened for an earlier find of this search close again, unless they
    // hold this one: the search leaves open only the way to where it ends.
    QList<QTreeWidgetItem*> ancestors;
    for (QTreeWidgetItem* parent = found->parent(); parent; parent = parent->parent())
        ancestors.append(parent);
    QList<QPersistentModelIndex> opened;
    for (const QPersistentModelIndex& branch : std::as_const(openedBySearch_)) {
        if (QTreeWidgetItem* item = itemFromIndex(branch); item && !ancestors.contains(item))
            item->setExpanded(false);
        else if (item)
            opened.append(branch);
    }
    for (QTreeWidgetItem* parent : std::as_const(ancestors)) {
        if (!parent->isExpanded()) {
            parent->setExpanded(true);
            opened.append(indexFromItem(parent));
        }
    }
    openedBySearch_ = opened;
    setCurrentItem(found);
    scrollToItem(found);
}

void TreeControl::showSearchText()
{
    searchTip_->setFont(font());
    searchTip_->setText(QStringLiteral("Traži: ") + typed_
                        + (foundNothing_ ? QStringLiteral(" – nije pronađeno") : QString()));
    searchTip_->adjustSize();
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    const QScreen* shownOn = screen();
    const int top = shownOn ? shownOn->availableGeometry().top() : 0;
    searchTip_->move(topLeft.x(), std::max(top, topLeft.y() - searchTip_->height()));
    searchTip_->show();
    searchEnd_.start(QApplication::keyboardInputInterval());
}

void TreeControl::endSearch()
{
    searchEnd_.stop();
    typed_.clear();
    foundNothing_ = false;
    openedBySearch_.clear();
    searchTip_->hide();
}

void TreeControl::enterBranch()
{
    QTreeWidgetItem* item = currentItem();
    if (!item || item->childCount() == 0)
        return;
    if (!item->isExpanded()) {
        if (itemsExpandable())
            item->setExpanded(true);
        return;
    }
    setCurrentItem(item->child(0));
}

// As many children as fit come into view, the branch itself staying in view.
void TreeControl::showChildren(const QModelIndex& branch)
{
    const int count = model()->rowCount(branch);
    if (count == 0)
        return;
    scrollTo(model()->index(count - 1, 0, branch), EnsureVisible);
    scrollTo(branch, EnsureVisible);
}

QString TreeControl::cutText(const QModelIndex& index) const
{
    const QRect rect = visualRect(index);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int needed = itemDelegateForIndex(index)->sizeHint(option, index).width();
    if (rect.left() >= 0 && rect.left() + needed <= viewport()->width())
        return {};
    return index.data(Qt::DisplayRole).toString();
}

bool TreeControl::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QTreeWidget::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    QString tip;
    if (index.isValid()) {
        // The whole text first, then what the item itself tells.
        const QString whole = cutText(index);
        const QString own = index.data(Qt::ToolTipRole).toString();
        tip = whole.isEmpty() ? own : (own.isEmpty() ? whole : whole + u'\n' + own);
    }
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
    }
    return true;
}

void TreeControl::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const
{
    if (linesShown_)
        drawTreeLines(*painter, *this, rect, index);
    else
        QTreeWidget::drawBranches(painter, rect, index);
}

} // namespace ordisan
