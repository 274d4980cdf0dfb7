#include "TextBox.h"

#include <QVariantMap>

TextBox::TextBox(QWidget* parent) : QWidget(parent)
{
    setVisible(false);
}

void TextBox::setText(const QString& text)
{
    m_text = text;
    m_selStart = 0;
    m_selLength = 0;
}

void TextBox::setSelection(qsizetype start, qsizetype length)
{
    m_selStart = qBound(qsizetype(0), start, m_text.size());
    m_selLength = qBound(qsizetype(0), length, m_text.size() - m_selStart);
}

QVariant TextBox::sourceProperty(const QString& name) const
{
    if (name == QLatin1String("Text"))
        return m_text;
    if (name == QLatin1String("SelText"))
        return m_text.mid(m_selStart, m_selLength);
    if (name == QLatin1String("Alignment"))
        return m_alignment;
    if (name == QLatin1String("Font")) {
        const QFont f = font();
        return QVariantMap{
            {QStringLiteral("name"), f.family()},
            {QStringLiteral("Bold"), f.bold()},
            {QStringLiteral("Charset"), 0}, // ANSI
            {QStringLiteral("Italic"), f.italic()},
            {QStringLiteral("Size"), f.pointSizeF()},
            {QStringLiteral("Strikethrough"), f.strikeOut()},
            {QStringLiteral("Underline"), f.underline()},
            {QStringLiteral("Weight"), int(f.weight())},
        };
    }
    return {};
}
