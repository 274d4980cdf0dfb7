#pragma once

#include "SettingsStore.h"

#include <set>

// Windows only. The current user's registry. Texts, value names and key paths go through
// the ANSI code page on their way in, as the program has always stored them (a character
// the code page lacks becomes '?'), so that values older versions wrote read the same;
// only the sections no older program shares (the draws' records, the names set aside) keep
// every character, in UTF-16. A section that could not be read whole reads as empty and
// is not replaced until it is read whole again. The
// registry has no transactions here: replaceRows deletes the section and writes it anew,
// and may stop part way; it does not wait for other copies. The order of a section's rows
// is the registry's own (Wine's is sorted by name; Windows documents none).
class Win32Store final : public SettingsStore
{
public:
    std::optional<std::string> value(std::string_view section, std::string_view name) override;
    StoreStatus setValue(std::string_view section, std::string_view name, std::string_view text) override;
    std::vector<Row> rows(std::string_view section) override;
    StoreStatus replaceRows(std::string_view section, std::span<const Row> rows, std::uint32_t maxWaitMs) override;
    StoreStatus deleteValue(std::string_view section, std::string_view name) override;
    std::vector<std::string> valueNames(std::string_view section) override;

private:
    std::set<std::string> m_unread; // sections (ASCII small letters) whose last read failed
};
