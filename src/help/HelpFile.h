#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QString>

// The program's help file: numbered topics in a small text format of our own (described
// in the header of resources/nimbrel.hlp). Loading never throws and never fails hard: a
// file that is missing, unreadable, too large, not text or malformed gives an empty set of
// topics and the reason, which every pop-up then shows instead of a topic.
class HelpFile
{
    Q_DECLARE_TR_FUNCTIONS(HelpFile)

public:
    // Largest file accepted; a help file of a dozen topics is a few kilobytes.
    static constexpr qint64 MaxSize = 1024 * 1024;
    static constexpr int MaxTopic = 9999;

    struct Topic
    {
        QString title;
        QStringList paragraphs;
    };

    static HelpFile load(const QString& path);
    // Parses file content; path only names the file in messages.
    static HelpFile parse(const QByteArray& content, const QString& path);

    bool isValid() const { return m_error.isEmpty(); }
    // Why the file gave no topics; empty when it was read.
    QString error() const { return m_error; }
    bool hasTopic(int number) const { return m_topics.contains(number); }
    Topic topic(int number) const { return m_topics.value(number); }

    // Rich text for a pop-up: the topic's title and paragraphs, or why help is not available.
    QString popupText(int number) const;

private:
    QString m_path;
    QString m_error;
    QHash<int, Topic> m_topics;
};
