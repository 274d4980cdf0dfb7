#include "DrawView.h"

#include "MainWindowTexts.h"
#include "ui/TextLocale.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
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

// Widths are measured once at this size and scaled: measuring every name at every size
// tried would take long for a long list.
constexpr int kProbeSize = 100;
// The share of a column's width a line may take, leaving room for glyphs that reach past
// their advance.
constexpr qreal kLineShare = 0.98;
// The smallest pixel size a team's names are shown in before the longest teams are shortened.
constexpr int kSmallestTeamSize = 14;

} // namespace

DrawView::DrawView(const QStringList& names, int total, int winners) : m_names(names), m_total(total)
{
    m_winners = std::clamp(winners, 1, std::max(1, std::min(kMaxWinners, int(m_names.size()))));
    setUp();
}

DrawView::DrawView(const QList<QStringList>& teams, int total) : m_teams(teams), m_total(total)
{
    for (const QStringList& team : teams)
        m_names += team;
    setUp();
}

DrawView::~DrawView() = default;

void DrawView::setUp()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(MainWindowTexts::Caption);
    setObjectName(QStringLiteral("drawView"));
    setFocusPolicy(Qt::StrongFocus);
    m_nameFont = m_headingFont = m_nextFont = m_countFont = font();
    m_nameFont.setBold(!showsTeams());
    m_headingFont.setBold(true);
    describe();
}

void DrawView::describe()
{
    // Screen readers read the winners or the teams, then the names after them.
    setAccessibleName(showsTeams() ? lines().join(QLatin1Char('\n')) : lines().join(QStringLiteral(", ")));
    const QStringList next = m_names.mid(m_winners, kNextShown);
    if (!showsTeams() && !next.isEmpty())
        //: What a screen reader says after the drawn name; %1 lists the next names in the list.
        setAccessibleDescription(tr("Next: %1").arg(textLocale().createSeparatedList(next)));
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

void DrawView::setWinners(int winners)
{
    winners = std::clamp(winners, 1, std::max(1, std::min(kMaxWinners, int(m_names.size()))));
    if (showsTeams() || winners == m_winners)
        return;
    m_winners = winners;
    describe();
    layOut();
    update();
    emit winnersChanged(m_winners);
}

void DrawView::changeWinners(int by)
{
    setWinners(m_winners + by);
}

QString DrawView::heading(int team) const
{
    //: The heading of a team's column in the view of the draw, in its printout and its file.
    return tr("Team %1").arg(textLocale().toString(team + 1));
}

QStringList DrawView::lines() const
{
    if (!showsTeams())
        return m_names.first(std::min<qsizetype>(m_winners, m_names.size()));
    QStringList out;
    for (int team = 0; team < m_teams.size(); ++team) {
        if (team > 0)
            out.append(QString());
        out.append(heading(team));
        out += m_teams[team];
    }
    return out;
}

QString DrawView::countText() const
{
    const QLocale numbers = textLocale();
    if (showsTeams())
        //: At the foot of the view of teams: how many names were dealt into them (%1, the plural form's number).
        return tr("%1 names", nullptr, m_total).arg(numbers.toString(m_total));
    //: At the foot of the view of the draw: how many winners are shown of how many names
    //: took part, such as "1 of 5,000".
    return tr("%1 of %2")
        .arg(numbers.toString(std::min<qsizetype>(m_winners, m_names.size())), numbers.toString(m_total));
}

// Laying out.

void DrawView::layOut()
{
    const QRectF whole = rect();
    const qreal margin = std::min(whole.width(), whole.height()) * 0.04;
    const QRectF inside = whole.adjusted(margin, margin, -margin, -margin);

    // The foot line, as large as its share of the height lets it be and its width allows.
    const qreal countHeight = inside.height() * 0.05;
    m_countArea = QRectF(inside.left(), inside.bottom() - countHeight, inside.width(), countHeight);
    int countSize = std::max(1, int(countHeight * 0.7));
    for (m_countFont.setPixelSize(countSize);
         countSize > 1 && QFontMetricsF(m_countFont).horizontalAdvance(countText()) > m_countArea.width();)
        m_countFont.setPixelSize(--countSize);

    const QRectF above(inside.topLeft(), QSizeF(inside.width(), inside.height() - countHeight));
    if (showsTeams())
        layOutTeams(above);
    else
        layOutWinners(above);
}

qreal DrawView::layOutAt(Winner& winner, int pixelSize)
{
    m_nameFont.setPixelSize(pixelSize);
    QTextLayout& layout = winner.layout;
    layout.setFont(m_nameFont);
    layout.beginLayout();
    qreal height = 0;
    bool fits = true;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(winner.area.width());
        line.setPosition({0, height});
        height += line.height();
        // A line wider than the area (one glyph, at a giant size) or lines past its foot: too
        // large, and no need to lay out the rest of a long name.
        if (line.naturalTextWidth() > winner.area.width() + 0.5 || height > winner.area.height()) {
            fits = false;
            break;
        }
    }
    layout.endLayout();
    return fits ? height : -1;
}

