#pragma once

// What Settings relies on from a store, as one table of cases that every store must pass:
// the SQLite file on Linux (Qt Test) and the Windows registry under Wine (plain test).
// Plain C++ on purpose. Each case works below a root section that does not exist yet, and
// says what went wrong in *why.

#include "settings/SettingsStore.h"

#include <algorithm>
#include <string>
#include <vector>

namespace StoreConformance {

using Rows = std::vector<std::string>; // "name=text"

struct Context
{
    SettingsStore& store;
    std::string root;
    std::string why;
    // Rows come in the order of first writing (the SQLite file; Wine's registry sorts them).
    bool keepsOrder = true;

    bool fail(std::string what)
    {
        why = std::move(what);
        return false;
    }
    bool set(const std::string& section, const std::string& name, const std::string& text)
    {
        return store.setValue(root + section, name, text) == StoreStatus::Ok;
    }
    std::string get(const std::string& section, const std::string& name)
    {
        return store.value(root + section, name).value_or("(none)");
    }
    StoreStatus replace(const std::string& section, const Rows& rows)
    {
        std::vector<SettingsStore::Row> pairs;
        for (const std::string& row : rows)
            pairs.emplace_back(row.substr(0, row.find('=')), row.substr(row.find('=') + 1));
        return store.replaceRows(root + section, pairs, 1000);
    }
    // Whether the section holds exactly these rows, in this order where the store keeps it.
    bool holds(const std::string& section, Rows rows)
    {
        std::string found, expected;
        Rows stored;
        for (const auto& [name, text] : store.rows(root + section))
            stored.push_back(name + "=" + text);
        if (!keepsOrder) {
            std::sort(stored.begin(), stored.end());
            std::sort(rows.begin(), rows.end());
        }
        for (const std::string& row : stored)
            found += " " + row;
        for (const std::string& row : rows)
            expected += " " + row;
        return found == expected || fail(section + " holds" + found + " instead of" + expected);
    }
};

inline bool missingSectionHoldsNothing(Context& c)
{
    if (c.store.value(c.root + "\\S", "Value") || !c.store.rows(c.root + "\\S").empty())
        return c.fail("a missing section has values");
    return true;
}

inline bool textRoundTrips(Context& c)
{
    // "Müller" in UTF-8: ANSI on Windows, so it must come back whole through the conversion.
    for (const std::string text : {"0", "M\xc3\xbcller", ""}) {
        if (!c.set("\\S", "Value", text) || c.get("\\S", "Value") != text)
            return c.fail("stored \"" + text + "\" came back as \"" + c.get("\\S", "Value") + "\"");
    }
    if (c.store.value(c.root + "\\S", "Missing"))
        return c.fail("a missing value was found");
    return true;
}

inline bool writingMakesEverySectionOfThePath(Context& c)
{
    if (!c.set("\\A\\B\\C", "Deep", "d") || !c.set("\\A", "Top", "t"))
        return c.fail("writing failed");
    return c.get("\\A\\B\\C", "Deep") == "d" && c.holds("\\A", {"Top=t"}) && c.holds("\\A\\B", {});
}

// A rewritten value keeps its place and first spelling; @ and [, just outside A to Z, do not fold.
inline bool namesCompareCaseInsensitively(Context& c)
{
    c.set("\\Options", "Sound", "0");
    c.set("\\Options", "Two", "2");
    c.set("\\OPTIONS", "SOUND", "1");
    if (c.get("\\options", "sound") != "1")
        return c.fail("a name spelt otherwise is another value");
    if (!c.holds("\\Options", {"Sound=1", "Two=2"}))
        return false;
    for (const char* name : {"a", "z", "`", "{"}) // "`" and "{" are "@" and "[" folded as letters would be
        c.set("\\Fold", name, name);
    if (c.get("\\Fold", "A") != "a" || c.get("\\Fold", "Z") != "z")
        return c.fail("a capital is not the same name as its small letter");
    if (c.store.value(c.root + "\\Fold", "@") || c.store.value(c.root + "\\Fold", "["))
        return c.fail("@ or [ is taken for another character");
    return true;
}

inline bool replaceMakesTheSectionHoldExactlyTheRows(Context& c)
{
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
        {abc, {"A=x", "C=3"}, {"A=x", "C=3"}}, // a text rewritten, then the rest out of place
        {abc, {"a=x", "B=y"}, {"a=x", "B=y"}}, // rewritten, and the last row goes
        {abc, {"A=1", "C=3", "B=2"}, {"A=1", "C=3", "B=2"}},
        {abc, {"Z=0", "A=1", "B=2"}, {"Z=0", "A=1", "B=2"}},
        {abc, {"a=1", "B=2", "c=3"}, {"a=1", "B=2", "c=3"}},
        {abc, {"A=1", "b=2", "B=9", "C=3"}, {"A=1", "b=9", "C=3"}}, // one value, its first place
        {abc, {"A=", "B=M\xc3\xbcller"}, {"A=", "B=M\xc3\xbcller"}},
        {{}, {"A=1"}, {"A=1"}}, // a new section, and its path
        {abc, {}, {}},          // the section goes
        {{}, {}, {}},           // a missing one is no failure
    };
    int n = 0;
    for (const Row& row : table) {
        const std::string section = "\\New\\List" + std::to_string(n++);
        if (!row.before.empty() && (c.replace(section, row.before) != StoreStatus::Ok || !c.holds(section, row.before)))
            return c.fail("the old rows of " + section + " were not written");
        if (c.replace(section, row.given) != StoreStatus::Ok)
            return c.fail("replacing the rows of " + section + " failed");
        if (!c.holds(section, row.after))
            return false;
    }
    return true;
}

