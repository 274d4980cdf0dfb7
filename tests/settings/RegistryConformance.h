#pragma once

// What the settings store relies on from a registry backend, as one table of cases that
// every backend must pass: the SQLite hive on Linux (Qt Test) and the Win32 registry
// under Wine (plain test). Plain C++ on purpose. Each case works below a root key path
// that does not exist yet, and says what went wrong in *why.

#include "settings/RegistryApi.h"

#include <algorithm>
#include <string>
#include <vector>

namespace RegistryConformance {

using Api = RegistryApi;

struct Value
{
    std::string name;
    std::uint32_t type = 0;
    std::string data;
    bool operator==(const Value&) const = default;
    bool operator<(const Value& o) const { return name < o.name; }
};

// Bytes for a message, NULs shown as \0.
inline std::string shown(const std::string& bytes)
{
    std::string out;
    for (char ch : bytes)
        out += ch == '\0' ? std::string("\\0") : std::string(1, ch);
    return out;
}

// Text as the store writes it: the characters and one NUL.
inline std::string sz(const std::string& text)
{
    return text + std::string(1, '\0');
}

struct Context
{
    Api& api;
    std::string root;
    std::string why;
    // Values enumerate in creation order (the hive; Wine's registry sorts them by name).
    bool keepsOrder = true;

    bool fail(std::string what)
    {
        why = std::move(what);
        return false;
    }

    Api::Result create(const std::string& path, RegistryKey& key) { return api.createKey(root + path, key.out()); }
    Api::Result open(const std::string& path, std::uint32_t access, RegistryKey& key)
    {
        return api.openKey(root + path, access, key.out());
    }
    Api::Result set(const RegistryKey& key, Api::ValueName name, const std::string& bytes,
                    std::uint32_t type = Api::RegSz)
    {
        return api.setValue(key.get(), name, type, reinterpret_cast<const std::uint8_t*>(bytes.data()),
                            static_cast<std::uint32_t>(bytes.size()));
    }
    // The value's data, or nothing with the failing code in *rc; sized first, then read,
    // as the settings store does.
    bool get(const RegistryKey& key, Api::ValueName name, std::string* bytes, Api::Result* rc = nullptr)
    {
        std::uint32_t size = 0;
        Api::Result r = api.queryValue(key.get(), name, nullptr, nullptr, &size);
        if (r == Api::Success) {
            bytes->assign(size, '\0');
            std::uint32_t length = size;
            r = api.queryValue(key.get(), name, nullptr, reinterpret_cast<std::uint8_t*>(bytes->data()), &length);
            bytes->resize(length);
        }
        if (rc)
            *rc = r;
        return r == Api::Success;
    }
    // Every value, through enumeration with buffers sized by queryInfoKey, sorted by name
    // (the enumeration order is the backend's own) unless asked in enumeration order.
    bool all(const RegistryKey& key, std::vector<Value>* values, bool sorted = true)
    {
        std::uint32_t longestName = 0;
        std::uint32_t longestData = 0;
        if (api.queryInfoKey(key.get(), &longestName, &longestData) != Api::Success)
            return fail("queryInfoKey failed");
        std::vector<char> name(longestName + 1);
        std::string data(longestData + 1, '\0');
        values->clear();
        for (std::uint32_t index = 0;; ++index) {
            auto nameLength = static_cast<std::uint32_t>(name.size());
            auto dataLength = static_cast<std::uint32_t>(data.size());
            std::uint32_t type = 0;
            const Api::Result r = api.enumValue(key.get(), index, name.data(), &nameLength, &type,
                                                reinterpret_cast<std::uint8_t*>(data.data()), &dataLength);
            if (r == Api::NoMoreItems)
                break;
            if (r != Api::Success)
                return fail("enumValue " + std::to_string(index) + " gave " + std::to_string(r));
            values->push_back({std::string(name.data(), nameLength), type, data.substr(0, dataLength)});
        }
        if (sorted)
            std::sort(values->begin(), values->end());
        return true;
    }

