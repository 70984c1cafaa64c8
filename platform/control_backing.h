// What a picture used to paint around the controls that stand on it, drawn instead
// as widgets that follow those controls, so that they stay in place when a dialog
// grows: the panel with its heading behind a tree, the frame behind a picture button.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace ordisan {

// A widget just below its control in the stacking order, kept at the control's
// rectangle grown by the backing's margins, shown while the control is.
class ControlBacking : public QWidget {
    Q_OBJECT
public:
    explicit ControlBacking(QWidget* control);

protected:
    // Where the backing stands for a control at `controlRect` (in the dialog).
    virtual QRect backingRect(const QRect& controlRect) const = 0;
    // The control's rectangle in the backing's own coordinates.
    QRect controlRect() const;
    // Call at the end of a derived constructor: backingRect is virtual.
    void follow();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> control_;
};

// The grey panel behind a tree: a shadow, a bevelled face, a heading strip with the
// heading in the title lettering, and a sunken edge round the tree.
class TreePanel final : public ControlBacking {
    Q_OBJECT
public:
    TreePanel(QWidget* tree, const QString& heading);
    QString heading() const { return heading_; }

protected:
    QRect backingRect(const QRect& tree) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString heading_;
};

// The square frame with a light mat behind a picture button.
class PictureFrame final : public ControlBacking {
    Q_OBJECT
public:
    explicit PictureFrame(QWidget* button);

protected:
    QRect backingRect(const QRect& button) const override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ordisan
