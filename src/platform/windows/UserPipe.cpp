#include "platform/windows/UserPipe.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <vector>

namespace UserPipe {

namespace {

// The token's user, in a buffer that holds the SID it points into.
std::vector<unsigned char> tokenUser()
{
    std::vector<unsigned char> buffer;
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return buffer;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    buffer.resize(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size))
        buffer.clear();
    CloseHandle(token);
    return buffer;
}

} // namespace

std::wstring userSid()
{
    const std::vector<unsigned char> user = tokenUser();
    wchar_t* text = nullptr;
    if (user.empty() || !ConvertSidToStringSidW(reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid, &text))
        return {};
    std::wstring sid(text);
    LocalFree(text);
    return sid;
}

Reservation::Reservation(const std::wstring& name) : m_pipe(INVALID_HANDLE_VALUE)
{
    const std::wstring sid = userSid();
    if (sid.empty())
        return;
    // Owned by the user, every right to the user and to no one else, nothing inherited.
    const std::wstring descriptor = L"O:" + sid + L"D:P(A;;GA;;;" + sid + L")";
    PSECURITY_DESCRIPTOR security = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(descriptor.c_str(), SDDL_REVISION_1, &security, nullptr))
        return;
    SECURITY_ATTRIBUTES attributes{sizeof attributes, security, FALSE};
    // As Qt's own instances are made (byte mode, any number of instances), so it lets them join.
    m_pipe = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_FIRST_PIPE_INSTANCE,
                              PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS,
                              PIPE_UNLIMITED_INSTANCES, 0, 0, 0, &attributes);
    LocalFree(security);
}

Reservation::~Reservation()
{
    if (held())
        CloseHandle(m_pipe);
}

bool Reservation::held() const
{
    return m_pipe != INVALID_HANDLE_VALUE;
}

bool ownedByUser(void* pipe)
{
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR security = nullptr;
    if (GetSecurityInfo(pipe, SE_KERNEL_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr,
                        &security) != ERROR_SUCCESS)
        return false;
    const std::vector<unsigned char> user = tokenUser();
    const bool ours =
        !user.empty() && owner && EqualSid(owner, reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid);
    LocalFree(security);
    return ours;
}

unsigned long serverProcess(void* pipe)
{
    ULONG process = 0;
    return GetNamedPipeServerProcessId(pipe, &process) ? process : 0;
}

} // namespace UserPipe
