// SPDX-License-Identifier: LGPL-2.1-or-later
#include "Reelpane.h"

#include "control/ReelpanePrivate.h"
#include "control/SystemColors.h"
#include "dialogs/ReelkitError.h"
#include "dialogs/ReportError.h"
#include "dialogs/frmAbout.h"
#include "Twips.h"
#include "gif/modAniGif.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>

#include <stdexcept>

namespace {

const QString kBackColorKey = QStringLiteral("BackColor");
const QString kBackStyleKey = QStringLiteral("BackStyle");
const QString kBorderStyleKey = QStringLiteral("BorderStyle");

[[noreturn]] void refuse(const char *what)
{
    throw std::invalid_argument(std::string("Invalid property value: ") + what);
}

Reelpane::enumBackStyle checkedBackStyle(qint64 value)
{
    if (value != Reelpane::Transparent && value != Reelpane::Opaque)
        refuse("BackStyle");
    return Reelpane::enumBackStyle(value);
}

Reelpane::enumBorderStyle checkedBorderStyle(qint64 value)
{
    if (value != Reelpane::None && value != Reelpane::FixedSingle)
        refuse("BorderStyle");
    return Reelpane::enumBorderStyle(value);
}

quint32 checkedBackColor(qint64 value, const QPalette &palette)
{
    const auto color = quint32(value);
    if (!reelkit::colorFromValue(color, palette))
        refuse("BackColor");
    return color;
}

qint64 integerOf(const QVariant &value, const char *what)
{
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (!ok)
        throw std::invalid_argument(std::string("Type mismatch: ") + what);
    return number;
}

void expectArguments(const QVariantList &args, qsizetype count)
{
    if (args.size() != count)
        throw std::invalid_argument("Wrong number of arguments");
}

} // namespace

ReelpanePrivate::ReelpanePrivate(Reelpane *control) : q(control), stepper(imgMain) {}

void ReelpanePrivate::UserControl_Initialize()
{
    reelkit::reportFailures(QStringLiteral("Reelpane.UserControl_Initialize()"), [this] {
        stepper.pause();
        applyBackStyle();
    });
}

void ReelpanePrivate::tmrMain_Timer()
{
    reelkit::reportFailures(QStringLiteral("Reelpane.tmrMain_Timer()"), [this] { stepper.tick(); });
}

void ReelpanePrivate::applyBackStyle()
{
    stepper.setOpaqueMode(backStyle == Reelpane::Opaque);
    q->setAttribute(Qt::WA_OpaquePaintEvent, backStyle == Reelpane::Opaque);
}

Reelpane::Reelpane(QWidget *parent) : QWidget(parent), d(std::make_unique<ReelpanePrivate>(this))
{
    connect(&d->stepper, &reelkit::FrameStepper::timerFired, this, [this] { d->tmrMain_Timer(); });
    connect(&d->stepper, &reelkit::FrameStepper::paintFrame, this, [this](qint32 index) {
        d->surfacePicture = index < d->imgMain.count() ? d->imgMain.at(index).Picture : QImage();
        update();
    });
    connect(&d->stepper, &reelkit::FrameStepper::elementsChanged, this, qOverload<>(&QWidget::update));
    d->UserControl_Initialize();
}

Reelpane::~Reelpane() = default;

void Reelpane::GifLoad(QString &sFilename)
{
    reelkit::reportFailures(QStringLiteral("Reelpane.GifLoad()"), [&] {
        if (d->loading)
            throw reelkit::ReelkitError(tr("This control is still loading a file"));
        d->stepper.pause();
        const QPointer<Reelpane> alive(this);
        reelkit::LoadGifHooks hooks;
        hooks.pumpEvents = [&alive] {
            QCoreApplication::processEvents();
            return !alive.isNull();
        };
        d->loading = true;
        bool loaded = false;
        try {
            loaded = reelkit::LoadGif(sFilename, d->imgMain, hooks);
        } catch (...) {
            if (alive)
                d->loading = false;
            throw;
        }
        if (!alive)
            return;
        d->loading = false;
        if (loaded)
            d->stepper.start();
        update();
    });
}

void Reelpane::GifPause()
{
    reelkit::reportFailures(QStringLiteral("Reelpane.Pause()"), [this] { d->stepper.pause(); });
}

void Reelpane::GifContinue()
{
    reelkit::reportFailures(QStringLiteral("Reelpane.Continue()"), [this] { d->stepper.resume(); });
}

void Reelpane::About()
{
    reelkit::reportFailures(QStringLiteral("Reelpane.About()"), [] {
        static QPointer<reelkit::frmAbout> shown;
        if (shown) {
            shown->raise();
            return;
        }
        reelkit::frmAbout dialog;
        shown = &dialog;
        dialog.exec();
    });
}

quint32 Reelpane::BackColor() const
{
    return d->backColor;
}

void Reelpane::setBackColor(quint32 color)
{
    d->backColor = checkedBackColor(color, palette());
    update();
    emit PropertyChanged(kBackColorKey);
}

