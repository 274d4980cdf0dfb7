// Fails one chosen call of the C library, for tests that walk every point at which writing
// a file can fail: loaded with LD_PRELOAD, it stands in front of the calls below and lets
// them through, but for the k-th one of the chosen kinds on a path that matches a pattern,
// which returns -1 with a chosen errno instead. Inert while NIMBREL_FAULT_CALLS is unset.
//
//   NIMBREL_FAULT_CALLS  kinds of call, separated by commas:
//                          open       open, openat, creat (only to write or to create)
//                          write      write, pwrite, writev, pwritev
//                          fsync, fdatasync, ftruncate
//                          link       link, linkat
//                          rename     rename, renameat, renameat2
//                          unlink     unlink, unlinkat
//                          close      close (the file is closed all the same, as by Linux)
//   NIMBREL_FAULT_PATH   the pattern (fnmatch, where "*" crosses "/"; default "*"). A call on
//                        a file descriptor takes the path the file was opened with (from
//                        /proc/self/fd), a relative path is taken from the current or the
//                        given folder, and a call with two paths matches when either does.
//                        "/some/folder*" matches the folder and all in it: an unnamed
//                        temporary file is opened by its folder's path.
//   NIMBREL_FAULT_AT     k, counted from 1 over the matching calls; 0 or unset: none fails,
//                        the calls are only counted
//   NIMBREL_FAULT_ERRNO  EIO (default), ENOSPC, EDQUOT, EROFS, EACCES, EPERM or a number
//   NIMBREL_FAULT_ONWARD 1: the k-th matching call and every one after it fail (a disk that
//                        stays full); else only the k-th
//
// A test in the same process re-reads the settings with nimbrel_fault_reset() after
// changing them (found with dlsym: the program must not need the shim to start), and asks
// nimbrel_fault_count() for the matching calls since and nimbrel_fault_fired() for the kind
// of the call that failed (NULL while none has). Thus one dry run counts the calls and the
// walk fails each in turn.
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <limits.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

enum Kind {
    Open = 1 << 0,
    Write = 1 << 1,
    Fsync = 1 << 2,
    Fdatasync = 1 << 3,
    Ftruncate = 1 << 4,
    Link = 1 << 5,
    Rename = 1 << 6,
    Unlink = 1 << 7,
    Close = 1 << 8,
};

static const struct {
    const char* name;
    int kind;
} kinds[] = {{"open", Open},     {"write", Write},   {"fsync", Fsync},   {"fdatasync", Fdatasync},
             {"ftruncate", Ftruncate}, {"link", Link}, {"rename", Rename}, {"unlink", Unlink},
             {"close", Close}};

static const struct {
    const char* name;
    int value;
} errnos[] = {{"EIO", EIO}, {"ENOSPC", ENOSPC}, {"EDQUOT", EDQUOT}, {"EROFS", EROFS}, {"EACCES", EACCES},
              {"EPERM", EPERM}};

static int chosenKinds;
static char pattern[PATH_MAX] = "*";
static long failAt;
static int onward;
static int failWith = EIO;
static long seen;
static const char* fired;

