#include "AboutBox.h"

#include "AboutLogo.h"
#include "platform/UrlLauncher.h"
#include "ui/CaptionFit.h"
#include "ui/DesignUnits.h"
#include "ui/Prompter.h"
#include "ui/ReadableColour.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QString kWebSite = QStringLiteral("http://www.quorvane.example");
const QString kSupportAddress = QStringLiteral("support@quorvane.example");

// The box's text colours, as designed for a light window.
const QColor kOwnershipRed(255, 0, 0);
const QColor kPlainBlack(0, 0, 0);
const QColor kLinkBlue(0, 0, 255);

QLabel* label(const char* name, const QString& text, QWidget* parent, const TwipsRect& at)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText); // never read as markup, whatever a translation holds
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
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

} // namespace

AboutBox::AboutBox(QWidget* owner, UrlLauncher& launcher, Prompter& prompter)
    : QDialog(owner, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                         Qt::CustomizeWindowHint),
      m_launcher(launcher), m_prompter(prompter)
{
    setObjectName(QStringLiteral("AboutBox"));
    //: Title of the About box.
    setWindowTitle(tr("About..."));
    setFont(designFont(8.25, false));
    setFixedSize(twipsToPixels(4935), twipsToPixels(3045));

    frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("frame"));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    placeInTwips(frame, {90, 60, 4755, 2895});

    logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    logo->setAlignment(Qt::AlignCenter);
    logo->setPixmap(aboutLogo());
    placeInTwips(logo, {120, 210, 2085, 1035});

    //: %1 is the version number.
    versionLabel = label("versionLabel", tr("Version %1").arg(QStringLiteral("1.5")), frame, {2340, 210, 1365, 195});
    ownershipLabel = label("ownershipLabel", QString(), frame, {2340, 480, 2265, 375});

    separator = new QFrame(frame);
    separator->setObjectName(QStringLiteral("separator"));
    separator->setFrameStyle(QFrame::HLine | QFrame::Plain);
    placeInTwips(separator, {2310, 1080, 4590 - 2310, kTwipsPerPixel}); // a line one pixel high

    //: Quorvane is the maker's name; the maker's web address follows below this text.
    moreSoftwareLabel =
        label("moreSoftwareLabel", tr("Find more great software from Quorvane at:"), frame, {2415, 1260, 2115, 405});
    moreSoftwareLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    termsLabel = label("termsLabel",
                       tr("Nimbrel is freeware. You may copy it and give it away, free of charge and "
                          "unchanged. It comes with no warranty of any kind."),
                       frame, {120, 1350, 2085, 1425});
    webLink = link("webLink", kWebSite, frame, {2370, 1740, 2205, 255});
    mailLink = link("mailLink", kSupportAddress, frame, {2370, 2040, 2205, 225});
    webLink->installEventFilter(this);
    mailLink->installEventFilter(this);

    okButton = new QPushButton(tr("OK"), frame);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true); // Enter; Esc rejects, which closes the box the same way
    placeInTwips(okButton, {2310, 2370, 2325, 405});
    connect(okButton, &QPushButton::clicked, this, &AboutBox::ok);

    QWidget* const tabOrder[] = {okButton,     ownershipLabel, frame,      mailLink,         logo,
                                 versionLabel, webLink,        termsLabel, moreSoftwareLabel};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    okButton->setFocus();
    applyTextColours();
    fitCaptions(this);

    load();
}

void AboutBox::applyTextColours()
{
    const QPalette& window = palette();
    setTextColour(ownershipLabel, readableOn(kOwnershipRed, window));
    setTextColour(moreSoftwareLabel, readableOn(kPlainBlack, window));
    setTextColour(webLink, readableOn(kLinkBlue, window));
    setTextColour(mailLink, readableOn(kLinkBlue, window));
}

void AboutBox::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // A desktop switching between light and dark while the box is open (not while the
    // labels are still being made).
    if (event->type() == QEvent::PaletteChange && mailLink)
        applyTextColours();
}

void AboutBox::load()
{
    //: %1 is the current year.
    ownershipLabel->setText(tr("Copyright \u00A9 %1 Quorvane. All rights reserved.").arg(QDate::currentDate().year()));
    fitCaption(ownershipLabel);
}

void AboutBox::ok()
{
    accept();
}

void AboutBox::openMailLink()
{
    openLink(QStringLiteral("mailto:") + kSupportAddress, tr("Could not start your email program."));
}

void AboutBox::openWebLink()
{
    openLink(kWebSite, tr("Could not start your web browser."));
}

void AboutBox::openLink(const QString& target, const QString& failure)
{
    // Only a missing program is the user's to fix; other failures pass silently.
    if (m_launcher.open(this, target) == UrlLauncher::NoAssociation)
        //: Title of the message that a link could not be opened.
        m_prompter.tell(tr("Oops!"), failure, Prompter::Icon::Warning);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    // A label is clicked when the left button is released over it.
    if (event->type() == QEvent::MouseButtonRelease && (watched == mailLink || watched == webLink)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint())) {
            if (watched == mailLink)
                openMailLink();
            else
                openWebLink();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
