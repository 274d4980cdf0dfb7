#include "CaptionFit.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace {

constexpr qreal kStepPoints = 0.25;
constexpr qreal kSmallestPoints = 4;

// Measured in fractions of a pixel: whole-pixel metrics round every width and line height
// up, and a caption that fits to a fraction would shrink for it.
QSizeF textSize(const QFont& font, const QString& text)
{
    return QFontMetricsF(font).size(Qt::TextShowMnemonic, text);
}

// Drawn on whole pixels, a text that overruns its room by less than half a pixel loses no
// row or column of it.
bool within(const QSizeF& need, const QRect& room)
{
    return qRound(need.width()) <= room.width() && qRound(need.height()) <= room.height();
}

// A caption fits when it stays inside the room its control draws it in (for a push button,
// inside its frame); it is cut only past that.
bool buttonFits(const QAbstractButton* button, const QFont& font)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.fontMetrics = QFontMetrics(font);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle* style = button->style();
    const QSizeF need = textSize(font, button->text());
    if (qobject_cast<const QCheckBox*>(button))
        return within(need, style->subElementRect(QStyle::SE_CheckBoxContents, &option, button));
    if (qobject_cast<const QRadioButton*>(button))
        return within(need, style->subElementRect(QStyle::SE_RadioButtonContents, &option, button));
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        QRect room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        if (!button->icon().isNull())
            room.setLeft(room.left() + button->iconSize().width() + 4);
        return within(need, room);
    }
    return true;
}

bool labelFits(const QLabel* label, const QFont& font)
{
    const QRect room =
        label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const int flags = int(label->alignment()) | Qt::TextShowMnemonic | (label->wordWrap() ? Qt::TextWordWrap : 0);
    // Laid out in an unbounded height, so that a word wider than the room shows as width.
    const QRectF used = QFontMetricsF(font).boundingRect(QRectF(0, 0, room.width(), 1 << 20), flags, label->text());
    return within(used.size(), room);
}

bool frameFits(const QGroupBox* group, const QFont& font)
{
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.direction = Qt::LeftToRight; // the room is the same on either side; measured from the left
    option.fontMetrics = QFontMetrics(font);
    option.text = group->title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (group->isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    // Across the frame, and above whatever it holds.
    int bottom = group->height();
    for (const QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow())
            bottom = std::min(bottom, child->y());
    const QRect room(label.left(), 0, group->width() - 2 * label.left(), bottom);
    return within(textSize(font, group->title()), room);
}

bool fits(const QWidget* control, const QFont& font)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return buttonFits(button, font);
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return labelFits(label, font);
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return frameFits(group, font);
    return true;
}

bool hasCaption(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return !label->text().isEmpty() && label->textFormat() != Qt::RichText &&
               !(label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    return qobject_cast<const QPushButton*>(control) || qobject_cast<const QCheckBox*>(control) ||
           qobject_cast<const QRadioButton*>(control) || qobject_cast<const QGroupBox*>(control);
}

// Keeps one control's caption fitted; remembers the font it was given, which it shrinks from.
class CaptionFitter : public QObject
{
public:
    explicit CaptionFitter(QWidget* control) : QObject(control), m_control(control), m_font(control->font())
    {
        control->installEventFilter(this);
    }

    void fit()
    {
        QFont font = m_font;
        const bool points = font.pointSizeF() > 0;
        qreal size = points ? font.pointSizeF() : font.pixelSize();
        const qreal step = points ? kStepPoints : 1;
        const qreal smallest = points ? kSmallestPoints : 5;
        while (!fits(m_control, font) && size - step >= smallest) {
            size -= step;
            if (points)
                font.setPointSizeF(size);
            else
                font.setPixelSize(int(size));
        }
        // Untouched while it fits as given, so that it keeps following its window's font.
        if (m_control->font() == font)
            return;
        m_fitting = true;
        m_control->setFont(font);
        m_fitting = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::FontChange:
            // A font from elsewhere (a style sheet, the owner) is the new one to fit.
            if (m_fitting)
                break;
            m_font = m_control->font();
            fit();
            break;
        case QEvent::Resize:
        case QEvent::StyleChange:
        case QEvent::Polish:
            fit();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_control;
    QFont m_font;
    bool m_fitting = false;
};

} // namespace

void fitCaption(QWidget* control)
{
    if (!hasCaption(control))
        return;
    CaptionFitter* fitter = nullptr;
    for (QObject* child : control->children())
        if ((fitter = dynamic_cast<CaptionFitter*>(child)))
            break;
    if (!fitter)
        fitter = new CaptionFitter(control);
    fitter->fit();
}

void fitCaptions(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>())
        if (!control->isWindow())
            fitCaption(control);
}