    // Replaces the values of root + path with "name=text" rows (texts stored with their NUL).
    Api::Result replace(const std::string& path, const std::vector<std::string>& rows)
    {
        std::vector<std::string> texts;
        for (const std::string& row : rows)
            texts.push_back(sz(row.substr(row.find('=') + 1)));
        std::vector<Api::Value> values;
        for (std::size_t i = 0; i < rows.size(); ++i)
            values.push_back({std::string_view(rows[i]).substr(0, rows[i].find('=')), Api::RegSz, texts[i]});
        return api.replaceValues(root + path, values);
    }
    // Whether root + path holds exactly these "name=data" rows, in this order where the
    // backend keeps creation order.
    bool holds(const std::string& path, std::vector<std::string> rows)
    {
        RegistryKey key(api);
        std::vector<Value> values;
        if (open(path, Api::KeyRead, key) != Api::Success || !all(key, &values, !keepsOrder))
            return fail(path + " does not open or enumerate");
        std::string found;
        for (const Value& v : values)
            found += " " + v.name + "=" + shown(v.data);
        if (!keepsOrder)
            std::sort(rows.begin(), rows.end());
        std::string expected;
        for (const std::string& row : rows)
            expected += " " + row + "\\0";
        return found == expected || fail(path + " holds" + found + " instead of" + expected);
    }
};

inline bool missingKeyDoesNotOpen(Context& c)
{
    RegistryKey read(c.api), write(c.api);
    if (c.open("", Api::KeyRead, read) == Api::Success || c.open("", Api::KeyAllAccess, write) == Api::Success)
        return c.fail("a missing key opened");
    return true;
}

inline bool createMakesEveryKeyOfThePath(Context& c)
{
    RegistryKey leaf(c.api), middle(c.api), top(c.api);
    if (c.create("\\A\\B\\C", leaf) != Api::Success)
        return c.fail("createKey failed");
    if (c.open("\\A\\B", Api::KeyAllAccess, middle) != Api::Success || c.open("", Api::KeyRead, top) != Api::Success)
        return c.fail("a key along the path is missing");
    return true;
}

inline bool textRoundTrips(Context& c)
{
    RegistryKey key(c.api);
    c.create("\\S", key);
    // "Müller" in UTF-8: ANSI on Windows, so it must come back whole through the conversion.
    const std::string texts[] = {sz("0"), sz("M\xc3\xbcller"), sz("")};
    for (const std::string& text : texts) {
        std::string back;
        if (c.set(key, "Value", text) != Api::Success || !c.get(key, "Value", &back))
            return c.fail("set or get failed");
        if (back != text)
            return c.fail("stored \"" + shown(text) + "\" came back as \"" + shown(back) + "\"");
    }
    return true;
}

inline bool valueWithoutData(Context& c)
{
    RegistryKey key(c.api);
    c.create("\\S", key);
    std::uint32_t size = 99;
    if (c.set(key, "NoData", std::string()) != Api::Success ||
        c.api.queryValue(key.get(), "NoData", nullptr, nullptr, &size) != Api::Success || size != 0)
        return c.fail("a value without data does not read as size 0");
    std::string back;
    if (c.get(key, "Missing", &back))
        return c.fail("a missing value was found");
    return true;
}

inline bool unnamedDefaultValue(Context& c)
{
    RegistryKey key(c.api);
    c.create("\\S", key);
    c.set(key, std::nullopt, sz("dflt"));
    c.set(key, "Named", sz("n"));
    std::string back;
    if (!c.get(key, std::nullopt, &back) || back != sz("dflt"))
        return c.fail("the unnamed value did not read back");
    std::vector<Value> values;
    if (!c.all(key, &values))
        return false;
    if (values != std::vector<Value>{{"", Api::RegSz, sz("dflt")}, {"Named", Api::RegSz, sz("n")}})
        return c.fail("enumeration does not give the unnamed value as \"\"");
    if (c.api.deleteValue(key.get(), std::nullopt) != Api::Success || c.get(key, std::nullopt, &back) ||
        !c.get(key, "Named", &back))
        return c.fail("deleting the unnamed value did not delete exactly it");
    return true;
}

inline bool namesCompareCaseInsensitively(Context& c)
{
    RegistryKey key(c.api), again(c.api);
    c.create("\\Options", key);
    c.set(key, "Sound", sz("0"));
    c.set(key, "SOUND", sz("1"));
    std::string back;
    if (c.open("\\OPTIONS", Api::KeyAllAccess, again) != Api::Success || !c.get(again, "sound", &back) ||
        back != sz("1"))
        return c.fail("a name spelt otherwise is another value");
    std::vector<Value> values;
    if (!c.all(key, &values))
        return false;
    if (values.size() != 1 || values[0].name != "Sound")
        return c.fail("rewriting made a second value or lost the first spelling");
    return true;
}

// The letters at both ends of A to Z fold; @ and [, just outside them, do not.
inline bool foldingEndsAtAAndZ(Context& c)
{
    RegistryKey key(c.api);
    c.create("\\Fold", key);
    for (const char* name : {"a", "z", "`", "{"}) // "`" and "{" are "@" and "[" folded as letters would be
        c.set(key, name, sz(name));
    std::string back;
    for (const char* name : {"A", "Z"})
        if (!c.get(key, name, &back))
            return c.fail(std::string(name) + " is not the same name as its small letter");
    for (const char* name : {"@", "["})
        if (c.get(key, name, &back))
            return c.fail(std::string(name) + " is taken for another character");
    return true;
}

inline bool deletingWhatIsMissingFails(Context& c)
{
    RegistryKey key(c.api);
    c.create("", key);
    if (c.api.deleteValue(key.get(), "Nope") == Api::Success ||
        c.api.deleteValue(key.get(), std::nullopt) == Api::Success ||
        c.api.deleteKey(key.get(), "Nope") == Api::Success)
        return c.fail("deleting something missing succeeded");
    return true;
}

inline bool keyWithSubkeysIsNotDeleted(Context& c)
{
    RegistryKey top(c.api), inner(c.api), section(c.api);
    c.create("", top);
    c.create("\\S\\Inner", inner);
    c.open("\\S", Api::KeyAllAccess, section);
    c.set(section, "Name0", sz("Ann"));
    std::string back;
    if (c.api.deleteKey(top.get(), "S") == Api::Success || !c.get(section, "Name0", &back))
        return c.fail("a key with a subkey was deleted");
    if (c.api.deleteKey(section.get(), "INNER") != Api::Success || c.api.deleteKey(top.get(), "s") != Api::Success)
        return c.fail("a key without subkeys was not deleted");
    RegistryKey gone(c.api);
    if (c.open("\\S", Api::KeyRead, gone) == Api::Success)
        return c.fail("the deleted key still opens");
    return true;
}

inline bool enumerationGivesTypesAndEnds(Context& c)
{
    RegistryKey key(c.api);
    c.create("\\Mixed", key);
    const std::vector<Value> expected{{"Binary", Api::RegBinary, std::string(300, '\xe9')},
                                      {"Dword", Api::RegDword, std::string("\x01\0\0\0", 4)},
                                      {"Text", Api::RegSz, sz("t")}};
    for (const Value& v : expected)
        c.set(key, v.name, v.data, v.type);
    std::vector<Value> values;
    if (!c.all(key, &values))
        return false;
    if (values != expected)
        return c.fail("enumeration lost a value, its type or its bytes");
    return true;
}

inline bool replaceMakesTheKeyHoldExactlyTheValues(Context& c)
{
    using Rows = std::vector<std::string>;
    struct Row
    {
        Rows before;
        Rows given;
        Rows after;
    };
    const Rows abc{"A=1", "B=2", "C=3"};
    const Row table[] = {
        {abc, abc, abc},
        {abc, {"A=1", "B=x", "C=3"}, {"A=1", "B=x", "C=3"}},
        {abc, {"A=1", "B=2"}, {"A=1", "B=2"}},
        {abc, {"A=1", "B=2", "C=3", "D=4"}, {"A=1", "B=2", "C=3", "D=4"}},
        {abc, {"A=1", "C=3"}, {"A=1", "C=3"}},
        {abc, {"A=1", "C=3", "B=2"}, {"A=1", "C=3", "B=2"}},
        {abc, {"Z=0", "A=1", "B=2"}, {"Z=0", "A=1", "B=2"}},
        {abc, {"a=1", "B=2", "c=3"}, {"a=1", "B=2", "c=3"}},
        {abc, {"A=1", "b=2", "B=9", "C=3"}, {"A=1", "b=9", "C=3"}}, // one value, its first place
        {{}, {"A=1"}, {"A=1"}},                                     // a new key, and its path
    };
    int n = 0;
    for (const Row& row : table) {
        const std::string path = "\\New\\List" + std::to_string(n++);
        if (!row.before.empty() && (c.replace(path, row.before) != Api::Success || !c.holds(path, row.before)))
            return c.fail("the old values of " + path + " were not written");
        if (c.replace(path, row.given) != Api::Success)
            return c.fail("replacing the values of " + path + " failed");
        if (!c.holds(path, row.after))
            return false;
    }
    return true;
}

inline bool replaceWithNothingDeletesTheKey(Context& c)
{
    RegistryKey key(c.api);
    if (c.replace("\\List", {"A=1"}) != Api::Success || c.replace("\\List", {}) != Api::Success ||
        c.open("\\List", Api::KeyRead, key) != Api::FileNotFound)
        return c.fail("replacing the values with none left the key");
    if (c.replace("\\List", {}) != Api::Success)
        return c.fail("replacing the values of a missing key with none failed");
    return true;
}

inline bool replaceLeavesOtherKeysAlone(Context& c)
{
    RegistryKey top(c.api), other(c.api);
    c.create("", top);
    c.create("\\Other", other);
    c.set(top, "T", sz("t"));
    c.set(other, "A", sz("other"));
    if (c.replace("\\List", {"A=1", "B=2"}) != Api::Success || c.replace("\\List", {"B=3"}) != Api::Success)
        return c.fail("replacing failed");
    if (!c.holds("", {"T=t"}) || !c.holds("\\Other", {"A=other"}) || !c.holds("\\List", {"B=3"}))
        return false;
    // Like deleteKey, replacing refuses a key with subkeys.
    if (c.replace("", {"T=new"}) == Api::Success || !c.holds("", {"T=t"}))
        return c.fail("the values of a key with subkeys were replaced");
    return true;
}

// Only where batches are transactions (not the Win32 registry).
inline bool replaceRolledBackLeavesTheOldValues(Context& c)
{
    if (c.replace("\\List", {"A=1", "B=2", "C=3"}) != Api::Success || c.api.beginBatch() != Api::Success)
        return c.fail("no batch");
    const bool replaced = c.replace("\\List", {"B=9", "D=4"}) == Api::Success && c.holds("\\List", {"B=9", "D=4"});
    const bool rolledBack = c.api.rollbackBatch() == Api::Success;
    if (!replaced || !rolledBack)
        return c.fail("inside the batch the new values were not seen, or the batch did not roll back");
    return c.holds("\\List", {"A=1", "B=2", "C=3"});
}

struct Case
{
    const char* name;
    bool (*run)(Context&);
    bool needsTransactions = false;
};

inline const std::vector<Case>& cases()
{
    static const std::vector<Case> all{
        {"missing key does not open", missingKeyDoesNotOpen},
        {"create makes every key of the path", createMakesEveryKeyOfThePath},
        {"text round trips", textRoundTrips},
        {"value without data", valueWithoutData},
        {"unnamed default value", unnamedDefaultValue},
        {"names compare case-insensitively", namesCompareCaseInsensitively},
        {"folding ends at A and Z", foldingEndsAtAAndZ},
        {"deleting what is missing fails", deletingWhatIsMissingFails},
        {"key with subkeys is not deleted", keyWithSubkeysIsNotDeleted},
        {"enumeration gives types and ends", enumerationGivesTypesAndEnds},
        {"replace makes the key hold exactly the values", replaceMakesTheKeyHoldExactlyTheValues},
        {"replace with nothing deletes the key", replaceWithNothingDeletesTheKey},
        {"replace leaves other keys alone", replaceLeavesOtherKeysAlone},
        {"replace rolled back leaves the old values", replaceRolledBackLeavesTheOldValues, true},
    };
    return all;
}

} // namespace RegistryConformance
