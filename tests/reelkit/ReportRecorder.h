// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "dialogs/ReportError.h"

#include <QString>

#include <vector>

// Takes the place of the error dialog for as long as it lives.
class ReportRecorder
{
public:
    struct Report
    {
        QString label;
        QString text;
    };

    ReportRecorder()
    {
        reelkit::setReportHandler([this](const QString &label, const QString &text) {
            reports.push_back({label, text});
        });
    }
    ~ReportRecorder() { reelkit::setReportHandler({}); }
    ReportRecorder(const ReportRecorder &) = delete;
    ReportRecorder &operator=(const ReportRecorder &) = delete;

    std::vector<Report> reports;
};
