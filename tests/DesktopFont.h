// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QFont>

// Stands in for a desktop whose font is the given size (0 keeps the desktop's own) for
// as long as it lives: widgets built meanwhile take it as they would take the desktop's.
class DesktopFont
{
public:
    explicit DesktopFont(int points) : mSaved(QApplication::font())
    {
        if (points > 0) {
            QFont larger = mSaved;
            larger.setPointSize(points);
            QApplication::setFont(larger);
        }
    }
    ~DesktopFont() { QApplication::setFont(mSaved); }
    DesktopFont(const DesktopFont &) = delete;
    DesktopFont &operator=(const DesktopFont &) = delete;

private:
    const QFont mSaved;
};
