#pragma once

#include <QString>
#include <QtGlobal>

// Opens an address (web page, mail message) with the user's own program for its kind.
// The result is a shell launch code: above 32 when the launch was started, 32 or less for
// an error. NoAssociation alone means "no program for this kind of address", the one
// failure the user is told about.
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
    // owner: native handle of the window asking (0 for none). Returns once the launch has
    // started; it never waits for the program it started.
    virtual int open(quintptr owner, const QString& target) = 0;
};
