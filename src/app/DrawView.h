#pragma once

#include <QList>
#include <QStringList>
#include <QTextLayout>
#include <QWidget>

#include <memory>
#include <vector>

class QScreen;

// The draw over the whole screen, for a room to read. Either the winners, the list's first
// names, equally large as they fit, each wrapped (between words where it can) or smaller
// when long but never cut, with the next few names smaller beneath them; or the drawn order
// dealt into teams, a column each under its heading, every line as large as fits and never
// cut. A line at the foot says how many names took part. Names are plain text, in their
// own direction. + and - show more or fewer winners; Ctrl+P prints and Ctrl+S exports what
// is shown (through the owner, who has the printer and the files); the right button opens
// a menu of the same. Esc, Enter, F11 or a click close it; it deletes itself when closed.
class DrawView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kNextShown = 5;
    static constexpr int kMaxWinners = 10;

    // names: the list's first names in the order drawn (kMaxWinners + kNextShown are
    // enough), total: how many names took part, winners: how many of them are shown large.
    DrawView(const QStringList& names, int total, int winners);
    // The drawn order dealt into teams, each one's names in the order dealt.
    DrawView(const QList<QStringList>& teams, int total);
    ~DrawView() override;

    // Opens over the whole of screen: full screen, or maximised where the desktop keeps a
    // full-screen window smaller than the screen.
    void showOn(QScreen* screen);

    bool showsTeams() const { return !m_teams.isEmpty(); }
    int winners() const { return m_winners; }
    // Shows winners names large, from 1 to the names there are, at most kMaxWinners.
    void setWinners(int winners);
    // What the view shows as lines of text, as Print and Export give it: the winners, or
    // each team's heading and its names with a blank line between teams.
    QStringList lines() const;
    // The line at the foot: "1 of 5,000", or how many names were dealt into the teams.
    QString countText() const;

    // The first name drawn.
    QString name() const { return m_names.value(0); }
    // The font of the large lines at the present size: a winner's, or a team's names'.
    QFont nameFont() const { return m_nameFont; }
    // Where the large lines are drawn: the winners' or the teams' columns' text.
    QRectF nameBounds() const;
    // The characters the large lines hold: all of the winners', or of the teams' headings
    // and the names shown (all of them unless the teams are too long for the screen).
    int shownLength() const;
    // The teams' columns: the area each may take, and the lines drawn in it.
    QList<QRectF> columnAreas() const { return m_columnAreas; }
    QList<QRectF> columnBounds() const;

signals:
    void winnersChanged(int winners);
    void printRequested();
    void exportRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // A winner's name laid out in its part of the winners' area.
    struct Winner
    {
        QTextLayout layout;
        QRectF area;
        qreal height = 0;
        QPointF at() const { return {area.left(), area.top() + (area.height() - height) / 2}; }
    };

    void setUp();
    // What a screen reader reads: the winners or the teams, then the names after them.
    void describe();
    void layOut();
    void layOutWinners(const QRectF& area);
    void layOutTeams(const QRectF& area);
    // The largest pixel size at which the winner's lines, wrapped so, fit its area.
    int largestFitting(Winner& winner, QTextOption::WrapMode wrap);
    // Lays the winner out at pixelSize; its height, or -1 when a line is wider than the area.
    qreal layOutAt(Winner& winner, int pixelSize);
    // An estimate of the largest pixel size at which columns of that size hold lines so
    // many, the widest of them widest at the probe size.
    int teamSizeFitting(const QSizeF& column, int lines, qreal widest) const;
    // The teams' text at pixelSize fits columns of that size.
    bool teamsFit(const QSizeF& column, int lines, int pixelSize) const;
    QString heading(int team) const;
    // The lines of a team's column: its heading, its names as far as they are shown, and how
    // many more it has when not all are.
    QStringList columnLines(int team) const;
    void changeWinners(int by);

    QStringList m_names;        // the list's first names (winners and the next after them)
    QList<QStringList> m_teams; // empty unless teams are shown
    int m_total = 0;
    int m_winners = 1;
    std::vector<std::unique_ptr<Winner>> m_shown;
    QStringList m_next;
    QFont m_nameFont;
    QFont m_headingFont;
    QFont m_nextFont;
    QFont m_countFont;
    QRectF m_nextArea;
    QRectF m_countArea;
    QList<QRectF> m_columnAreas;
    qreal m_lineHeight = 0;       // a team's line
    qreal m_spacingRatio = 1;     // line spacing per pixel of size
    qsizetype m_shownPerTeam = 0; // names shown of each team
};
