#pragma once

#include "TextSource.h"

#include <QWidget>

// A hidden text box that carries a text to print, with its font (the widget's) and
// alignment. It keeps the text exactly as set, CR LF pairs included.
class TextBox : public QWidget, public TextSource
{
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    QString Text() const { return m_text; }
    void setText(const QString& text);
    // The selection, in characters from the start of the text.
    void setSelection(qsizetype start, qsizetype length);
    int Alignment() const { return m_alignment; }
    void setAlignment(int alignment) { m_alignment = alignment; }

    // "Text", "SelText", "Font" and "Alignment".
    QVariant sourceProperty(const QString& name) const override;

private:
    QString m_text;
    qsizetype m_selStart = 0;
    qsizetype m_selLength = 0;
    int m_alignment = 0;
};
