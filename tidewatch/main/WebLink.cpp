#include "main/WebLink.h"

#include <QAccessibleWidget>
#include <QKeyEvent>

namespace {

class WebLinkInterface : public QAccessibleWidget
{
public:
    explicit WebLinkInterface(WebLink *link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return static_cast<const QLabel *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }
    void doAction(const QString &name) override
    {
        if (name == pressAction())
            emit static_cast<WebLink *>(widget())->activated();
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface *webLinkFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("WebLink"))
        if (auto *link = qobject_cast<WebLink *>(object))
            return new WebLinkInterface(link);
    return nullptr;
}

} // namespace

WebLink::WebLink(const QString &address, QWidget *parent) : QLabel(address, parent)
{
    static const bool installed = (QAccessible::installFactory(webLinkFactory), true);
    Q_UNUSED(installed);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void WebLink::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit activated();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}
