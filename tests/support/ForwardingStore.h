#pragma once

#include "settings/SettingsStore.h"
#include "settings/UserStore.h"

#include <memory>

// A store that passes every call to another one (the user's by default); test stores
// derive from it and change the one call they are about.
class ForwardingStore : public SettingsStore
{
public:
    explicit ForwardingStore(std::shared_ptr<SettingsStore> real = openUserStore()) : m_real(std::move(real)) {}

    std::optional<std::string> value(std::string_view s, std::string_view n) override { return m_real->value(s, n); }
    StoreStatus setValue(std::string_view s, std::string_view n, std::string_view t) override
    {
        return m_real->setValue(s, n, t);
    }
    std::vector<Row> rows(std::string_view s) override { return m_real->rows(s); }
    StoreStatus replaceRows(std::string_view s, std::span<const Row> r, std::uint32_t ms) override
    {
        return m_real->replaceRows(s, r, ms);
    }
    StoreStatus deleteValue(std::string_view s, std::string_view n) override { return m_real->deleteValue(s, n); }
    std::vector<std::string> valueNames(std::string_view s) override { return m_real->valueNames(s); }
    StoreStatus apply(std::span<const Change> c, std::uint32_t ms) override { return m_real->apply(c, ms); }
    StoreStatus compact() override { return m_real->compact(); }
    std::string location() const override { return m_real->location(); }
    std::string takeDamagedCopy() override { return m_real->takeDamagedCopy(); }
    bool readOnly() override { return m_real->readOnly(); }
    bool newerVersion() override { return m_real->newerVersion(); }
    StoreStatus writability() override { return m_real->writability(); }
    std::string fileInTheWay() override { return m_real->fileInTheWay(); }
    bool takeRecreated() override { return m_real->takeRecreated(); }

protected:
    std::shared_ptr<SettingsStore> m_real;
};
