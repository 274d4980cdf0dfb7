#pragma once

#include <QString>

class QWidget;
class UrlLauncher;

namespace Module1 {

// Hands target to the user's program for its kind of address, on behalf of owner's window.
// Returns the launcher's code unchanged: above 32 started, 31 no program for it, else an error.
int ShellOpen(UrlLauncher& launcher, QWidget* owner, const QString& target);

} // namespace Module1
