#include "FrmAbt.h"

#include "AboutLogo.h"
#include "platform/ShellOpen.h"
#include "platform/UrlLauncher.h"
#include "ui/DesignUnits.h"
#include "ui/Prompter.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QString kWebSite = QStringLiteral("http://www.quorvane.example");
const QString kSupportAddress = QStringLiteral("support@quorvane.example");

QLabel* label(const char* name, const QString& text, QWidget* parent, const TwipsRect& at)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    placeInTwips(l, at);
    return l;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel* link(const char* name, const QString& text, QWidget* parent, const TwipsRect& at)
{
    QLabel* l = label(name, text, parent, at);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font = designFont(8.25, false);
    font.setUnderline(true);
    l->setFont(font);
    setTextColour(l, QColor(0, 0, 255));
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

} // namespace

FrmAbt::FrmAbt(QWidget* owner, UrlLauncher& launcher, Prompter& prompter)
    : QDialog(owner, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint),
      m_launcher(launcher), m_prompter(prompter)
{
    setObjectName(QStringLiteral("FrmAbt"));
    setWindowTitle(QStringLiteral("About..."));
    setFont(designFont(8.25, false));
    setFixedSize(twipsToPixels(4935), twipsToPixels(3045));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    placeInTwips(Frame1, {90, 60, 4755, 2895});

    Picture1 = new QLabel(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setPixmap(aboutLogo());
    placeInTwips(Picture1, {120, 210, 2085, 1035});

    Label7 = label("Label7", QStringLiteral("Version 1.5"), Frame1, {2340, 210, 1365, 195});
    Label2 = label("Label2", QString(), Frame1, {2340, 480, 2265, 375});
    setTextColour(Label2, QColor(255, 0, 0));

    Line1 = new QFrame(Frame1);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameStyle(QFrame::HLine | QFrame::Plain);
    Line1->setGeometry(twipsToPixels(2310), twipsToPixels(1080), twipsToPixels(4590 - 2310), 1);

    Label3 =
        label("Label3", QStringLiteral("Find more great software from Quorvane at:"), Frame1, {2415, 1260, 2115, 405});
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextColour(Label3, QColor(0, 0, 0));
    Label1 = label("Label1",
                   QStringLiteral("Nimbrel is freeware. You may copy it and give it away, free of charge and "
                                  "unchanged. It comes with no warranty of any kind."),
                   Frame1, {120, 1350, 2085, 1425});
    Label6 = link("Label6", kWebSite, Frame1, {2370, 1740, 2205, 255});
    Label5 = link("Label5", kSupportAddress, Frame1, {2370, 2040, 2205, 225});
    Label6->installEventFilter(this);
    Label5->installEventFilter(this);

    Command3 = new QPushButton(QStringLiteral("OK"), Frame1);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setDefault(true); // Enter; Esc rejects, which closes the box the same way
    placeInTwips(Command3, {2310, 2370, 2325, 405});
    connect(Command3, &QPushButton::clicked, this, &FrmAbt::Command3_Click);

    QWidget* const tabOrder[] = {Command3, Label2, Frame1, Label5, Picture1, Label7, Label6, Label1, Label3};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    Command3->setFocus();

    Form_Load();
}

void FrmAbt::Form_Load()
{
    Label2->setText(
        QStringLiteral("Copyright \u00A9 %1 Quorvane. All rights reserved.").arg(QDate::currentDate().year()));
}

void FrmAbt::Command3_Click()
{
    accept();
}

void FrmAbt::Label5_Click()
{
    openLink(QStringLiteral("mailto:") + kSupportAddress, QStringLiteral("Could not start your email program."));
}

void FrmAbt::Label6_Click()
{
    openLink(kWebSite, QStringLiteral("Could not start your web browser."));
}

void FrmAbt::openLink(const QString& target, const QString& failure)
{
    // Only a missing program is the user's to fix; other failures pass silently.
    if (Module1::ShellOpen(m_launcher, this, target) == UrlLauncher::NoAssociation)
        m_prompter.MsgBox(failure, Prompter::vbOKOnly | Prompter::vbExclamation, QStringLiteral("Oops!"));
}

bool FrmAbt::eventFilter(QObject* watched, QEvent* event)
{
    // A label is clicked when the left button is released over it.
    if (event->type() == QEvent::MouseButtonRelease && (watched == Label5 || watched == Label6)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
            if (watched == Label5)
                Label5_Click();
            else
                Label6_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