Reelpane::enumBackStyle Reelpane::BackStyle() const
{
    return d->backStyle;
}

void Reelpane::setBackStyle(enumBackStyle style)
{
    d->backStyle = checkedBackStyle(style);
    d->applyBackStyle();
    update();
    emit PropertyChanged(kBackStyleKey);
}

Reelpane::enumBorderStyle Reelpane::BorderStyle() const
{
    return d->borderStyle;
}

void Reelpane::setBorderStyle(enumBorderStyle style)
{
    d->borderStyle = checkedBorderStyle(style);
    update();
    emit PropertyChanged(kBorderStyleKey);
}

void Reelpane::ReadProperties(const PropertyBag &bag)
{
    const quint32 color = checkedBackColor(
        integerOf(bag.ReadProperty(kBackColorKey, QVariant::fromValue(qint32(DefaultBackColor))), "BackColor"),
        palette());
    const enumBackStyle backStyle = checkedBackStyle(
        integerOf(bag.ReadProperty(kBackStyleKey, QVariant::fromValue(qint16(Opaque))), "BackStyle"));
    const enumBorderStyle borderStyle = checkedBorderStyle(
        integerOf(bag.ReadProperty(kBorderStyleKey, QVariant::fromValue(qint16(None))), "BorderStyle"));
    d->backColor = color;
    d->backStyle = backStyle;
    d->borderStyle = borderStyle;
    d->applyBackStyle();
    update();
}

void Reelpane::WriteProperties(PropertyBag &bag) const
{
    bag.WriteProperty(kBackColorKey, QVariant::fromValue(qint32(d->backColor)),
                      QVariant::fromValue(qint32(DefaultBackColor)));
    bag.WriteProperty(kBackStyleKey, QVariant::fromValue(qint16(d->backStyle)), QVariant::fromValue(qint16(Opaque)));
    bag.WriteProperty(kBorderStyleKey, QVariant::fromValue(qint16(d->borderStyle)),
                      QVariant::fromValue(qint16(None)));
}

QVariant Reelpane::Invoke(qint32 dispId, const QVariantList &args)
{
    switch (dispId) {
    case DispIdAbout:
        expectArguments(args, 0);
        About();
        return {};
    case DispIdGifLoad: {
        expectArguments(args, 1);
        QString fileName = args.front().toString();
        GifLoad(fileName);
        return {};
    }
    case DispIdGifPause:
        expectArguments(args, 0);
        GifPause();
        return {};
    case DispIdGifContinue:
        expectArguments(args, 0);
        GifContinue();
        return {};
    case DispIdBackColor:
        if (args.isEmpty())
            return QVariant::fromValue(BackColor());
        expectArguments(args, 1);
        setBackColor(quint32(integerOf(args.front(), "BackColor")));
        return {};
    case DispIdBackStyle:
        if (args.isEmpty())
            return QVariant::fromValue(int(BackStyle()));
        expectArguments(args, 1);
        setBackStyle(checkedBackStyle(integerOf(args.front(), "BackStyle")));
        return {};
    case DispIdBorderStyle:
        if (args.isEmpty())
            return QVariant::fromValue(int(BorderStyle()));
        expectArguments(args, 1);
        setBorderStyle(checkedBorderStyle(integerOf(args.front(), "BorderStyle")));
        return {};
    default:
        throw std::invalid_argument("Member not found");
    }
}

void Reelpane::setReportHandler(std::function<void(const QString &, const QString &)> handler)
{
    reelkit::setReportHandler(std::move(handler));
}

qint32 Reelpane::LastFrame()
{
    return reelkit::gLastFrame;
}

QSize Reelpane::sizeHint() const
{
    return {32, 32};
}

void Reelpane::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool bordered = d->borderStyle == FixedSingle;
    if (d->backStyle == Opaque) {
        painter.fillRect(rect(), reelkit::colorFromValue(d->backColor, palette()).value_or(Qt::black));
    }
    QRect inside = rect();
    if (bordered) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        inside = rect().adjusted(1, 1, -1, -1);
        painter.setClipRect(inside);
        painter.translate(1, 1);
    }
    // Only what falls inside the control is converted and drawn.
    const QRect shown(QPoint(0, 0), inside.size());
    auto paintPicture = [&](const QPoint &at, const QImage &picture) {
        const QRect visible = shown.translated(-at).intersected(picture.rect());
        if (!visible.isEmpty())
            painter.drawPixmap(at + visible.topLeft(), d->paintCache.pixmapOf(picture, visible));
    };
    if (d->backStyle == Opaque && !d->surfacePicture.isNull())
        paintPicture(QPoint(0, 0), d->surfacePicture);
    for (qsizetype i = 0; i < d->imgMain.count(); ++i) {
        const reelkit::FrameElement &element = d->imgMain.at(i);
        if (element.Visible && !element.Picture.isNull())
            paintPicture(QPoint(reelkit::twipsToPixels(element.Left), reelkit::twipsToPixels(element.Top)),
                         element.Picture);
    }
}
