// The Windows backends, run under Wine (or on Windows): the registry through the same case
// table as the SQLite store, what only the real registry shows (the ANSI bytes it stores),
// the shell launch and the sound call, and the golden draws with the seed from the system's
// entropy. Prints "N passed, M failed"; exits 1 on a failure.

#include "DrawGolden.h"
#include "StoreConformance.h"
#include "draw/FreshSeed.h"
#include "platform/windows/UserPipe.h"
#include "platform/windows/Win32ShellOpen.h"
#include "platform/windows/Win32Sound.h"
#include "settings/UserStore.h"

#include <windows.h>

#include <shellapi.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int g_passed = 0;
int g_failed = 0;

void check(bool ok, const std::string& name, const std::string& why = std::string())
{
    if (ok) {
        ++g_passed;
        return;
    }
    ++g_failed;
    std::printf("FAIL: %s%s%s\n", name.c_str(), why.empty() ? "" : ": ", why.c_str());
}

// Each case gets its own key below this one; the whole tree goes at the end.
const std::string kTestRoot = "Software\\Nimbrel Tests";

void registryCases(SettingsStore& store)
{
    int n = 0;
    for (const StoreConformance::Case& c : StoreConformance::cases()) {
        // Wine's registry enumerates values by name, not in the order written.
        StoreConformance::Context context{store, kTestRoot + "\\Case" + std::to_string(n++), std::string(), false};
        check(c.run(context), std::string("registry: ") + c.name, context.why);
    }
}

// The registry holds text in the ANSI code page, not in UTF-8.
void storesAnsiBytes(SettingsStore& store)
{
    store.setValue(kTestRoot + "\\Ansi", "Name0", "M\xc3\xbcller");

    char raw[32] = {};
    DWORD length = sizeof raw;
    const LONG rc =
        RegGetValueA(HKEY_CURRENT_USER, (kTestRoot + "\\Ansi").c_str(), "Name0", RRF_RT_REG_SZ, nullptr, raw, &length);
    if (GetACP() != 1252) {
        std::printf("skip: ANSI bytes (code page %u, not 1252)\n", GetACP());
        return;
    }
    check(rc == ERROR_SUCCESS && length == 7 && std::memcmp(raw, "M\xfcller", 7) == 0, "registry: stores ANSI bytes",
          "code " + std::to_string(rc) + ", " + std::to_string(length) + " bytes");
}

void shellOpenReportsNoHandler()
{
    // No program is associated with this scheme: SE_ERR_NOASSOC, the one code the About
    // box tells the user about.
    const long result = shellOpenWin32(nullptr, "nimbrel-no-such-scheme:x");
    check(result == SE_ERR_NOASSOC, "shell open: no handler is 31", "got " + std::to_string(result));
}

// A valid two-second WAV image of silence (8 kHz, 8-bit mono).
std::vector<std::uint8_t> silence()
{
    const std::uint32_t rate = 8000;
    const std::uint32_t samples = rate * 2;
    std::vector<std::uint8_t> wav;
    const auto put = [&wav](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wav.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const auto tag = [&wav](const char* text) { wav.insert(wav.end(), text, text + 4); };
    tag("RIFF");
    put(36 + samples, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);    // PCM
    put(1, 2);    // mono
    put(rate, 4); // samples per second
    put(rate, 4); // bytes per second
    put(1, 2);    // block align
    put(8, 2);    // bits per sample
    tag("data");
    put(samples, 4);
    wav.insert(wav.end(), samples, 0x80);
    return wav;
}

void soundReturnsAtOnce()
{
    const std::vector<std::uint8_t> wav = silence();
    const auto start = std::chrono::steady_clock::now();
    playWaveImage(wav.data());
    const bool started = playWaveImage(wav.data()); // a restart, as on every shuffle tick
    const auto elapsed = std::chrono::steady_clock::now() - start;
    stopWaveImage();
    if (!started)
        std::printf("note: no audio device, so the sound did not start\n");
    // The image lasts two seconds; a call that waited for it would take at least that long.
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
    check(ms < 1000, "sound: returns at once", std::to_string(ms) + " ms");
}

// A draw recorded on one system checks on the other: the same table as the Linux tests.
void goldenDraws()
{
    for (const DrawGolden::Row& row : DrawGolden::rows())
        check(DrawGolden::mismatch(row).empty(), std::string("draw: ") + row.name, DrawGolden::mismatch(row));
}

void freshSeedsDiffer()
{
    const std::optional<std::uint64_t> first = freshSeed();
    const std::optional<std::uint64_t> second = freshSeed();
    check(first && second && *first != *second, "draw: fresh seeds from BCryptGenRandom differ");
}

// A later start's pipe: the first copy alone makes the name, and a client finds it the user's.
void userPipe()
{
    const std::wstring name = L"\\\\.\\pipe\\nimbrel-test-" + std::to_wstring(GetCurrentProcessId());
    check(UserPipe::userSid().rfind(L"S-1-", 0) == 0, "pipe: the user's SID");
    {
        const UserPipe::Reservation first(name);
        const UserPipe::Reservation second(name);
        // Wine (8.0) ignores FILE_FLAG_FIRST_PIPE_INSTANCE: only Windows refuses there.
        const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
        check(first.held() && (wine || !second.held()), "pipe: a name taken is refused");
        HANDLE client = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        check(client != INVALID_HANDLE_VALUE && UserPipe::ownedByUser(client), "pipe: the user's own");
        check(UserPipe::serverProcess(client) == GetCurrentProcessId(), "pipe: its process");
        CloseHandle(client);
    }
    check(UserPipe::Reservation(name).held(), "pipe: free again once let go");
}

void removeTestKeys()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Nimbrel Tests");
}

} // namespace

int main()
{
    removeTestKeys();
    const std::shared_ptr<SettingsStore> store = openUserStore(); // the registry, on Windows
    registryCases(*store);
    storesAnsiBytes(*store);
    shellOpenReportsNoHandler();
    soundReturnsAtOnce();
    goldenDraws();
    freshSeedsDiffer();
    userPipe();
    removeTestKeys();

    std::printf("%d passed, %d failed\n", g_passed, g_failed);
    return g_failed == 0 ? 0 : 1;
}
