#pragma once

#include <QVariant>

// Anything whose text can be printed: it answers "Text", "SelText", "Font" (a QVariantMap
// with "name", "Bold", "Charset", "Italic", "Size", "Strikethrough", "Underline" and
// "Weight") and "Alignment" (0 left, 1 right, 2 centred). A property it lacks is an
// invalid QVariant.
class TextSource
{
public:
    virtual ~TextSource() = default;
    virtual QVariant sourceProperty(const QString& name) const = 0;
};
