#pragma once

#include <QString>
#include <QtGlobal>

// Opens an address (web page, mail message) with the user's own program for its kind.
// The result is a shell launch code: above 32 when the launch was started, 32 or less for
// an error. NoAssociation alone means "no program for this kind of address", the one
// failure the user is told about.
class QWidget;

class UrlLauncher
{
public:
    enum Result : int {
        OutOfResources = 0, // any failure without a code of its own
        FileNotFound = 2,
        AccessDenied = 5,
        NoAssociation = 31,
        Launched = 42,
    };

    virtual ~UrlLauncher() = default;
    // Hands target to the user's program for its kind of address, on behalf of owner's
    // window (none when null). Returns once the launch has started; it never waits for the
    // program it started.
    int open(QWidget* owner, const QString& target);

protected:
    // owner: native handle of the window asking (0 for none).
    virtual int launch(quintptr owner, const QString& target) = 0;
};
