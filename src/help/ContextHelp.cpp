#include "ContextHelp.h"

#include <QKeyEvent>
#include <QWhatsThis>
#include <QWidget>

namespace {

int topicNumber(const QObject* control, const char* property)
{
    return control->property(property).toInt();
}

} // namespace

ContextHelp::ContextHelp(QWidget* window) : QObject(window), m_window(window) {}

void ContextHelp::load(const QString& helpFile)
{
    m_file = HelpFile::load(helpFile);
    const QList<QWidget*> controls = m_window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        if (const int topic = topicNumber(control, "WhatsThisHelpID"); topic > 0)
            control->setWhatsThis(m_file.popupText(topic));
        if (topicNumber(control, "HelpContextID") > 0) {
            control->removeEventFilter(this); // loading again must not filter twice
            control->installEventFilter(this);
        }
    }
}

QString ContextHelp::f1Text(const QWidget* control) const
{
    const int topic = topicNumber(control, "HelpContextID");
    return topic > 0 ? m_file.popupText(topic) : QString();
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            auto* control = static_cast<QWidget*>(watched);
            QWhatsThis::showText(control->mapToGlobal(control->rect().center()), f1Text(control), control);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