// The real function behind name, looked up once.
#define REAL(type, name, ...)                                                                                      \
    static type (*real_##name)(__VA_ARGS__);                                                                       \
    if (!real_##name)                                                                                              \
        *(void**)&real_##name = dlsym(RTLD_NEXT, #name);

long nimbrel_fault_reset(void)
{
    chosenKinds = 0;
    const char* calls = getenv("NIMBREL_FAULT_CALLS");
    if (calls) {
        char list[256];
        snprintf(list, sizeof list, "%s", calls);
        char* save = NULL;
        for (char* word = strtok_r(list, ", ", &save); word; word = strtok_r(NULL, ", ", &save)) {
            size_t i = 0;
            while (i < sizeof kinds / sizeof kinds[0] && strcmp(kinds[i].name, word) != 0)
                ++i;
            if (i == sizeof kinds / sizeof kinds[0]) {
                fprintf(stderr, "faultinject: unknown kind of call \"%s\"\n", word);
                chosenKinds = 0;
                return -1;
            }
            chosenKinds |= kinds[i].kind;
        }
    }
    const char* path = getenv("NIMBREL_FAULT_PATH");
    snprintf(pattern, sizeof pattern, "%s", path && *path ? path : "*");
    const char* at = getenv("NIMBREL_FAULT_AT");
    failAt = at ? atol(at) : 0;
    const char* from = getenv("NIMBREL_FAULT_ONWARD");
    onward = from && strcmp(from, "1") == 0;
    const char* err = getenv("NIMBREL_FAULT_ERRNO");
    failWith = EIO;
    if (err && *err) {
        failWith = atoi(err);
        for (size_t i = 0; i < sizeof errnos / sizeof errnos[0]; ++i)
            if (strcmp(errnos[i].name, err) == 0)
                failWith = errnos[i].value;
    }
    __atomic_store_n(&seen, 0, __ATOMIC_SEQ_CST);
    __atomic_store_n(&fired, NULL, __ATOMIC_SEQ_CST);
    return 0;
}

long nimbrel_fault_count(void)
{
    return __atomic_load_n(&seen, __ATOMIC_SEQ_CST);
}

const char* nimbrel_fault_fired(void)
{
    return __atomic_load_n(&fired, __ATOMIC_SEQ_CST);
}

__attribute__((constructor)) static void configure(void)
{
    nimbrel_fault_reset();
}

// The path of what fd refers to, or "" when it has none.
static void fdPath(int fd, char* out)
{
    char link[64];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, out, PATH_MAX - 1);
    out[n > 0 ? n : 0] = '\0';
}

// path made absolute against the folder dirfd (or the current folder).
static void absolute(int dirfd, const char* path, char* out)
{
    if (path[0] == '/') {
        snprintf(out, PATH_MAX, "%s", path);
        return;
    }
    char base[PATH_MAX];
    if (dirfd == AT_FDCWD) {
        if (!getcwd(base, sizeof base))
            base[0] = '\0';
    } else {
        fdPath(dirfd, base);
    }
    snprintf(out, PATH_MAX, "%s/%s", base, path);
}

// Whether this call is the one to fail: it is of a chosen kind, on a matching path, and the
// k-th such call.
static int failsNow(int kind, const char* path, const char* other)
{
    if (!(chosenKinds & kind))
        return 0;
    if (fnmatch(pattern, path, 0) != 0 && (!other || fnmatch(pattern, other, 0) != 0))
        return 0;
    const long n = __atomic_add_fetch(&seen, 1, __ATOMIC_SEQ_CST);
    if (failAt <= 0 || (onward ? n < failAt : n != failAt))
        return 0;
    for (size_t i = 0; i < sizeof kinds / sizeof kinds[0]; ++i)
        if (kinds[i].kind == kind)
            __atomic_store_n(&fired, kinds[i].name, __ATOMIC_SEQ_CST);
    return 1;
}

static int failsOnFd(int kind, int fd)
{
    if (!(chosenKinds & kind))
        return 0;
    char path[PATH_MAX];
    fdPath(fd, path);
    return failsNow(kind, path, NULL);
}

static int failsAt(int kind, int dirfd, const char* path, int otherDirfd, const char* other)
{
    if (!(chosenKinds & kind))
        return 0;
    char full[PATH_MAX], otherFull[PATH_MAX];
    absolute(dirfd, path, full);
    if (other)
        absolute(otherDirfd, other, otherFull);
    return failsNow(kind, full, other ? otherFull : NULL);
}

#define FAIL_WITH_ERRNO                                                                                            \
    do {                                                                                                           \
        errno = failWith;                                                                                          \
        return -1;                                                                                                 \
    } while (0)

static int opensToWrite(int flags)
{
    return (flags & (O_WRONLY | O_RDWR | O_CREAT | O_TRUNC)) != 0 || (flags & O_TMPFILE) == O_TMPFILE;
}

static int modeOf(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(args, int) : 0;
}

#define OPEN_AT(name)                                                                                              \
    int name(int dirfd, const char* path, int flags, ...)                                                          \
    {                                                                                                              \
        REAL(int, name, int, const char*, int, ...)                                                                \
        va_list args;                                                                                              \
        va_start(args, flags);                                                                                     \
        const int mode = modeOf(flags, args);                                                                      \
        va_end(args);                                                                                              \
        if (opensToWrite(flags) && failsAt(Open, dirfd, path, 0, NULL))                                            \
            FAIL_WITH_ERRNO;                                                                                       \
        return real_##name(dirfd, path, flags, mode);                                                              \
    }
OPEN_AT(openat)
OPEN_AT(openat64)

#define OPEN(name)                                                                                                 \
    int name(const char* path, int flags, ...)                                                                     \
    {                                                                                                              \
        REAL(int, name, const char*, int, ...)                                                                     \
        va_list args;                                                                                              \
        va_start(args, flags);                                                                                     \
        const int mode = modeOf(flags, args);                                                                      \
        va_end(args);                                                                                              \
        if (opensToWrite(flags) && failsAt(Open, AT_FDCWD, path, 0, NULL))                                         \
            FAIL_WITH_ERRNO;                                                                                       \
        return real_##name(path, flags, mode);                                                                     \
    }
OPEN(open)
OPEN(open64)

int creat(const char* path, mode_t mode)
{
    return open(path, O_CREAT | O_WRONLY | O_TRUNC, mode);
}

int creat64(const char* path, mode_t mode)
{
    return open64(path, O_CREAT | O_WRONLY | O_TRUNC, mode);
}

ssize_t write(int fd, const void* buffer, size_t count)
{
    REAL(ssize_t, write, int, const void*, size_t)
    if (failsOnFd(Write, fd))
        FAIL_WITH_ERRNO;
    return real_write(fd, buffer, count);
}

#define PWRITE(name, offset_t)                                                                                     \
    ssize_t name(int fd, const void* buffer, size_t count, offset_t offset)                                       \
    {                                                                                                              \
        REAL(ssize_t, name, int, const void*, size_t, offset_t)                                                    \
        if (failsOnFd(Write, fd))                                                                                  \
            FAIL_WITH_ERRNO;                                                                                       \
        return real_##name(fd, buffer, count, offset);                                                             \
    }
PWRITE(pwrite, off_t)
PWRITE(pwrite64, off64_t)

ssize_t writev(int fd, const struct iovec* vector, int count)
{
    REAL(ssize_t, writev, int, const struct iovec*, int)
    if (failsOnFd(Write, fd))
        FAIL_WITH_ERRNO;
    return real_writev(fd, vector, count);
}

#define PWRITEV(name, offset_t)                                                                                    \
    ssize_t name(int fd, const struct iovec* vector, int count, offset_t offset)                                  \
    {                                                                                                              \
        REAL(ssize_t, name, int, const struct iovec*, int, offset_t)                                               \
        if (failsOnFd(Write, fd))                                                                                  \
            FAIL_WITH_ERRNO;                                                                                       \
        return real_##name(fd, vector, count, offset);                                                             \
    }
PWRITEV(pwritev, off_t)
PWRITEV(pwritev64, off64_t)

int fsync(int fd)
{
    REAL(int, fsync, int)
    if (failsOnFd(Fsync, fd))
        FAIL_WITH_ERRNO;
    return real_fsync(fd);
}

int fdatasync(int fd)
{
    REAL(int, fdatasync, int)
    if (failsOnFd(Fdatasync, fd))
        FAIL_WITH_ERRNO;
    return real_fdatasync(fd);
}

#define FTRUNCATE(name, offset_t)                                                                                  \
    int name(int fd, offset_t length)                                                                              \
    {                                                                                                              \
        REAL(int, name, int, offset_t)                                                                             \
        if (failsOnFd(Ftruncate, fd))                                                                              \
            FAIL_WITH_ERRNO;                                                                                       \
        return real_##name(fd, length);                                                                            \
    }
FTRUNCATE(ftruncate, off_t)
FTRUNCATE(ftruncate64, off64_t)

int link(const char* from, const char* to)
{
    REAL(int, link, const char*, const char*)
    if (failsAt(Link, AT_FDCWD, from, AT_FDCWD, to))
        FAIL_WITH_ERRNO;
    return real_link(from, to);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    REAL(int, linkat, int, const char*, int, const char*, int)
    // An unnamed file is given its name through /proc/self/fd/N (or an empty path and
    // AT_EMPTY_PATH): match the file's own path then.
    char fromPath[PATH_MAX];
    int fd = -1;
    if ((flags & AT_EMPTY_PATH) && from[0] == '\0')
        fd = fromDir;
    else if (sscanf(from, "/proc/self/fd/%d", &fd) != 1)
        fd = -1;
    if (fd >= 0)
        fdPath(fd, fromPath);
    if (failsAt(Link, fromDir, fd >= 0 ? fromPath : from, toDir, to))
        FAIL_WITH_ERRNO;
    return real_linkat(fromDir, from, toDir, to, flags);
}

int rename(const char* from, const char* to)
{
    REAL(int, rename, const char*, const char*)
    if (failsAt(Rename, AT_FDCWD, from, AT_FDCWD, to))
        FAIL_WITH_ERRNO;
    return real_rename(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    REAL(int, renameat, int, const char*, int, const char*)
    if (failsAt(Rename, fromDir, from, toDir, to))
        FAIL_WITH_ERRNO;
    return real_renameat(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags)
{
    REAL(int, renameat2, int, const char*, int, const char*, unsigned int)
    if (failsAt(Rename, fromDir, from, toDir, to))
        FAIL_WITH_ERRNO;
    return real_renameat2(fromDir, from, toDir, to, flags);
}

int unlink(const char* path)
{
    REAL(int, unlink, const char*)
    if (failsAt(Unlink, AT_FDCWD, path, 0, NULL))
        FAIL_WITH_ERRNO;
    return real_unlink(path);
}

int unlinkat(int dirfd, const char* path, int flags)
{
    REAL(int, unlinkat, int, const char*, int)
    if (failsAt(Unlink, dirfd, path, 0, NULL))
        FAIL_WITH_ERRNO;
    return real_unlinkat(dirfd, path, flags);
}

int close(int fd)
{
    REAL(int, close, int)
    const int fails = failsOnFd(Close, fd);
    const int rc = real_close(fd);
    if (fails)
        FAIL_WITH_ERRNO;
    return rc;
}
