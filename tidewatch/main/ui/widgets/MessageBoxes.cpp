// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/widgets/MessageBoxes.h"

#include "main/ui/widgets/WindowStyle.h"

#include <QMessageBox>

namespace {

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &text,
             std::function<void()> closed)
{
    auto *box = new QMessageBox(icon, QStringLiteral("Orvane Tidewatch"), text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText); // peer names can reach a box: never render markup
    WindowStyle::applyToBox(box);
    if (closed)
        QObject::connect(box, &QDialog::finished, box, [closed = std::move(closed)] { closed(); });
    box->open();
}

} // namespace

void showWarning(QWidget *parent, const QString &text, std::function<void()> closed)
{
    showBox(parent, QMessageBox::Warning, text, std::move(closed));
}

void showInformation(QWidget *parent, const QString &text, std::function<void()> closed)
{
    showBox(parent, QMessageBox::Information, text, std::move(closed));
}
