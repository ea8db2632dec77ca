// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QDialog>
#include <QtGlobal>

class QLabel;
class QPushButton;

namespace reelkit {

class LinkLabel;

// The library is free software: the notice names its licence. Translated where shown.
//: Copyright line of the about box; keep the licence identifier LGPL-2.1-or-later as it is
inline constexpr char kRightsNotice[] =
    QT_TRANSLATE_NOOP("reelkit::frmAbout", "\u00A9 2026 Orvane. LGPL-2.1-or-later.");

// The library's about box; the version text is filled in each time it is shown.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void lblWebSite_Click();
    void lblProductSite_Click();
    void openCaption(const LinkLabel *link);

    QLabel *lblVersion = nullptr;
    LinkLabel *lblWebSite = nullptr;
    LinkLabel *lblProductSite = nullptr;
    QPushButton *cmdOK = nullptr;
};

} // namespace reelkit
