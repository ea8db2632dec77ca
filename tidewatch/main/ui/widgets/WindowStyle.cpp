// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/ui/widgets/WindowStyle.h"

#include "main/ui/widgets/StyleColours.h"
#include "main/ui/widgets/StylePainting.h"

#include <QApplication>
#include <QChildEvent>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOption>

using namespace StyleColours;

namespace {

// The window's text size as designed. Its controls are laid out in fixed twips, so
// its texts keep this size whatever the desktop's; the scale factor makes it larger.
constexpr int kDesignPoints = 9;

// Space between a message box button's border and its caption.
constexpr QSize kBoxButtonPadding(12, 3);

// The game's own dialogs: its window is no dialog.
bool inBox(const QWidget *widget)
{
    return widget && qobject_cast<const QDialog *>(widget->window());
}

// The light fields: line edits, the player list, the chat log, the games found.
bool isField(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget)
        || qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QListWidget *>(widget);
}

void setFont(QWidget *widget, int points, bool bold, bool underline = false)
{
    QFont font = widget->font();
    if (points > 0)
        font.setPointSize(points);
    font.setBold(bold);
    font.setUnderline(underline);
    widget->setFont(font);
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour,
               QPalette::ColorGroup group = QPalette::All)
{
    QPalette palette = widget->palette();
    palette.setColor(group, role, colour);
    widget->setPalette(palette);
}

// Labels named for a part of their own: titles, the status line, the about view.
void polishLabel(QLabel *label)
{
    const QString name = label->objectName();
    if (label->property("role").toString() == QLatin1String("title")) {
        setFont(label, 10, true);
        setColour(label, QPalette::WindowText, kTitle);
    } else if (name == QLatin1String("lblStatus")) {
        setFont(label, 10, true);
        setColour(label, QPalette::WindowText, kStatus);
    } else if (name == QLatin1String("lblRecordNotice")) {
        setFont(label, 8, false); // two lines fit beside the status line
        setColour(label, QPalette::WindowText, kStatus);
    } else if (name == QLatin1String("lblAbout1")) {
        setFont(label, 16, true);
        setColour(label, QPalette::WindowText, kTitle);
    } else if (name == QLatin1String("lblWebSite")) {
        setFont(label, 0, false, true);
        setColour(label, QPalette::WindowText, kTitle);
    }
}

// The drop-down arrow and the list's frame take their colours from these.
void polishComboBox(QWidget *comboBox)
{
    QPalette palette = comboBox->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, kField);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, kFieldText);
    comboBox->setPalette(palette);
}

// A table in a box, and its headers: the box's colours rather than a light sheet's.
void polishBoxTable(QWidget *table)
{
    QPalette palette = table->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::AlternateBase, QPalette::Window})
        palette.setColor(role, kBox);
    palette.setColor(QPalette::Text, kText);
    palette.setColor(QPalette::Button, kButton);
    palette.setColor(QPalette::ButtonText, kButtonText);
    palette.setColor(QPalette::WindowText, kText);
    table->setPalette(palette);
}

// Scroll bars keep the desktop's look rather than the window's sea picture.
QPalette desktopPalette(const QWidget *widget)
{
    QPalette palette = QApplication::palette(widget);
    palette.setResolveMask(~QPalette::ResolveMask(0));
    return palette;
}

// The text colours shared by the window and the boxes.
void setTextColours(QPalette &palette)
{
    palette.setColor(QPalette::ButtonText, kButtonText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, kButtonDisabledText);
    palette.setColor(QPalette::Text, kFieldText);
    palette.setColor(QPalette::Base, kField);
    QColor placeholder = kFieldText;
    placeholder.setAlpha(128);
    palette.setColor(QPalette::PlaceholderText, placeholder);
    palette.setColor(QPalette::Highlight, kSelection);
    palette.setColor(QPalette::HighlightedText, kSelectionText);
}

} // namespace

WindowStyle::WindowStyle() : QProxyStyle(QStringLiteral("Fusion"))
{
    setParent(QCoreApplication::instance()); // one for the whole run
}

WindowStyle *WindowStyle::instance()
{
    static WindowStyle *style = new WindowStyle;
    return style;
}

void WindowStyle::applyToWindow(QWidget *window)
{
    QPalette palette = window->palette();
    palette.setColor(QPalette::WindowText, kText);
    setTextColours(palette);
    window->setPalette(palette);
    QFont font = window->font(); // the desktop's face, at the design's size
    font.setPointSize(kDesignPoints);
    window->setFont(font);
    instance()->adopt(window);
}

void WindowStyle::applyToBox(QDialog *box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, kBox);
    palette.setColor(QPalette::WindowText, kButtonText);
    setTextColours(palette);
    box->setPalette(palette);
    instance()->adopt(box);
}

void WindowStyle::adopt(QWidget *widget)
{
    widget->setStyle(this);
    widget->installEventFilter(this);
    for (QObject *child : widget->children())
        if (child->isWidgetType())
            adopt(static_cast<QWidget *>(child));
}

