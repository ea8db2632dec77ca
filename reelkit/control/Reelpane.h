// SPDX-License-Identifier: LGPL-2.1-or-later
#pragma once

#include "reelkit_export.h"

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class ReelpanePrivate;

// Where a host keeps the control's persisted properties. Reading falls back to the
// default for a missing key; writing leaves out a value equal to its default.
class REELKIT_EXPORT PropertyBag
{
public:
    virtual ~PropertyBag();
    virtual QVariant ReadProperty(const QString &name, const QVariant &defaultValue) const = 0;
    virtual void WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue) = 0;
};

// A property bag in memory that keeps its keys in the order they were written.
class REELKIT_EXPORT MemoryPropertyBag : public PropertyBag
{
public:
    QVariant ReadProperty(const QString &name, const QVariant &defaultValue) const override;
    void WriteProperty(const QString &name, const QVariant &value, const QVariant &defaultValue) override;

    QStringList keys() const;
    bool contains(const QString &name) const;
    void insert(const QString &name, const QVariant &value);

private:
    std::vector<std::pair<QString, QVariant>> m_entries;
};

// Plays an animated GIF file frame by frame on a timer inside its rectangle.
// Every failure is shown in the library's own error report dialog; nothing is
// returned to the host, except from the property setters, which throw
// std::invalid_argument for a value the control refuses.
class REELKIT_EXPORT Reelpane : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("ProgID", "Reelkit.Reelpane")
    Q_CLASSINFO("ClassID", "{1F4B23E6-9101-4401-A8BB-2D9AC641FD99}")
    Q_CLASSINFO("InterfaceID", "{55479BF5-60F8-409A-B22E-9A5989F67D59}")
    Q_CLASSINFO("EventsID", "{9D201E57-74C6-43D6-A448-D466D609F6DC}")
    Q_CLASSINFO("TypeLibID", "{D8F97DCA-0919-42C1-86D7-5DBD6584C9D0}")
    Q_CLASSINFO("Version", "0.0.3")
    // What host tools show for each property (read by the Designer plugin).
    Q_CLASSINFO("Description.BackColor",
                "Returns/sets the background color used to display text and graphics in an object.")
    Q_CLASSINFO("Description.BackStyle",
                "Indicates whether a Label or the background of a Shape is transparent or opaque.")
    Q_CLASSINFO("Description.BorderStyle", "Returns/sets the border style for an object.")
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(enumBackStyle BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(enumBorderStyle BorderStyle READ BorderStyle WRITE setBorderStyle)

public:
    enum enumBackStyle { Transparent = 0, Opaque = 1 };
    Q_ENUM(enumBackStyle)
    enum enumBorderStyle { None = 0, FixedSingle = 1 };
    Q_ENUM(enumBorderStyle)

    static constexpr qint32 DispIdAbout = -552;
    static constexpr qint32 DispIdGifLoad = 0x60030003;
    static constexpr qint32 DispIdGifPause = 0x60030004;
    static constexpr qint32 DispIdGifContinue = 0x60030005;
    static constexpr qint32 DispIdBackColor = 0x68030002;
    static constexpr qint32 DispIdBackStyle = 0x68030001;
    static constexpr qint32 DispIdBorderStyle = 0x68030000;

    // The system's button face colour, by index with the top bit set.
    static constexpr quint32 DefaultBackColor = 0x8000000F;

    explicit Reelpane(QWidget *parent = nullptr);
    ~Reelpane() override;

    // Loads the file and starts the animation at once.
    void GifLoad(QString &sFilename);
    void GifPause();
    void GifContinue();
    // Shows the library's about dialog modally.
    void About();

    quint32 BackColor() const;
    void setBackColor(quint32 color);
    enumBackStyle BackStyle() const;
    void setBackStyle(enumBackStyle style);
    enumBorderStyle BorderStyle() const;
    void setBorderStyle(enumBorderStyle style);

    void ReadProperties(const PropertyBag &bag);
    void WriteProperties(PropertyBag &bag) const;

    // One entry point for every member by its dispatch id: methods take their
    // arguments in args; a property is read with no argument and set with one.
    // Throws std::invalid_argument for an unknown id or a wrong argument count.
    QVariant Invoke(qint32 dispId, const QVariantList &args = {});

    // Puts a handler in place of the modal error report dialog (tests, tools);
    // an empty function restores the dialog.
    static void setReportHandler(std::function<void(const QString &label, const QString &text)> handler);

    // Highest frame index of the last load that ran to its end in any Reelpane.
    static qint32 LastFrame();

    QSize sizeHint() const override;

signals:
    void PropertyChanged(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    friend class ReelpanePrivate;
    std::unique_ptr<ReelpanePrivate> d;
};
