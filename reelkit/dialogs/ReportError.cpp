#include "dialogs/ReportError.h"

#include "dialogs/frmException.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <QPointer>

namespace reelkit {
namespace {

ReportHandler &reportHandler()
{
    static ReportHandler handler;
    return handler;
}

// The dialog on screen, if any: a report raised while it is up is appended to it.
QPointer<frmException> &openDialog()
{
    static QPointer<frmException> dialog;
    return dialog;
}

const QString kLineBreak = QStringLiteral("\r\n");

} // namespace

void resetMousePointer()
{
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

QString buildReport(const QString &procedureLabel, const QString &errorText)
{
    const QLocale locale = QLocale::system();
    const QDateTime now = QDateTime::currentDateTime();
    return QStringLiteral("Procedure: ") + procedureLabel + kLineBreak
           + QStringLiteral("Date: ") + locale.toString(now.date(), QLocale::ShortFormat) + kLineBreak
           + QStringLiteral("Time: ") + locale.toString(now.time(), QLocale::ShortFormat) + kLineBreak
           + QStringLiteral("Error: ") + errorText;
}

void setReportHandler(ReportHandler handler)
{
    reportHandler() = std::move(handler);
}

void ReportError(const QString &errorText, const QString &procedureLabel)
{
    if (reportHandler()) {
        reportHandler()(procedureLabel, errorText);
        return;
    }
    resetMousePointer();
    const QString report = buildReport(procedureLabel, errorText);
    if (QPointer<frmException> &shown = openDialog()) {
        shown->appendReport(report);
        return;
    }
    auto *dialog = new frmException;
    openDialog() = dialog;
    dialog->setReport(report);
    dialog->exec();
    delete dialog;
}

} // namespace reelkit
