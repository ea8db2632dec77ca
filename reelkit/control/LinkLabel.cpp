// SPDX-License-Identifier: LGPL-2.1-or-later
#include "LinkLabel.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStylePainter>
#include <QStyleOptionFocusRect>

namespace reelkit {
namespace {

class LinkInterface : public QAccessibleWidget
{
public:
    explicit LinkInterface(LinkLabel *link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        const bool caption = kind == QAccessible::Name || kind == QAccessible::Value;
        return caption ? static_cast<const QLabel *>(widget())->text() : QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State linkState = QAccessibleWidget::state();
        linkState.linked = true;
        return linkState;
    }
    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
    void doAction(const QString &name) override
    {
        if (name != pressAction())
            return QAccessibleWidget::doAction(name);
        emit static_cast<LinkLabel *>(widget())->clicked();
    }
};

QAccessibleInterface *linkFactory(const QString &className, QObject *object)
{
    auto *link = className == QLatin1String("reelkit::LinkLabel") ? qobject_cast<LinkLabel *>(object) : nullptr;
    return link ? new LinkInterface(link) : nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(linkFactory), true);
    Q_UNUSED(factoryInstalled);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QPalette linkPalette = palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(linkPalette);
}

void LinkLabel::fitCaptionWithin(int width)
{
    constexpr int kSmallestPoints = 6;
    QFont smaller = font();
    while (QFontMetrics(smaller).horizontalAdvance(text()) > width && smaller.pointSize() > kSmallestPoints)
        smaller.setPointSize(smaller.pointSize() - 1);
    if (smaller != font())
        setFont(smaller);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
        return QLabel::keyPressEvent(event);
    event->accept();
    if (!event->isAutoRepeat())
        emit clicked();
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focusFrame;
    focusFrame.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focusFrame);
}

} // namespace reelkit
