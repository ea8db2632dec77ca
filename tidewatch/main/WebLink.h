#pragma once

#include <QLabel>

// A web address shown as a label that the keyboard reaches with Tab and opens with
// Enter or Space, and that a screen reader knows as a link it can press.
// Mouse clicks stay with whoever watches the label's mouse events.
class WebLink : public QLabel
{
    Q_OBJECT

public:
    explicit WebLink(const QString &address, QWidget *parent = nullptr);

signals:
    void activated();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
