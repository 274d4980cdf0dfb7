#include "MainWindow.h"

#include "ListBox.h"
#include "files/NameListFiles.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

// Import from File and Export to File, and names dropped on the window.

namespace {

// The local files of a drop, or none when it holds anything else.
QStringList localFiles(const QMimeData* mime)
{
    QStringList paths;
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile())
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

} // namespace

void MainWindow::importList()
{
    NameListFiles files(*m_services.prompter, this, m_settings);
    files.importList(m_nameList->count() > 0, [this](const QStringList& names) { m_history->replace(names, false); });
}

void MainWindow::dropNames(const QStringList& files, const QString& text)
{
    if (files.isEmpty()) {
        if (m_addButton->isEnabled())
            addNames(text);
        return;
    }
    if (!m_importButton->isEnabled())
        return;
    NameListFiles names(*m_services.prompter, this, m_settings);
    names.importDropped(m_nameList->count() > 0, files,
                        [this](const QStringList& names) { m_history->replace(names, false); });
}

void MainWindow::openFiles(const QStringList& files)
{
    if (files.isEmpty())
        return;
    // Dialogs run in their own event loop; an import started from there would put its
    // question over theirs and change the list under them.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        connect(
            modal, &QObject::destroyed, this,
            [this, files] { QTimer::singleShot(0, this, [this, files] { openFiles(files); }); },
            Qt::SingleShotConnection);
        return;
    }
    dropNames(files, QString());
}

bool MainWindow::takeDrag(QDropEvent* event)
{
    const QMimeData* mime = event->mimeData();
    const bool files = !localFiles(mime).isEmpty();
    const QPushButton* way = files ? m_importButton : m_addButton;
    // Only ever a copy: a move would have the source delete the dropped file or text.
    if (!(files || mime->hasText()) || !way->isEnabled() || !(event->possibleActions() & Qt::CopyAction)) {
        event->ignore();
        return false;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    takeDrag(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event)
{
    takeDrag(event);
}

void MainWindow::dropEvent(QDropEvent* event)
{
    if (!takeDrag(event))
        return;
    const QStringList files = localFiles(event->mimeData());
    const QString text = files.isEmpty() ? event->mimeData()->text() : QString();
    // The drag's source waits until the drop returns: the question and the messages come
    // after it has.
    QTimer::singleShot(0, this, [this, files, text] { dropNames(files, text); });
}

void MainWindow::exportList()
{
    NameListFiles files(*m_services.prompter, this, m_settings);
    files.exportList(m_nameList->names());
}