int DrawView::largestFitting(Winner& winner, QTextOption::WrapMode wrap)
{
    // Found by halving the range: a few layouts, each cut short once the lines pass the
    // foot or a line is too wide, so a name of 10,000 characters stays quick.
    winner.layout.setTextOption(centred(winner.layout.text(), wrap));
    int low = 1;
    int high = std::max(1, int(winner.area.height()));
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (layOutAt(winner, middle) >= 0)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

void DrawView::layOutWinners(const QRectF& area)
{
    const int shown = int(std::min<qsizetype>(m_winners, m_names.size()));
    m_next = m_names.mid(shown, kNextShown);
    const qreal nameShare = m_next.isEmpty() ? 1.0 : 0.68;
    const QRectF names(area.topLeft(), QSizeF(area.width(), area.height() * nameShare));
    m_nextArea = QRectF(area.left(), names.bottom(), area.width(), area.height() - names.height());

    // Each winner in a row of its own; all of them in the size the hardest one fits.
    m_shown.clear();
    int common = std::max(1, int(names.height()));
    for (int i = 0; i < shown; ++i) {
        auto& winner = *m_shown.emplace_back(std::make_unique<Winner>());
        winner.layout.setText(m_names[i]);
        winner.area =
            QRectF(names.left(), names.top() + names.height() * i / shown, names.width(), names.height() / shown);
        // Words are kept whole unless breaking them lets the name be more than twice as large
        // (a long word alone, or a name of one long run).
        const int wordsWhole = largestFitting(winner, QTextOption::WordWrap);
        const int broken = largestFitting(winner, QTextOption::WrapAtWordBoundaryOrAnywhere);
        common = std::min(common, wordsWhole * 2 >= broken ? wordsWhole : broken);
    }
    for (const auto& winner : m_shown) {
        winner->layout.setTextOption(centred(winner->layout.text(), QTextOption::WordWrap));
        winner->height = layOutAt(*winner, common);
        if (winner->height < 0) {
            winner->layout.setTextOption(centred(winner->layout.text(), QTextOption::WrapAtWordBoundaryOrAnywhere));
            winner->height = std::max<qreal>(0, layOutAt(*winner, common));
        }
    }

    // The next names at half the winners' size at most, their lines within their area.
    int nextSize = int(std::min(m_nextArea.height() / kNextShown, std::max(common / 2.0, 12.0)));
    for (m_nextFont.setPixelSize(std::max(nextSize, 1));
         nextSize > 1 && QFontMetricsF(m_nextFont).height() * (kNextShown * 1.3) > m_nextArea.height();)
        m_nextFont.setPixelSize(--nextSize);
}

QStringList DrawView::columnLines(int team) const
{
    const QStringList& names = m_teams[team];
    QStringList lines{heading(team)};
    lines += names.first(std::min<qsizetype>(names.size(), m_shownPerTeam));
    if (names.size() > m_shownPerTeam) {
        const qsizetype more = names.size() - m_shownPerTeam;
        //: Under the names of a team too long for the screen: how many more it has (%1, the plural form's
        //: number); Print and Export give them all.
        lines.append(tr("and %1 more", nullptr, int(more)).arg(textLocale().toString(more)));
    }
    return lines;
}

bool DrawView::teamsFit(const QSizeF& column, int lines, int pixelSize) const
{
    QFont names = m_nameFont;
    QFont headings = m_headingFont;
    names.setPixelSize(pixelSize);
    headings.setPixelSize(pixelSize);
    const QFontMetricsF nameMetrics(names);
    const QFontMetricsF headingMetrics(headings);
    if (std::max(nameMetrics.lineSpacing(), headingMetrics.lineSpacing()) * lines > column.height())
        return false;
    const qreal width = column.width() * kLineShare;
    for (int team = 0; team < m_teams.size(); ++team) {
        const QStringList shown = columnLines(team);
        for (int line = 0; line < shown.size(); ++line) {
            if ((line == 0 ? headingMetrics : nameMetrics).horizontalAdvance(shown[line]) > width)
                return false;
        }
    }
    return true;
}

int DrawView::teamSizeFitting(const QSizeF& column, int lines, qreal widest) const
{
    const qreal byHeight = column.height() / (lines * m_spacingRatio);
    const qreal byWidth = widest > 0 ? column.width() * kLineShare * kProbeSize / widest : byHeight;
    return std::max(1, int(std::min(byHeight, byWidth)));
}

void DrawView::layOutTeams(const QRectF& area)
{
    const int teams = int(m_teams.size());
    QFont names = m_nameFont;
    QFont headings = m_headingFont;
    names.setPixelSize(kProbeSize);
    headings.setPixelSize(kProbeSize);
    const QFontMetricsF nameMetrics(names);
    const QFontMetricsF headingMetrics(headings);
    m_spacingRatio = std::max(nameMetrics.lineSpacing(), headingMetrics.lineSpacing()) / kProbeSize;

    // The teams in as many rows as make the text largest; of arrangements as good, the one
    // with the fewest rows, which reads as Team 1, Team 2, ... across the room.
    const qreal gap = area.width() * 0.01;
    const auto columnSize = [&](int across) {
        const int rows = (teams + across - 1) / across;
        return QSizeF((area.width() - gap * (across - 1)) / across, (area.height() - gap * (rows - 1)) / rows);
    };
    // Teams too long to be read whole even side by side show their first names and how many
    // more they have (Print and Export give them all); only the names shown are measured.
    qsizetype longest = 0;
    for (const QStringList& team : m_teams)
        longest = std::max(longest, team.size());
    const int fitting = int(columnSize(teams).height() / (m_spacingRatio * kSmallestTeamSize));
    const bool whole = longest + 1 <= fitting;
    m_shownPerTeam = whole ? longest : std::max(0, fitting - 2);
    const int lines = int(std::min<qsizetype>(longest, m_shownPerTeam)) + (whole ? 1 : 2);
    qreal widest = 0;
    for (int team = 0; team < teams; ++team) {
        const QStringList shown = columnLines(team);
        for (int line = 0; line < shown.size(); ++line)
            widest = std::max(widest, (line == 0 ? headingMetrics : nameMetrics).horizontalAdvance(shown[line]));
    }

    int across = teams;
    int size = teamSizeFitting(columnSize(across), lines, widest);
    for (int tried = teams - 1; whole && tried >= 1; --tried) {
        const int trySize = teamSizeFitting(columnSize(tried), lines, widest);
        if (trySize > size) {
            size = trySize;
            across = tried;
        }
    }
    const QSizeF column = columnSize(across);
    // The estimate scales widths measured at one size; the real ones decide.
    while (size > 1 && !teamsFit(column, lines, size))
        --size;
    m_nameFont.setPixelSize(size);
    m_headingFont.setPixelSize(size);
    m_lineHeight = std::max(QFontMetricsF(m_nameFont).lineSpacing(), QFontMetricsF(m_headingFont).lineSpacing());

    m_columnAreas.clear();
    for (int team = 0; team < teams; ++team) {
        // Right to left, Team 1 stands at the right.
        const int place = isRightToLeft() ? across - 1 - team % across : team % across;
        m_columnAreas.append(QRectF(area.left() + place * (column.width() + gap),
                                    area.top() + (team / across) * (column.height() + gap), column.width(),
                                    column.height()));
    }
}

QRectF DrawView::nameBounds() const
{
    if (showsTeams()) {
        QRectF bounds;
        for (const QRectF& column : columnBounds())
            bounds |= column;
        return bounds;
    }
    QRectF bounds;
    for (const auto& winner : m_shown) {
        for (int i = 0; i < winner->layout.lineCount(); ++i)
            bounds |= winner->layout.lineAt(i).naturalTextRect().translated(winner->at());
    }
    return bounds;
}

QList<QRectF> DrawView::columnBounds() const
{
    QList<QRectF> bounds;
    const QFontMetricsF nameMetrics(m_nameFont);
    const QFontMetricsF headingMetrics(m_headingFont);
    for (int team = 0; team < m_columnAreas.size(); ++team) {
        const QRectF& area = m_columnAreas[team];
        const QStringList lines = columnLines(team);
        const qreal height = m_lineHeight * qreal(lines.size());
        qreal width = 0;
        for (int line = 0; line < lines.size(); ++line)
            width = std::max(width, (line == 0 ? headingMetrics : nameMetrics).horizontalAdvance(lines[line]));
        bounds.append(QRectF(area.center().x() - width / 2, area.top() + (area.height() - height) / 2, width, height));
    }
    return bounds;
}

int DrawView::shownLength() const
{
    int length = 0;
    if (showsTeams()) {
        // Every line drawn is whole: the sizes were chosen so that each fits.
        for (int team = 0; team < m_teams.size(); ++team) {
            const QStringList lines = columnLines(team);
            for (qsizetype line = 0; line < lines.size() && line <= m_shownPerTeam; ++line)
                length += int(lines[line].size());
        }
        return length;
    }
    for (const auto& winner : m_shown) {
        for (int i = 0; i < winner->layout.lineCount(); ++i)
            length += winner->layout.lineAt(i).textLength();
    }
    return length;
}

// Painting and input.

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

    if (showsTeams()) {
        for (int team = 0; team < m_columnAreas.size(); ++team) {
            const QRectF& area = m_columnAreas[team];
            const QStringList lines = columnLines(team);
            qreal y = area.top() + (area.height() - m_lineHeight * qreal(lines.size())) / 2;
            for (int line = 0; line < lines.size(); ++line) {
                painter.setFont(line == 0 ? m_headingFont : m_nameFont);
                painter.drawText(QRectF(area.left(), y, area.width(), m_lineHeight), lines[line],
                                 centred(lines[line], QTextOption::NoWrap));
                y += m_lineHeight;
            }
        }
    } else {
        for (const auto& winner : m_shown)
            winner->layout.draw(&painter, winner->at());
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

    painter.setFont(m_countFont);
    painter.drawText(m_countArea, countText(), centred(countText(), QTextOption::NoWrap));
}

void DrawView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Print)) {
        emit printRequested();
        return;
    }
    if (event->matches(QKeySequence::Save)) {
        emit exportRequested();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F11:
        close();
        return;
    case Qt::Key_Plus:
    case Qt::Key_Equal: // + without Shift on many keyboards
        changeWinners(1);
        return;
    case Qt::Key_Minus:
        changeWinners(-1);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void DrawView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        close();
}

