// SPDX-License-Identifier: LGPL-2.1-or-later
#include "dialogs/frmAbout.h"

#include "dialogs/DialogPalette.h"
#include "LinkLabel.h"
#include "dialogs/LibraryDocuments.h"
#include "dialogs/ProductIcon.h"
#include "dialogs/ReportError.h"
#include "dialogs/Version.h"
#include "Twips.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QUrl>

#include <algorithm>
#include <type_traits>

namespace reelkit {
namespace {

// The dialog's text size as designed: its size is fixed, so its texts keep this size
// whatever the desktop's.
constexpr int kDesignPoints = 9;
constexpr int kDialogWidthTwips = 5385;

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

template <typename Label>
Label *place(Label *label, const char *name, QRect geometry)
{
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    // An address under a long folder may be wider than the dialog.
    if constexpr (std::is_same_v<Label, LinkLabel>)
        label->fitCaptionWithin(twipsToPixels(kDialogWidthTwips) - geometry.left());
    // The designed sizes fit an 8-point font; the design's 9 points must not cut the text.
    const QSize needed = label->sizeHint();
    label->resize(std::max(geometry.width(), needed.width()), std::max(geometry.height(), needed.height()));
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setPalette(classicDialogPalette());
    setWindowTitle(tr("About Orvane Reelpane"));
    setFixedSize(twipsToPixels(kDialogWidthTwips), twipsToPixels(3825));
    QFont designFont = font(); // the desktop's face, at the design's size
    designFont.setPointSize(kDesignPoints);
    setFont(designFont);

    auto *imgMain = new QLabel(this);
    imgMain->setObjectName(QStringLiteral("imgMain"));
    imgMain->setGeometry(twipsRect(120, 120, 480, 480));
    imgMain->setPixmap(productIcon());

    auto *lblAppName = place(new QLabel(QStringLiteral("Orvane Reelpane"), this), "lblAppName",
                             twipsRect(960, 120, 1740, 195));
    QFont bold = lblAppName->font();
    bold.setBold(true);
    lblAppName->setFont(bold);

    //: Version label before the dialog is shown; the version numbers replace it at once
    lblVersion = place(new QLabel(tr("Version ?.?.?"), this), "lblVersion", twipsRect(960, 360, 930, 195));
    place(new QLabel(tr(kRightsNotice), this), "lblCopyright", twipsRect(960, 720, 3915, 195));

    // The maker's site is the folder of everything the maker ships with the library;
    // the product page is its README.
    const LibraryDocuments documents = LibraryDocuments::ofThisLibrary();
    lblWebSite = place(new LinkLabel(fileAddress(documents.folder), this), "lblWebSite",
                       twipsRect(960, 2640, 1995, 195));
    lblProductSite = place(new LinkLabel(fileAddress(documents.readme), this), "lblProductSite",
                           twipsRect(960, 2880, 3405, 195));
    connect(lblWebSite, &LinkLabel::clicked, this, &frmAbout::lblWebSite_Click);
    connect(lblProductSite, &LinkLabel::clicked, this, &frmAbout::lblProductSite_Click);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(4200, 3360, 1095, 375));
    cmdOK->setDefault(true);
    cmdOK->setFocus(); // Enter presses OK; the links wait until Tab reaches them
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // Enter is the dialog's, for OK, wherever the keyboard is; a link opens with Space.
    lblWebSite->installEventFilter(this);
    lblProductSite->installEventFilter(this);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdOK->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAbout::showEvent(QShowEvent *event)
{
    Form_Load();
    QDialog::showEvent(event);
}

void frmAbout::Form_Load()
{
    //: %1, %2, %3: major, minor and revision number of the library
    lblVersion->setText(tr("Version %1.%2.%3")
                            .arg(QString::number(kVersionMajor), QString::number(kVersionMinor),
                                 QString::number(kVersionRevision)));
    lblVersion->adjustSize();
}

// The white text panel and the etched dividers around it.
void frmAbout::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(twipsRect(840, 0, 4575, 3255), Qt::white);
    const int stripX = twipsToPixels(840);
    const int rowY = twipsToPixels(3240);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(stripX, 0, stripX, rowY);
    painter.drawLine(0, rowY, width(), rowY);
    painter.setPen(Qt::white);
    painter.drawLine(stripX + 1, 0, stripX + 1, rowY);
    painter.drawLine(0, rowY + 1, width(), rowY + 1);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::lblWebSite_Click()
{
    reportFailures(QStringLiteral("frmAbout.lblWebSite_Click()"), [this] { openCaption(lblWebSite); });
}

void frmAbout::lblProductSite_Click()
{
    reportFailures(QStringLiteral("frmAbout.lblProductSite_Click()"), [this] { openCaption(lblProductSite); });
}

// The shell's answer is not examined: with no handler for the address nothing happens.
void frmAbout::openCaption(const LinkLabel *link)
{
    QDesktopServices::openUrl(QUrl(link->text()));
}

} // namespace reelkit
