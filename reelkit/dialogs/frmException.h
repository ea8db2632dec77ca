// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace reelkit {

void resetMousePointer();

// The library's own error report, shown modally with no owner window.
class frmException : public QDialog
{
    Q_OBJECT

public:
    explicit frmException(QWidget *parent = nullptr);

    void setReport(const QString &report);
    // A report raised while this one is up goes below it, after a blank line.
    void appendReport(const QString &report);
    QString report() const { return m_report; }

private:
    void cmdContinue_Click();

    QString m_report;
    QPlainTextEdit *txtException = nullptr;
    QPushButton *cmdContinue = nullptr;
};

} // namespace reelkit
