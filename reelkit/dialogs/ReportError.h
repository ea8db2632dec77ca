// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

class QLocale;
class QTime;

#include <exception>
#include <functional>
#include <new>

namespace reelkit {

using ReportHandler = std::function<void(const QString &label, const QString &text)>;

// Shows the error report dialog modally and returns once the user closed it.
// With a handler installed (tests, benchmarks) the handler gets the report instead.
void ReportError(const QString &errorText, const QString &procedureLabel);

void setReportHandler(ReportHandler handler);

// The report's four lines, CR LF between them, in the system's regional formats.
QString buildReport(const QString &procedureLabel, const QString &errorText);

// The time in the locale's own format with seconds: its long format without the zone.
QString timeText(const QTime &time, const QLocale &locale);

// Runs fn and turns any failure that escapes it into a report under label, so that
// no failure of the library ever reaches the host program.
template <typename Fn>
void reportFailures(const QString &label, Fn &&fn)
{
    QString text;
    try {
        fn();
        return;
    } catch (const std::bad_alloc &) {
        text = QCoreApplication::translate("ReelkitReport", "Out of memory");
    } catch (const std::exception &e) {
        text = QString::fromUtf8(e.what());
    } catch (...) {
        //: Error description of a failure that carries no text of its own
        text = QCoreApplication::translate("ReelkitReport", "Unknown failure");
    }
    ReportError(text, label);
}

} // namespace reelkit
