#include "platform/control_factory.h"

#include "platform/dialog_units.h"
#include "platform/group_frame.h"
#include "platform/picture_button.h"
#include "platform/picture_control.h"
#include "platform/push_button.h"
#include "platform/resources.h"
#include "platform/tree_control.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

namespace ordisan {

namespace {

// Static pictures and icons stand at the top-left corner of their rectangle.
constexpr int SYSTEM_ICON_SIZE = 32;

bool has(const ControlTemplate& row, unsigned styleBit)
{
    return (row.styles & styleBit) != 0;
}

QString captionOf(const ControlTemplate& row)
{
    return row.text ? QString::fromUtf8(row.text) : QString();
}

// Statics and frames only paint: clicks go through them to whatever lies below.
void makeDecoration(QWidget* widget)
{
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QWidget* makeText(const ControlTemplate& row, QWidget* dialog)
{
    auto* label = new QLabel(dialog);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true); // left-aligned statics break at blanks
    label->setText(captionOf(row));
    makeDecoration(label);
    return label;
}

QWidget* makePicture(const ControlTemplate& row, const QRect& rect, QWidget* dialog)
{
    // Drawn from its SVG at the rectangle's size, so the picture fills it exactly.
    auto* picture = new PictureControl(row.resource, rect.size(), dialog);
    makeDecoration(picture);
    return picture;
}

QWidget* makeIcon(const ControlTemplate& row, QWidget* dialog)
{
    auto* label = new QLabel(dialog);
    label->setPixmap(loadIconPixmap(row.resource, SYSTEM_ICON_SIZE));
    makeDecoration(label);
    return label;
}

QWidget* makeButton(const ControlTemplate& row, QWidget* dialog)
{
    auto* button = new PushButton(captionOf(row), dialog);
    button->setDefault(row.kind == ControlKind::DefPushButton);
    button->setFocusPolicy(has(row, style::TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    return button;
}

QWidget* makePictureButton(const ControlTemplate& row, QWidget* dialog)
{
    auto* button = new PictureButton(captionOf(row), dialog);
    // Without a tab stop a picture button takes no focus at all, not even by a click.
    button->setFocusPolicy(has(row, style::TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
    return button;
}

QWidget* makeRadioButton(const ControlTemplate& row, QWidget* dialog)
{
    auto* button = new QRadioButton(captionOf(row), dialog);
    // The dialog groups its radio buttons as the template's groups run.
    button->setAutoExclusive(false);
    button->setFocusPolicy(has(row, style::TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    return button;
}

QWidget* makeEdit(const ControlTemplate& row, QWidget* dialog)
{
    auto* edit = new QLineEdit(captionOf(row), dialog);
    edit->setFrame(has(row, style::BORDER));
    edit->setFocusPolicy(has(row, style::TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    return edit;
}

QWidget* makeProgressBar(QWidget* dialog)
{
    auto* bar = new QProgressBar(dialog);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setFocusPolicy(Qt::NoFocus);
    return bar;
}

QWidget* makeTree(const ControlTemplate& row, QWidget* dialog)
{
    auto* tree = new TreeControl(dialog);
    tree->setColumnCount(1);
    tree->header()->hide();
    tree->setRootIsDecorated(has(row, style::LINESATROOT));
    tree->setLinesShown(has(row, style::HASLINES));
    tree->setItemsExpandable(has(row, style::HASBUTTONS) || has(row, style::LINESATROOT));
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setExpandsOnDoubleClick(true);
    tree->setUniformRowHeights(true);
    tree->setIconSize(QSize(16, 16));
    tree->setFrameShape(has(row, style::BORDER) || has(row, style::MODALFRAME_EX) ? QFrame::StyledPanel
                                                                                  : QFrame::NoFrame);
    tree->setFocusPolicy(has(row, style::TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    return tree;
}

QWidget* makeWidget(const ControlTemplate& row, const QRect& rect, QWidget* dialog)
{
    switch (row.kind) {
    case ControlKind::Text: return makeText(row, dialog);
    case ControlKind::Picture: return makePicture(row, rect, dialog);
    case ControlKind::Icon: return makeIcon(row, dialog);
    case ControlKind::GroupBox: {
        auto* frame = new GroupFrame(captionOf(row), dialog);
        makeDecoration(frame);
        return frame;
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: return makeButton(row, dialog);
    case ControlKind::OwnerDrawButton: return makePictureButton(row, dialog);
    case ControlKind::AutoRadioButton: return makeRadioButton(row, dialog);
    case ControlKind::Edit: return makeEdit(row, dialog);
    case ControlKind::ProgressBar: return makeProgressBar(dialog);
    case ControlKind::TreeView: return makeTree(row, dialog);
    }
    return nullptr;
}

} // namespace

QString controlObjectName(int id, int index)
{
    switch (id) {
    case IDOK: return QStringLiteral("IDOK");
    case IDCANCEL: return QStringLiteral("IDCANCEL");
    case IDC_STATIC: return QStringLiteral("static-%1").arg(index);
    default: return QString::number(id);
    }
}

QWidget* createControl(const ControlTemplate& row, int index, QWidget* dialog)
{
    const QRect rect = dialogRectToPixels(row.rect);
    QWidget* widget = makeWidget(row, rect, dialog);
    if (!widget)
        return nullptr;
    widget->setObjectName(controlObjectName(row.id, index));
    if (row.kind == ControlKind::Icon)
        widget->setGeometry(QRect(rect.topLeft(), QSize(SYSTEM_ICON_SIZE, SYSTEM_ICON_SIZE)));
    else
        widget->setGeometry(rect);
    widget->setEnabled(!has(row, style::DISABLED));
    return widget;
}

} // namespace ordisan
