// SPDX-License-Identifier: GPL-3.0-or-later
#include "RadarAnimation.h"

#include "Background.h"
#include "Theme.h"

#include <QConicalGradient>
#include <QHash>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <limits>
#include <cmath>
#include <numbers>

namespace {

const QPointF kCentre(kRadarSize / 2.0, kRadarSize / 2.0);
constexpr double kScopeRadius = 31.0;

struct Contact
{
    double bearing; // degrees, counter-clockwise from east as Qt measures angles
    double range;   // fraction of the scope radius
};

constexpr std::array<Contact, 6> kContacts{{{62, 0.55}, {148, 0.78}, {205, 0.35},
                                            {290, 0.68}, {331, 0.86}, {20, 0.25}}};

double sweepAngle(int frame) { return 90.0 - 360.0 * frame / kRadarFrames; }

QColor phosphor(int alpha)
{
    QColor colour = theme::phosphor;
    colour.setAlpha(alpha);
    return colour;
}

void paintBezel(QPainter &painter)
{
    QLinearGradient rim(0, 0, kRadarSize, kRadarSize);
    rim.setColorAt(0, theme::steelLight);
    rim.setColorAt(0.5, theme::steelDark);
    rim.setColorAt(1, theme::outline);
    painter.setPen(QPen(theme::outline, 1));
    painter.setBrush(rim);
    painter.drawEllipse(kCentre, 35.5, 35.5);

    QRadialGradient screen(kCentre, kScopeRadius);
    screen.setColorAt(0, QColor(0x06, 0x24, 0x12));
    screen.setColorAt(1, QColor(0x02, 0x0e, 0x07));
    painter.setBrush(screen);
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    painter.drawEllipse(kCentre, kScopeRadius + 0.5, kScopeRadius + 0.5);
}

void paintGraticule(QPainter &painter)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(phosphor(70), 0.8));
    for (const double fraction : {1.0 / 3, 2.0 / 3})
        painter.drawEllipse(kCentre, kScopeRadius * fraction, kScopeRadius * fraction);
    painter.setPen(QPen(phosphor(120), 0.9));
    painter.drawEllipse(kCentre, kScopeRadius - 0.5, kScopeRadius - 0.5);
    painter.setPen(QPen(phosphor(45), 0.8));
    painter.drawLine(kCentre - QPointF(kScopeRadius, 0), kCentre + QPointF(kScopeRadius, 0));
    painter.drawLine(kCentre - QPointF(0, kScopeRadius), kCentre + QPointF(0, kScopeRadius));
    for (int degrees = 0; degrees < 360; degrees += 30) {
        const double angle = degrees * std::numbers::pi / 180;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.setPen(QPen(phosphor(140), 0.9));
        painter.drawLine(kCentre + direction * (kScopeRadius - 3.5), kCentre + direction * (kScopeRadius - 0.5));
    }
}

