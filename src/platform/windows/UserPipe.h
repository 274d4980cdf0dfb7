#pragma once

#include <string>

// The named pipe a later start of the program hands its files to the running one by. Any
// user may make a pipe of any name, so the running copy makes the name's first instance
// itself, open to the user alone, and a later start hands nothing to a pipe another user
// made. Qt-free, so the Windows test builds it without Qt.
namespace UserPipe {

// The user running the program, as a SID's text ("S-1-5-21-..."); empty when it cannot be read.
std::wstring userSid();

// Holds a pipe name for the user: its first instance, which only the user may use or add
// instances to, and which takes no clients from other machines.
class Reservation
{
public:
    // name: the full pipe name (\\.\pipe\...).
    explicit Reservation(const std::wstring& name);
    ~Reservation();
    Reservation(const Reservation&) = delete;
    Reservation& operator=(const Reservation&) = delete;

    // False when the name was taken already (by anyone), or the pipe could not be made.
    bool held() const;

private:
    void* m_pipe; // HANDLE
};

// Whether the pipe a client handle is connected to belongs to the user (is owned by the
// user's SID).
bool ownedByUser(void* pipe);
// The process serving the pipe a client handle is connected to; 0 when Windows does not say.
unsigned long serverProcess(void* pipe);

} // namespace UserPipe
