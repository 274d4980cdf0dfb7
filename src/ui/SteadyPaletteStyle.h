#pragma once

#include <QList>
#include <QPalette>
#include <QProxyStyle>

// The application's style, drawing with one palette object for each set of colours.
//
// Styles cache the pixmaps they draw under names that include the palette's cache key, and
// a palette given to a widget gets a new key every time, even when its colours were seen
// before. The shuffle's flash gives the main window a new background colour 100 times a
// second, so every button and scroll bar would be drawn under new names on every tick, and
// Qt's pixmap cache keeps every name it was given: the program grew for as long as the
// shuffle ran. Drawing each widget with the first palette that had the same colours makes
// the names repeat; what is drawn is the same.
class SteadyPaletteStyle : public QProxyStyle
{
public:
    // Draws with the style the application would use otherwise.
    SteadyPaletteStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // The palette with palette's colours that the style draws with.
    QPalette steadyPalette(const QPalette& palette) const;

private:
    class Swap;
    // The sets of colours seen lately, oldest first; a few, as the flash has five.
    mutable QList<QPalette> m_palettes;
};
