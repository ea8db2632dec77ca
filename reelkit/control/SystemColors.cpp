// SPDX-License-Identifier: LGPL-2.1-or-later
#include "control/SystemColors.h"

#include <array>

namespace reelkit {
namespace {

struct SystemColor
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colour indexes 0 to 24 mapped onto the nearest palette roles.
constexpr std::array<SystemColor, 25> kSystemColors = {{
    {QPalette::Active, QPalette::Dark},            // 0 scroll bars
    {QPalette::Active, QPalette::Window},          // 1 desktop
    {QPalette::Active, QPalette::Highlight},       // 2 active title bar
    {QPalette::Inactive, QPalette::Highlight},     // 3 inactive title bar
    {QPalette::Active, QPalette::Window},          // 4 menu bar
    {QPalette::Active, QPalette::Base},            // 5 window background
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::Text},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 title bar text
    {QPalette::Active, QPalette::Mid},             // 10 active border
    {QPalette::Inactive, QPalette::Mid},           // 11 inactive border
    {QPalette::Active, QPalette::Dark},            // 12 application workspace
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlight text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Dark},            // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Inactive, QPalette::WindowText},    // 19 inactive title bar text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
}};

constexpr quint32 kSystemColorFlag = 0x80000000u;

} // namespace

std::optional<QColor> colorFromValue(quint32 value, const QPalette &palette)
{
    if (value & kSystemColorFlag) {
        const quint32 index = value & ~kSystemColorFlag;
        if (index >= kSystemColors.size())
            return std::nullopt;
        const SystemColor &entry = kSystemColors[index];
        return palette.color(entry.group, entry.role);
    }
    if (value > 0x00FFFFFFu)
        return std::nullopt;
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace reelkit
