#pragma once

#include <QLabel>

namespace reelkit {

// A label in link colours, with a hand pointer, that reports a click.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace reelkit
