// SPDX-License-Identifier: LGPL-2.1-or-later
#include "dialogs/ReportError.h"

#include "dialogs/frmException.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QLocale>
#include <QPointer>
#include <QRegularExpression>

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

// Drops the zone name ("t", also in brackets) from a time format, outside quoted text.
QString withoutZone(const QString &format)
{
    static const QRegularExpression zone(QStringLiteral(R"(\s*[(\[]?t+[)\]]?\s*)"));
    const QStringList parts = format.split(QLatin1Char('\''));
    QString result;
    for (qsizetype part = 0; part < parts.size(); ++part) {
        if (part > 0)
            result += QLatin1Char('\'');
        result += part % 2 == 0 ? QString(parts[part]).replace(zone, QStringLiteral(" ")) : parts[part];
    }
    return result.trimmed();
}

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
    // One text per line: the CR LF between them belong to the report, not to a language.
    //: Report line 1; %1 is the name of the procedure that failed, such as modAniGif.LoadGif()
    return QCoreApplication::translate("ReelkitReport", "Procedure: %1").arg(procedureLabel) + kLineBreak
           //: Report line 2; %1 is the date in the system's short format
           + QCoreApplication::translate("ReelkitReport", "Date: %1")
                 .arg(locale.toString(now.date(), QLocale::ShortFormat))
           + kLineBreak
           //: Report line 3; %1 is the time in the system's format
           + QCoreApplication::translate("ReelkitReport", "Time: %1").arg(timeText(now.time(), locale))
           + kLineBreak
           //: Report line 4; %1 is the description of the failure
           + QCoreApplication::translate("ReelkitReport", "Error: %1").arg(errorText);
}

QString timeText(const QTime &time, const QLocale &locale)
{
    return locale.toString(time, withoutZone(locale.timeFormat(QLocale::LongFormat)));
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
