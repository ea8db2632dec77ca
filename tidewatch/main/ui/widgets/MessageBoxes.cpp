// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/widgets/MessageBoxes.h"

#include "main/ui/widgets/WindowStyle.h"

#include <QMessageBox>

namespace {

void showBox(QWidget *parent, QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QStringLiteral("Orvane Tidewatch"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText); // peer names can reach a box: never render markup
    WindowStyle::applyToBox(&box);
    box.exec();
}

} // namespace

void ShowWarning(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::Warning, text);
}

void ShowInformation(QWidget *parent, const QString &text)
{
    showBox(parent, QMessageBox::Information, text);
}
