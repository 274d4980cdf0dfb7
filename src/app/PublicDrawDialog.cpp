#include "PublicDrawDialog.h"

#include "draw/PublicDraw.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PublicDrawDialog::PublicDrawDialog(QWidget* parent, const QByteArray& listFingerprint) : QDialog(parent)
{
    setObjectName(QStringLiteral("publicDrawDialog"));
    //: Title of the dialog that starts a draw from a public number.
    setWindowTitle(tr("Draw from a Public Number"));
    const QString hex = QString::fromLatin1(listFingerprint.toHex());
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    //: Above the list's fingerprint in the dialog of a draw from a public number.
    auto* fingerprintLabel = new QLabel(tr("The list's fingerprint (SHA-256 of the names in their order):"));
    auto* fingerprint = new QLineEdit(hex);
    fingerprint->setObjectName(QStringLiteral("fingerprint"));
    fingerprint->setReadOnly(true);
    fingerprint->setFont(fixed);
    fingerprint->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(hex) + 16);
    // The first characters large enough to read out, photograph or write on a board.
    auto* shortFingerprint = new QLabel(hex.left(8));
    shortFingerprint->setObjectName(QStringLiteral("shortFingerprint"));
    QFont large = fixed;
    large.setPointSizeF(fixed.pointSizeF() * 4);
    large.setBold(true);
    shortFingerprint->setFont(large);
    shortFingerprint->setAlignment(Qt::AlignCenter);
    shortFingerprint->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* method = new QLabel(
        //: The method, in two sentences. %1 is the fixed number of re-orders (200).
        tr("Announce the fingerprint, or its first 8 characters, before anyone can know the public number (the "
           "next lottery numbers, say, or a public randomness beacon's next round); it fixes the list and its "
           "order, which must not change afterwards. The seed is then the first 8 bytes of SHA-256 of the "
           "fingerprint, a line break and the text typed below, and the shuffle makes %1 re-orders, so anyone "
           "with the list and that text gets the same order, with Nimbrel or the script check-public-draw.py.")
            .arg(PublicDraw::kReorders));
    method->setWordWrap(true);

    //: Above the box where the host types the public number.
    auto* textLabel = new QLabel(tr("The public number or text, exactly as published:"));
    m_text = new QLineEdit;
    m_text->setObjectName(QStringLiteral("publicText"));
    m_text->setMaxLength(PublicDraw::kMaxTextLength);
    textLabel->setBuddy(m_text);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    //: The button that starts the draw from the public text.
    m_draw = buttons->addButton(tr("Draw"), QDialogButtonBox::AcceptRole);
    m_draw->setObjectName(QStringLiteral("drawButton"));
    m_draw->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_text, &QLineEdit::textChanged, this, [this] { m_draw->setEnabled(PublicDraw::isValidText(text())); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fingerprintLabel);
    layout->addWidget(fingerprint);
    layout->addWidget(shortFingerprint);
    layout->addWidget(method);
    layout->addWidget(textLabel);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    m_text->setFocus();
}

QString PublicDrawDialog::text() const
{
    return m_text->text().trimmed();
}
