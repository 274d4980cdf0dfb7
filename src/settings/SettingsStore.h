#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// How a write to the store went; carried as it is up to the message the user sees.
enum class StoreStatus { Ok, Busy, ReadOnly, DiskFull, Failed };

// Where the program keeps its values between runs: sections of named text values. A section
// is a key path below HKEY_CURRENT_USER, '\' between keys (the program's are below
// Software\Quorvane\Nimbrel). Names compare case-insensitively (ASCII at least) and keep
// their first spelling; names and texts are UTF-8. Nothing is cached, so another running
// copy's writes show at once. Nothing throws. Qt-free: the Windows store is built without Qt.
class SettingsStore
{
public:
    // One (value name, text) pair of a section.
    using Row = std::pair<std::string, std::string>;

    virtual ~SettingsStore() = default;

    // A value's text, whatever its type; nothing when there is no value or it has no data.
    virtual std::optional<std::string> value(std::string_view section, std::string_view name) = 0;
    // Stores a text value, making the section and those above it as needed. A rewritten
    // value keeps its place among the section's rows.
    virtual StoreStatus setValue(std::string_view section, std::string_view name, std::string_view text) = 0;
    // The section's text values (not other types) as one state of the store, in its order:
    // the SQLite file's is that of first writing, the registry's its own (Wine's is by name).
    virtual std::vector<Row> rows(std::string_view section) = 0;
    // Makes the section hold exactly these rows, in this order, as deleting it and writing
    // it anew would; with no rows the section goes (a missing one is no failure). A section
    // that has sections below it is refused. A name given twice is one value: its first
    // place and spelling, the last text. The SQLite file does it all or nothing and waits
    // up to maxWaitMs for another copy's write lock (Busy when it is still held); the
    // registry, which has no transactions here, may stop part way.
    virtual StoreStatus replaceRows(std::string_view section, std::span<const Row> rows, std::uint32_t maxWaitMs) = 0;
    // Deletes one value; a value or section that is not there is no failure. The section
    // stays, even when it is left empty.
    virtual StoreStatus deleteValue(std::string_view section, std::string_view name) = 0;

    // One section's new rows, for replaceSections.
    struct SectionRows
    {
        std::string_view section;
        std::span<const Row> rows;
    };
    // Replaces several sections as replaceRows does each, in the order given. A store with
    // transactions overrides it to do them all or none (the SQLite file: one transaction,
    // one wait for the write lock); this one writes them one after the other and stops at
    // the first failure, the registry's way.
    virtual StoreStatus replaceSections(std::span<const SectionRows> sections, std::uint32_t maxWaitMs)
    {
        for (const SectionRows& s : sections) {
            if (const StoreStatus status = replaceRows(s.section, s.rows, maxWaitMs); status != StoreStatus::Ok)
                return status;
        }
        return StoreStatus::Ok;
    }

    // The section's value names (text values only), in the order rows() gives them, without
    // reading their texts: a section of big values is listed cheaply.
    virtual std::vector<std::string> valueNames(std::string_view section) = 0;

    // One write for apply(): the text stored under the value's name, or the value deleted.
    struct Change
    {
        std::string section;
        std::string name;
        std::optional<std::string> text; // none: delete the value
    };
    // Stores and deletes values as setValue and deleteValue do, in the order given. A store
    // with transactions overrides it to do them all or none (the SQLite file: one transaction,
    // one wait for the write lock); this one stops at the first failure, the registry's way.
    virtual StoreStatus apply(std::span<const Change> changes, std::uint32_t maxWaitMs)
    {
        (void)maxWaitMs;
        for (const Change& c : changes) {
            const StoreStatus status = c.text ? setValue(c.section, c.name, *c.text) : deleteValue(c.section, c.name);
            if (status != StoreStatus::Ok)
                return status;
        }
        return StoreStatus::Ok;
    }
    // Gives the room that deleted values took back to the file system; nothing to do for a
    // store that does so itself (the registry).
    virtual StoreStatus compact() { return StoreStatus::Ok; }

    // The file the store lives in, to tell the user; empty when there is none.
    virtual std::string location() const { return {}; }
    // Where a damaged store found on opening was kept aside, once; empty otherwise.
    virtual std::string takeDamagedCopy() { return {}; }
    // True when the store may only be read: a read-only file, or a newer version's.
    virtual bool readOnly() { return false; }
    // True when a newer version of the program wrote the store: it is read as far as this
    // version understands it, and never written.
    virtual bool newerVersion() { return false; }
    // What a write would meet now, without trying one: Ok when the store may be written.
    virtual StoreStatus writability() { return readOnly() ? StoreStatus::ReadOnly : StoreStatus::Ok; }
    // A file other than the store's own that keeps it from being written (a companion file
    // another program holds and may not be written); empty when there is none.
    virtual std::string fileInTheWay() { return {}; }
    // True once after a write found that the store's file had been moved or deleted while
    // the program ran, and wrote a new one at location() with everything the old one held.
    virtual bool takeRecreated() { return false; }
};
