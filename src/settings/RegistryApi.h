#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The few registry operations the settings store needs, shaped after the Win32 registry so
// that the Windows registry and our own SQLite hive can stand behind the same calls. Every
// path is relative to HKEY_CURRENT_USER and uses '\' between keys. Names and text data are
// UTF-8 bytes; result codes are the Win32 error numbers. Nothing here throws.
class RegistryApi
{
public:
    // An open key; 0 is never a valid handle.
    using Handle = std::uintptr_t;
    using Result = long;
    // No name at all: the key's unnamed default value.
    using ValueName = std::optional<std::string_view>;

    // Result codes (the Win32 numbers; names differ from the <windows.h> macros on purpose).
    static constexpr Result Success = 0;
    static constexpr Result FileNotFound = 2;
    static constexpr Result AccessDenied = 5;
    static constexpr Result InvalidHandle = 6;
    static constexpr Result DiskFull = 112;
    static constexpr Result Busy = 170; // another process holds the store's write lock
    static constexpr Result BadPathname = 161;
    static constexpr Result MoreData = 234;
    static constexpr Result NoMoreItems = 259;
    static constexpr Result KeyHasChildren = 1020;
    static constexpr Result Failure = 1627; // ERROR_FUNCTION_FAILED: the store itself failed

    // Access rights for openKey.
    static constexpr std::uint32_t KeyRead = 0x20019;
    static constexpr std::uint32_t KeyAllAccess = 0xF003F;

    // Value types.
    static constexpr std::uint32_t RegNone = 0;
    static constexpr std::uint32_t RegSz = 1;
    static constexpr std::uint32_t RegBinary = 3;
    static constexpr std::uint32_t RegDword = 4;

    virtual ~RegistryApi() = default;

    // Opens an existing key. Asking for write access where the store cannot be written
    // gives AccessDenied; a missing key gives FileNotFound.
    virtual Result openKey(std::string_view path, std::uint32_t access, Handle* key) = 0;
    // Opens a key for all access, creating every missing key along the path.
    virtual Result createKey(std::string_view path, Handle* key) = 0;
    // With data null: *length becomes the data's size. Otherwise *length is the buffer's size
    // on the way in and the data's size on the way out (MoreData when the buffer is short).
    // type may be null.
    virtual Result queryValue(Handle key, ValueName name, std::uint32_t* type, std::uint8_t* data,
                              std::uint32_t* length) = 0;
    // The longest value name (chars, without NUL) and the longest value data (bytes), or
    // bounds above them (enough to size buffers by).
    virtual Result queryInfoKey(Handle key, std::uint32_t* maxValueNameLength, std::uint32_t* maxValueLength) = 0;
    // The value at index: creation order on the SQLite hive, the registry's own order on
    // Windows (Wine's is by name), which need not be the order of writing. *nameLength:
    // buffer size in chars on the way in, name length without its NUL on the way out;
    // *dataLength as in queryValue. NoMoreItems past the last value.
    virtual Result enumValue(Handle key, std::uint32_t index, char* name, std::uint32_t* nameLength,
                             std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataLength) = 0;
    // Stores data as given (text values include their NUL). A rewritten value keeps its place.
    virtual Result setValue(Handle key, ValueName name, std::uint32_t type, const std::uint8_t* data,
                            std::uint32_t length) = 0;
    virtual Result deleteValue(Handle key, ValueName name) = 0;
    // Deletes a direct subkey and its values; fails when it has subkeys (KeyHasChildren on
    // the hive, AccessDenied on the Win32 registry).
    virtual Result deleteKey(Handle key, std::string_view subKey) = 0;
    virtual Result closeKey(Handle key) = 0;

    // One value for replaceValues.
    struct Value
    {
        ValueName name;
        std::uint32_t type = RegSz;
        std::string_view data; // as setValue stores it (text with its NUL)
    };
    // Makes the key at path hold exactly these values, in this order, as deleting it and
    // writing it anew would: missing keys along the path are created, and with no values
    // the key itself goes (a missing key is no failure). Like deleteKey, it refuses a key
    // that has subkeys. A name given twice is one value: its first place and spelling, the
    // last data. Outside a batch the hive does it all or nothing; inside one it is part of
    // the batch, to be rolled back with it on a failure. The Win32 registry, without
    // transactions, may stop part way.
    virtual Result replaceValues(std::string_view path, std::span<const Value> values) = 0;

    // One all-or-nothing batch of changes. A store without transactions returns Success and
    // applies each change at once.
    virtual Result beginBatch() = 0;
    virtual Result commitBatch() = 0;
    virtual Result rollbackBatch() = 0;
    // beginBatch, waiting up to maxWaitMs for another process's write lock instead of the
    // store's usual few seconds. Busy when it was still held.
    virtual Result beginBatchWaiting(std::uint32_t maxWaitMs)
    {
        (void)maxWaitMs;
        return beginBatch();
    }

    // Reads between beginRead and endRead see one state of the store, whatever another
    // process commits meanwhile (a list read while another copy saves is the old list or
    // the new one, never part of each). A store that cannot do this reads as it goes.
    virtual Result beginRead() { return Success; }
    virtual Result endRead() { return Success; }

    // Where the store lives, to tell the user (a file path); empty when there is nothing to say.
    virtual std::string location() const { return {}; }
    // Where a damaged store found on opening was kept aside, once; empty otherwise.
    virtual std::string takeDamagedCopy() { return {}; }
    // True when the store was written by a newer version of the program: it is then read
    // as far as this version understands it, and never written.
    virtual bool newerVersion() { return false; }
};

// An open key that closes itself.
// One consistent view of the store for as long as it lives (beginRead/endRead).
class RegistryReadSnapshot
{
public:
    explicit RegistryReadSnapshot(RegistryApi& api) : m_api(api), m_open(api.beginRead() == RegistryApi::Success) {}
    ~RegistryReadSnapshot()
    {
        if (m_open)
            m_api.endRead();
    }
    RegistryReadSnapshot(const RegistryReadSnapshot&) = delete;
    RegistryReadSnapshot& operator=(const RegistryReadSnapshot&) = delete;

private:
    RegistryApi& m_api;
    bool m_open;
};

class RegistryKey
{
public:
    explicit RegistryKey(RegistryApi& api) : m_api(api) {}
    ~RegistryKey()
    {
        if (m_handle != 0)
            m_api.closeKey(m_handle);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    RegistryApi::Handle get() const { return m_handle; }
    // For the open/create call to fill in.
    RegistryApi::Handle* out() { return &m_handle; }

private:
    RegistryApi& m_api;
    RegistryApi::Handle m_handle = 0;
};