void DrawView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    //: Menu of the view of the draw (right click): one more of the first names shown large.
    QAction* more = menu.addAction(tr("More Winners"), this, [this] { changeWinners(1); });
    more->setShortcut(Qt::Key_Plus);
    more->setEnabled(!showsTeams() && m_winners < std::min<qsizetype>(kMaxWinners, m_names.size()));
    //: Menu of the view of the draw: one fewer of the first names shown large.
    QAction* fewer = menu.addAction(tr("Fewer Winners"), this, [this] { changeWinners(-1); });
    fewer->setShortcut(Qt::Key_Minus);
    fewer->setEnabled(!showsTeams() && m_winners > 1);
    menu.addSeparator();
    //: Menu of the view of the draw: prints the winners or the teams shown.
    menu.addAction(tr("Print"), this, &DrawView::printRequested)->setShortcut(QKeySequence::Print);
    //: Menu of the view of the draw: saves the winners or the teams shown as a text file.
    menu.addAction(tr("Export..."), this, &DrawView::exportRequested)->setShortcut(QKeySequence::Save);
    menu.addSeparator();
    //: Menu of the view of the draw: closes it.
    menu.addAction(tr("Close"), this, &QWidget::close)->setShortcut(Qt::Key_Escape);
    menu.exec(event->globalPos());
}
