#pragma once

#include <QStringList>
#include <QTextLayout>
#include <QWidget>

class QScreen;

// The draw over the whole screen, for a room to read: the list's first name as large as it
// fits, wrapped (between words where it can) or smaller when long but never cut, and the
// next few names smaller beneath it. Names are plain text, in their own direction. Esc,
// Enter, F11 or a click close it; it deletes itself when closed.
class DrawView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kNextShown = 5;

    // names: the list, the drawn name first.
    explicit DrawView(const QStringList& names);

    // Opens over the whole of screen: full screen, or maximised where the desktop keeps a
    // full-screen window smaller than the screen.
    void showOn(QScreen* screen);

    QString name() const { return m_name; }
    // How the name is drawn at the present size: its font, and the area its lines take.
    QFont nameFont() const { return m_nameFont; }
    QRectF nameBounds() const;
    // The characters the drawn lines hold, all of the name's when nothing is cut.
    int shownLength() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Lays the name out in the largest font whose lines fit the name's area.
    void layOut();
    // The largest pixel size at which the name's lines, wrapped so, fit its area.
    int largestFitting(QTextOption::WrapMode wrap);
    // Lays the name out at pixelSize; its height, or -1 when a line is wider than the area.
    qreal layOutAt(int pixelSize);

    QString m_name;
    QStringList m_next;
    QTextLayout m_layout;
    QFont m_nameFont;
    QFont m_nextFont;
    QRectF m_nameArea;
    QRectF m_nextArea;
    qreal m_nameHeight = 0;
};
