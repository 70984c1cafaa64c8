#pragma once

#include <QString>
#include <QWidget>

namespace ordisan {

// A group box as the templates mean it: an etched frame whose top line runs through
// the middle of its title, so that the rows laid out below the title sit inside the
// frame. It only paints; the controls it frames are its siblings, not its children.
class GroupFrame final : public QWidget {
    Q_OBJECT
public:
    explicit GroupFrame(const QString& title, QWidget* parent = nullptr);

    QString title() const { return title_; }
    void setTitle(const QString& title);

    // Where the title is drawn, in the frame's coordinates.
    QRect titleRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
};

} // namespace ordisan