bool WindowStyle::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        // Windows of their own keep theirs; a drop-down list belongs to its field.
        auto *widget = child->isWidgetType() ? static_cast<QWidget *>(child) : nullptr;
        if (widget && widget->style() != this && (!widget->isWindow() || widget->windowType() == Qt::Popup))
            adopt(widget);
    }
    return QProxyStyle::eventFilter(watched, event);
}

void WindowStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    if (auto *label = qobject_cast<QLabel *>(widget))
        polishLabel(label);
    else if (qobject_cast<QRadioButton *>(widget))
        setColour(widget, QPalette::WindowText, kOptionDisabledText, QPalette::Disabled);
    else if (qobject_cast<QComboBox *>(widget))
        polishComboBox(widget);
    else if (qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<QListWidget *>(widget))
        // The field's frame paints it, focus border and all.
        static_cast<QAbstractScrollArea *>(widget)->viewport()->setAutoFillBackground(false);
    else if (qobject_cast<QAbstractItemView *>(widget) && inBox(widget))
        polishBoxTable(widget);
    else if (qobject_cast<QScrollBar *>(widget))
        widget->setPalette(desktopPalette(widget));
}

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                QPainter *painter, const QWidget *widget) const
{
    switch (element) {
    case PE_PanelButtonCommand:
        return paintButton(option, painter, inBox(widget));
    case PE_FrameDefaultButton:
        return; // the focus border alone shows which button Enter presses
    case PE_IndicatorRadioButton:
        return paintIndicator(option, painter);
    case PE_PanelLineEdit:
        // A combo box's own line edit lies inside the combo box's field.
        if (qstyleoption_cast<const QStyleOptionFrame *>(option)->lineWidth > 0)
            paintField(option, painter);
        return;
    case PE_Frame:
        if (isField(widget))
            return paintField(option, painter);
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void WindowStyle::drawControl(ControlElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    const bool focusedOption = option->state & State_HasFocus
        && (element == CE_RadioButton || element == CE_RadioButtonLabel);
    if (focusedOption && element == CE_RadioButton)
        paintRoundedBox(*painter, option->rect, kOptionRadius, kOptionFocus, kOptionFocus, 0);
    if (focusedOption && element == CE_RadioButtonLabel) {
        auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        QStyleOptionButton focused(*button);
        focused.palette.setColor(QPalette::WindowText, kOptionFocusText);
        return QProxyStyle::drawControl(element, &focused, painter, widget);
    }
    if (element == CE_PushButtonLabel && widget) {
        // A caption wider than the padding allows may use the padding, never the border.
        const int border = option->state & State_HasFocus ? kFocusBorder : 1;
        painter->save();
        painter->setClipRect(widget->rect().adjusted(border, border, -border, -border));
        QProxyStyle::drawControl(element, option, painter, widget);
        return painter->restore();
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void WindowStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                     QPainter *painter, const QWidget *widget) const
{
    if (control != CC_ComboBox)
        return QProxyStyle::drawComplexControl(control, option, painter, widget);
    paintField(option, painter);
    QStyleOption arrow(*option);
    arrow.rect = subControlRect(control, option, SC_ComboBoxArrow, widget);
    paintDropDown(arrow.rect, painter);
    drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
}

QRect WindowStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                  SubControl part, const QWidget *widget) const
{
    if (control != CC_ComboBox || part == SC_ComboBoxListBoxPopup)
        return QProxyStyle::subControlRect(control, option, part, widget);
    const int border = fieldBorder(option);
    const QRect inside = option->rect.adjusted(border, border, -border, -border);
    const QRect dropDown(inside.right() - kDropDownWidth + 1, inside.top(), kDropDownWidth, inside.height());
    switch (part) {
    case SC_ComboBoxArrow:
        return dropDown;
    case SC_ComboBoxEditField:
        return inside.adjusted(0, 0, -kDropDownWidth, 0);
    default:
        return option->rect;
    }
}

int WindowStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                             const QWidget *widget) const
{
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return kIndicatorSize;
    case PM_DefaultFrameWidth:
        if (isField(widget))
            return option ? fieldBorder(option) : 1;
        break;
    case PM_ButtonShiftHorizontal:
    case PM_ButtonShiftVertical:
        return 0;
    default:
        break;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int WindowStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                           QStyleHintReturn *returnData) const
{
    if (hint == SH_LineEdit_PasswordCharacter)
        return QLatin1Char('*').unicode();
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0; // the desktop's icons are drawn for its own dialogs, not for dark ones
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QSize WindowStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                    const QSize &size, const QWidget *widget) const
{
    // A box's buttons: 60 px of caption at least, then padding and border.
    if (type == CT_PushButton && inBox(widget))
        return QSize(std::max(size.width(), 60), size.height()) + 2 * (kBoxButtonPadding + QSize(1, 1));
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}
