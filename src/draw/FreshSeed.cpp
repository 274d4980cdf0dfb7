#include "FreshSeed.h"

#include <cstring>

#ifdef _WIN32
#include <windows.h>

#include <bcrypt.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32

bool systemEntropy(unsigned char* out, unsigned long size)
{
    return BCryptGenRandom(nullptr, out, size, BCRYPT_USE_SYSTEM_PREFERRED_RNG) == 0; // STATUS_SUCCESS
}

#else

// Whole reads only: a short read would leave bytes of the seed at zero.
bool readAll(int fd, unsigned char* out, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = read(fd, out + done, size - done);
        if (got > 0)
            done += static_cast<std::size_t>(got);
        else if (got < 0 && errno == EINTR)
            continue;
        else
            return false;
    }
    return true;
}

bool systemEntropy(unsigned char* out, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        // Blocks only early at boot, until the kernel's pool has been seeded.
        const ssize_t got = getrandom(out + done, size - done, 0);
        if (got > 0) {
            done += static_cast<std::size_t>(got);
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        break; // no getrandom (an old kernel, a sandbox that forbids it): the device below
    }
    if (done == size)
        return true;
    const int fd = open("/dev/urandom", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = readAll(fd, out, size);
    close(fd);
    return ok;
}

#endif

} // namespace

std::optional<std::uint64_t> freshSeed()
{
    unsigned char bytes[sizeof(std::uint64_t)];
    if (!systemEntropy(bytes, sizeof bytes))
        return std::nullopt;
    std::uint64_t seed = 0;
    std::memcpy(&seed, bytes, sizeof seed);
    return seed;
}
