// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ui/RecordsControls.h"

#include "main/ui/widgets/WidgetFactory.h"
#include "records/ui/RecordsView.h"

#include <QLabel>
#include <QPushButton>

namespace RecordsControls {

QPushButton *recordsButton(QWidget *gameTypePanel)
{
    return WidgetFactory::button(gameTypePanel, QStringLiteral("cmdRecords"),
                                 RecordsView::title(), 1320, 1560, 1095, 375);
}

// Its text is all a screen reader needs: the label has no name of its own.
QLabel *recordNotice(QWidget *window)
{
    QLabel *notice = WidgetFactory::label(window, QStringLiteral("lblRecordNotice"), QString(),
                                          1335, 6630, 3270, 510);
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return notice;
}

} // namespace RecordsControls