void paintSweep(QPainter &painter, double angle)
{
    QConicalGradient trail(kCentre, angle);
    trail.setColorAt(0, phosphor(170));
    trail.setColorAt(0.08, phosphor(80));
    trail.setColorAt(0.3, phosphor(0));
    trail.setColorAt(1, phosphor(0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(trail);
    painter.drawEllipse(kCentre, kScopeRadius - 1, kScopeRadius - 1);

    const double radians = angle * std::numbers::pi / 180;
    const QPointF tip = kCentre + QPointF(std::cos(radians), -std::sin(radians)) * (kScopeRadius - 1);
    painter.setPen(QPen(QColor(200, 255, 215), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(kCentre, tip);
}

void paintContacts(QPainter &painter, double angle)
{
    painter.setPen(Qt::NoPen);
    for (const Contact &contact : kContacts) {
        // Degrees since the clockwise beam last crossed this bearing.
        const double since = std::fmod(contact.bearing - angle + 720.0, 360.0);
        const double glow = std::exp(-since / 110.0);
        const double radians = contact.bearing * std::numbers::pi / 180;
        const QPointF spot = kCentre + QPointF(std::cos(radians), -std::sin(radians))
                                           * (kScopeRadius * contact.range);
        QRadialGradient blip(spot, 2.8);
        blip.setColorAt(0, QColor(225, 255, 235, int(255 * glow)));
        blip.setColorAt(0.45, phosphor(int(220 * glow)));
        blip.setColorAt(1, phosphor(0));
        painter.setBrush(blip);
        painter.drawEllipse(spot, 2.8, 2.8);
    }
}

QList<QRgb> radarPalette()
{
    QList<QRgb> palette;
    // 160 steps of phosphor, from the dark screen through green to the white-hot beam.
    const std::array<QColor, 5> greens{QColor(0x01, 0x0a, 0x05), QColor(0x0a, 0x3a, 0x1c),
                                       QColor(0x22, 0xa0, 0x4c), QColor(0x6a, 0xff, 0x98),
                                       QColor(0xe4, 0xff, 0xea)};
    for (int i = 0; i < 160; ++i) {
        const double position = i / 159.0 * (greens.size() - 1);
        const int low = std::min(int(position), int(greens.size()) - 2);
        const double mix = position - low;
        const QColor &a = greens[size_t(low)];
        const QColor &b = greens[size_t(low + 1)];
        palette << qRgb(int(std::lround(a.red() + (b.red() - a.red()) * mix)),
                        int(std::lround(a.green() + (b.green() - a.green()) * mix)),
                        int(std::lround(a.blue() + (b.blue() - a.blue()) * mix)));
    }
    // 64 steps of steel for the bezel, from near black to pale.
    for (int i = 0; i < 64; ++i) {
        const double t = i / 63.0;
        palette << qRgb(int(8 + 210 * t), int(12 + 214 * t), int(18 + 218 * t));
    }
    // 31 steps of night sea around the bezel, to blend with the window's backdrop.
    for (int i = 0; i < 31; ++i) {
        const double t = i / 30.0;
        palette << qRgb(int(2 + 26 * t), int(8 + 56 * t), int(16 + 90 * t));
    }
    palette << qRgb(0, 0, 0); // last entry black: the byte before the first extension is 00
    return palette;
}

class PaletteMapper
{
public:
    explicit PaletteMapper(const QList<QRgb> &palette) : m_palette(palette) {}

    char indexOf(QRgb colour)
    {
        colour |= 0xFF000000u;
        if (const auto cached = m_cache.constFind(colour); cached != m_cache.constEnd())
            return cached.value();
        int best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (int i = 0; i < m_palette.size(); ++i) {
            const int dr = qRed(colour) - qRed(m_palette[i]);
            const int dg = qGreen(colour) - qGreen(m_palette[i]);
            const int db = qBlue(colour) - qBlue(m_palette[i]);
            const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        m_cache.insert(colour, char(best));
        return char(best);
    }

private:
    QList<QRgb> m_palette;
    QHash<QRgb, char> m_cache;
};

} // namespace

QImage radarFrame(int frame)
{
    // The window shows the radar at (8, 8): its corners repeat the backdrop there,
    // so the scope sits on the window instead of on a dark square.
    QImage picture = backgroundPicture(1).copy(8, 8, kRadarSize, kRadarSize);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    paintBezel(painter);
    const double angle = sweepAngle(frame);
    paintSweep(painter, angle);
    paintGraticule(painter);
    paintContacts(painter, angle);
    return picture;
}

GifAnimation radarAnimation()
{
    GifAnimation animation;
    animation.width = kRadarSize;
    animation.height = kRadarSize;
    animation.palette = radarPalette();
    animation.delayHundredths = 8;
    PaletteMapper mapper(animation.palette);
    for (int frame = 0; frame < kRadarFrames; ++frame) {
        const QImage picture = radarFrame(frame);
        QByteArray indices;
        indices.reserve(kRadarSize * kRadarSize);
        for (int y = 0; y < kRadarSize; ++y)
            for (int x = 0; x < kRadarSize; ++x)
                indices.append(mapper.indexOf(picture.pixel(x, y)));
        animation.frames << indices;
    }
    return animation;
}
