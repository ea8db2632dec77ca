// SPDX-License-Identifier: LGPL-2.1-or-later
#include "dialogs/frmException.h"

#include "dialogs/DialogPalette.h"
#include "Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace reelkit {
namespace {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, QRect geometry, bool bold, bool wrap)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    if (geometry.width() <= 0)
        label->move(geometry.topLeft());
    else
        label->setGeometry(geometry);
    if (geometry.width() <= 0)
        label->adjustSize();
    return label;
}

// Plain text widgets break lines at LF; the stored report keeps its CR LF.
QString forDisplay(const QString &report)
{
    QString text = report;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

frmException::frmException(QWidget *parent) : QDialog(parent)
{
    resetMousePointer();
    setObjectName(QStringLiteral("frmException"));
    setPalette(classicDialogPalette());
    //: Title of the library's error report; Reelkit.ocx is the library's file name
    setWindowTitle(tr("Error Handler - Program Error [Reelkit.ocx]"));
    setFixedSize(twipsToPixels(7200), twipsToPixels(4410));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSizeF(8.25);
    setFont(tahoma);

    auto *header = new QFrame(this);
    header->setGeometry(twipsRect(0, 0, 7575, 855));
    header->setAutoFillBackground(true);
    QPalette headerPalette = header->palette();
    headerPalette.setColor(QPalette::Window, Qt::white);
    header->setPalette(headerPalette);

    //: Bold heading of the error report
    addLabel(this, "lblException", tr("Error Handler"), twipsRect(360, 240, 0, 0), true, false);
    addLabel(this, "Label1", tr("Error Handler caught a Program Error."), twipsRect(600, 480, 0, 0), false, false);

    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setGeometry(twipsRect(6600, 120, 480, 480));
    image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));

    auto *separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(twipsRect(-120, 840, 7695, 35));

    addLabel(this, "Label2",
             tr("Orvane apologizes for the inconvenience caused but there has been an error raised "
                "by the application 'Reelkit.ocx'."),
             twipsRect(360, 960, 6735, 495), false, true);
    //: Bold label beside the box that holds the report
    addLabel(this, "Label4", tr("Error:"), twipsRect(360, 1680, 0, 0), true, false);

    txtException = new QPlainTextEdit(this);
    txtException->setObjectName(QStringLiteral("txtException"));
    txtException->setReadOnly(true);
    txtException->setGeometry(twipsRect(1320, 1680, 5775, 1215));

    addLabel(this, "Label3",
             tr("If the error continues please contact the Developer Team of this application and "
                "inform them about the error and the steps to reproduce it (if possible) otherwise "
                "what you were doing before the error occurred."),
             twipsRect(360, 3120, 6735, 855), false, true);

    cmdContinue = new QPushButton(tr("&Continue"), this);
    cmdContinue->setObjectName(QStringLiteral("cmdContinue"));
    cmdContinue->setGeometry(twipsRect(6000, 3960, 1095, 330));
    cmdContinue->setDefault(true);
    connect(cmdContinue, &QPushButton::clicked, this, &frmException::cmdContinue_Click);
}

void frmException::setReport(const QString &report)
{
    m_report = report;
    txtException->setPlainText(forDisplay(m_report));
}

void frmException::appendReport(const QString &report)
{
    setReport(m_report + QStringLiteral("\r\n\r\n") + report);
}

void frmException::cmdContinue_Click()
{
    accept();
}

} // namespace reelkit