inline bool replaceLeavesOtherSectionsAlone(Context& c)
{
    c.set("", "T", "t");
    c.set("\\Other", "A", "other");
    if (c.replace("\\List", {"A=1", "B=2"}) != StoreStatus::Ok || c.replace("\\List", {"B=3"}) != StoreStatus::Ok)
        return c.fail("replacing failed");
    if (!c.holds("", {"T=t"}) || !c.holds("\\Other", {"A=other"}) || !c.holds("\\List", {"B=3"}))
        return false;
    if (c.replace("", {"T=new"}) == StoreStatus::Ok || !c.holds("", {"T=t"}))
        return c.fail("the rows of a section with sections below it were replaced");
    return true;
}

struct Case
{
    const char* name;
    bool (*run)(Context&);
};

inline bool deleteTakesOneValue(Context& c)
{
    if (!c.set("\\S", "A", "1") || !c.set("\\S", "B", "2") || !c.set("\\S\\Below", "A", "3"))
        return c.fail("could not write");
    // In any spelling; a value or section that is not there is no failure.
    for (const auto& [section, name] : {std::pair{"\\S", "a"}, {"\\S", "A"}, {"\\Missing", "A"}}) {
        if (c.store.deleteValue(c.root + section, name) != StoreStatus::Ok)
            return c.fail(std::string("deleting ") + section + " " + name + " failed");
    }
    return c.holds("\\S", {"B=2"}) && c.holds("\\S\\Below", {"A=3"});
}

// Each value longer than the one before, past any buffer a reader might start with, in
// the order of writing and of their names alike.
inline bool growingValuesReadBackWhole(Context& c)
{
    Rows rows;
    for (int i = 0; i < 12; ++i)
        rows.push_back(std::string("Value") + char('a' + i) + "=" + std::string(3000 * (i + 1), char('a' + i)));
    return (c.replace("\\Grow", rows) == StoreStatus::Ok || c.fail("writing failed")) && c.holds("\\Grow", rows);
}

// The sections only this program keeps keep every character: "Zoë 李 😀", in UTF-8.
inline bool ownSectionsKeepEveryCharacter(Context& c)
{
    const std::string text = "Zo\xc3\xab \xe6\x9d\x8e \xf0\x9f\x98\x80";
    for (const std::string section : {"\\Draws", "\\Set-Aside Names", "\\Draw Lists"}) {
        if (c.replace(section, {"Name0=" + text}) != StoreStatus::Ok || !c.holds(section, {"Name0=" + text}))
            return c.why.empty() ? c.fail("replacing " + section + " failed") : false;
        if (!c.set(section, "Name1", text) || c.get(section, "Name1") != text)
            return c.fail(section + " gave back \"" + c.get(section, "Name1") + "\"");
    }
    return true;
}

// A batch writes and deletes in its order; the names come without their texts.
inline bool batchesAndValueNames(Context& c)
{
    const std::string s = c.root + "\\S";
    const std::vector<SettingsStore::Change> changes{
        {s, "A", "1"}, {s, "Big", std::string(300000, 'x')}, {s, "a", std::nullopt}, {s, "C", "3"}, {s, "Gone", {}}};
    if (c.store.apply(changes, 1000) != StoreStatus::Ok || c.store.compact() != StoreStatus::Ok)
        return c.fail("the batch failed");
    std::vector<std::string> names = c.store.valueNames(s);
    if (!c.keepsOrder)
        std::sort(names.begin(), names.end());
    if (names != std::vector<std::string>{"Big", "C"} || c.get("\\S", "Big").size() != 300000)
        return c.fail("the batch left other values than Big and C");
    return c.store.valueNames(c.root + "\\Missing").empty() || c.fail("a missing section has value names");
}

inline const std::vector<Case>& cases()
{
    static const std::vector<Case> all{
        {"missing section holds nothing", missingSectionHoldsNothing},
        {"text round trips", textRoundTrips},
        {"writing makes every section of the path", writingMakesEverySectionOfThePath},
        {"names compare case-insensitively", namesCompareCaseInsensitively},
        {"replace makes the section hold exactly the rows", replaceMakesTheSectionHoldExactlyTheRows},
        {"replace leaves other sections alone", replaceLeavesOtherSectionsAlone},
        {"delete takes one value", deleteTakesOneValue},
        {"growing values read back whole", growingValuesReadBackWhole},
        {"own sections keep every character", ownSectionsKeepEveryCharacter},
        {"batches and value names", batchesAndValueNames},
    };
    return all;
}

} // namespace StoreConformance
