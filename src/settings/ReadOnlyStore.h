#pragma once

#include "SettingsStore.h"

#include <memory>
#include <utility>

// The store as another running copy of the program holds it: read as it is, never written,
// so nothing this copy does replaces what the other one saves. A write says Busy, the other
// copy being what keeps the store, and the messages give that as the reason.
class ReadOnlyStore final : public SettingsStore
{
public:
    explicit ReadOnlyStore(std::shared_ptr<SettingsStore> store) : m_store(std::move(store)) {}

    std::optional<std::string> value(std::string_view s, std::string_view n) override { return m_store->value(s, n); }
    StoreStatus setValue(std::string_view, std::string_view, std::string_view) override { return StoreStatus::Busy; }
    std::vector<Row> rows(std::string_view s) override { return m_store->rows(s); }
    StoreStatus replaceRows(std::string_view, std::span<const Row>, std::uint32_t) override
    {
        return StoreStatus::Busy;
    }
    StoreStatus replaceSections(std::span<const SectionRows>, std::uint32_t) override { return StoreStatus::Busy; }
    StoreStatus deleteValue(std::string_view, std::string_view) override { return StoreStatus::Busy; }
    std::vector<std::string> valueNames(std::string_view s) override { return m_store->valueNames(s); }
    StoreStatus apply(std::span<const Change>, std::uint32_t) override { return StoreStatus::Busy; }
    StoreStatus compact() override { return StoreStatus::Busy; }

    std::string location() const override { return m_store->location(); }
    bool readOnly() override { return m_store->readOnly(); }
    bool newerVersion() override { return m_store->newerVersion(); }
    StoreStatus writability() override { return StoreStatus::Busy; }

private:
    std::shared_ptr<SettingsStore> m_store;
};
