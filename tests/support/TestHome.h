#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// Points HOME, XDG_CONFIG_HOME and XDG_DATA_HOME at a fresh temporary folder for as long as
// it lives, so a test never touches the user's own settings.
class TestHome
{
public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    QString path() const { return m_dir.path(); }
    QString configHome() const { return m_dir.path() + QStringLiteral("/config"); }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved[3];
};
