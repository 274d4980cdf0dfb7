#pragma once

#include <QByteArray>
#include <QString>

#include <dlfcn.h>

// Drives the fault-injection shim (faultinject.c) from a test that runs with it preloaded:
// arm() makes the k-th matching call fail, count() tells how many matching calls came.
namespace FaultInjection {

template <typename Function> Function shim(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

// Whether the shim is loaded into this process.
inline bool loaded()
{
    return shim<long (*)()>("nimbrel_fault_reset") != nullptr;
}

// From now on the k-th call of the kinds in calls ("write,fsync,...") on a path matching
// pattern fails with the errno named, and with onward every one after it too; k = 0 only
// counts the calls.
inline void arm(const QByteArray& calls, const QString& pattern, long k, const QByteArray& errnoName = "EIO",
                bool onward = false)
{
    qputenv("NIMBREL_FAULT_ONWARD", onward ? "1" : "0");
    qputenv("NIMBREL_FAULT_CALLS", calls);
    qputenv("NIMBREL_FAULT_PATH", pattern.toLocal8Bit());
    qputenv("NIMBREL_FAULT_AT", QByteArray::number(qint64(k)));
    qputenv("NIMBREL_FAULT_ERRNO", errnoName);
    shim<long (*)()>("nimbrel_fault_reset")();
}

// The matching calls since arm().
inline long count()
{
    return shim<long (*)()>("nimbrel_fault_count")();
}

// The kind of the call that failed ("write", "fdatasync", ...), or "" while none has.
inline QByteArray fired()
{
    return QByteArray(shim<const char* (*)()>("nimbrel_fault_fired")());
}

// Back to letting every call through.
inline void disarm()
{
    qunsetenv("NIMBREL_FAULT_CALLS");
    shim<long (*)()>("nimbrel_fault_reset")();
}

} // namespace FaultInjection
