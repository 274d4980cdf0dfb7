#include "DrawView.h"

#include "MainWindowTexts.h"
#include "ui/TextLocale.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTextLine>
#include <QTimer>

#include <algorithm>

namespace {

// Text laid out in its own direction, centred.
QTextOption centred(const QString& text, QTextOption::WrapMode wrap)
{
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(wrap);
    option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    return option;
}

} // namespace

DrawView::DrawView(const QStringList& names)
    : m_name(names.value(0)), m_next(names.mid(1, kNextShown)), m_nameFont(font()), m_nextFont(font())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(MainWindowTexts::Caption);
    setObjectName(QStringLiteral("drawView"));
    setFocusPolicy(Qt::StrongFocus);
    m_nameFont.setBold(true);
    m_layout.setText(m_name);
    // Screen readers read the drawn name, then the names after it.
    setAccessibleName(m_name);
    if (!m_next.isEmpty())
        //: What a screen reader says after the drawn name; %1 lists the next names in the list.
        setAccessibleDescription(tr("Next: %1").arg(textLocale().createSeparatedList(m_next)));
}

void DrawView::showOn(QScreen* screen)
{
    // The screen is a request a Wayland desktop honours for full screen; elsewhere the
    // geometry puts the window there before it goes full screen.
    if (screen) {
        setScreen(screen);
        setGeometry(screen->geometry());
    }
    showFullScreen();
    raise();
    activateWindow();
    // A desktop that keeps full-screen windows smaller than the screen gets a maximised one.
    QTimer::singleShot(500, this, [this] {
        const QScreen* on = this->screen();
        if (on && isFullScreen() && (width() < on->size().width() || height() < on->size().height()))
            showMaximized();
    });
}

qreal DrawView::layOutAt(int pixelSize)
{
    m_nameFont.setPixelSize(pixelSize);
    m_layout.setFont(m_nameFont);
    m_layout.beginLayout();
    qreal height = 0;
    bool fits = true;
    for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
        line.setLineWidth(m_nameArea.width());
        line.setPosition({0, height});
        height += line.height();
        // A line wider than the area (one glyph, at a giant size) or lines past its foot: too
        // large, and no need to lay out the rest of a long name.
        if (line.naturalTextWidth() > m_nameArea.width() + 0.5 || height > m_nameArea.height()) {
            fits = false;
            break;
        }
    }
    m_layout.endLayout();
    return fits ? height : -1;
}

int DrawView::largestFitting(QTextOption::WrapMode wrap)
{
    // Found by halving the range: a few layouts, each cut short once the lines pass the
    // foot or a line is too wide, so a name of 10,000 characters stays quick.
    m_layout.setTextOption(centred(m_name, wrap));
    int low = 1;
    int high = std::max(1, int(m_nameArea.height()));
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (layOutAt(middle) >= 0)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

void DrawView::layOut()
{
    const QRectF whole = rect();
    const qreal margin = std::min(whole.width(), whole.height()) * 0.04;
    const QRectF inside = whole.adjusted(margin, margin, -margin, -margin);
    const qreal nameShare = m_next.isEmpty() ? 1.0 : 0.68;
    m_nameArea = QRectF(inside.topLeft(), QSizeF(inside.width(), inside.height() * nameShare));
    m_nextArea = QRectF(inside.left(), m_nameArea.bottom(), inside.width(), inside.height() - m_nameArea.height());

    // Words are kept whole unless breaking them lets the name be more than twice as large
    // (a long word alone, or a name of one long run).
    const int wordsWhole = largestFitting(QTextOption::WordWrap);
    const int broken = largestFitting(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const int low = wordsWhole * 2 >= broken ? wordsWhole : broken;
    m_layout.setTextOption(
        centred(m_name, wordsWhole == low ? QTextOption::WordWrap : QTextOption::WrapAtWordBoundaryOrAnywhere));
    m_nameHeight = std::max<qreal>(0, layOutAt(low));

    // The next names at half the name's size at most, their lines within their area.
    int nextSize = int(std::min(m_nextArea.height() / kNextShown, std::max(low / 2.0, 12.0)));
    for (m_nextFont.setPixelSize(std::max(nextSize, 1));
         nextSize > 1 && QFontMetricsF(m_nextFont).height() * (kNextShown * 1.3) > m_nextArea.height();)
        m_nextFont.setPixelSize(--nextSize);
}

QRectF DrawView::nameBounds() const
{
    QRectF bounds;
    for (int i = 0; i < m_layout.lineCount(); ++i)
        bounds |= m_layout.lineAt(i).naturalTextRect();
    return bounds.translated(m_nameArea.left(), m_nameArea.top() + (m_nameArea.height() - m_nameHeight) / 2);
}

int DrawView::shownLength() const
{
    int length = 0;
    for (int i = 0; i < m_layout.lineCount(); ++i)
        length += m_layout.lineAt(i).textLength();
    return length;
}

void DrawView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void DrawView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    m_layout.draw(&painter, {m_nameArea.left(), m_nameArea.top() + (m_nameArea.height() - m_nameHeight) / 2});

    // The next names, one a line, shortened with an ellipsis where one is too long.
    painter.setFont(m_nextFont);
    const QFontMetricsF metrics(m_nextFont);
    qreal y = m_nextArea.top() + metrics.height() * 0.3;
    for (const QString& next : m_next) {
        const QString shown = metrics.elidedText(next, Qt::ElideRight, m_nextArea.width());
        painter.drawText(QRectF(m_nextArea.left(), y, m_nextArea.width(), metrics.height()), shown,
                         centred(next, QTextOption::NoWrap));
        y += metrics.height() * 1.3;
    }
}

void DrawView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F11:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void DrawView::mousePressEvent(QMouseEvent*)
{
    close();
}
