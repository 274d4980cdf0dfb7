#pragma once

#include "settings/RegistryApi.h"
#include "settings/UserStore.h"

#include <memory>

// A store that passes every call to another one (the user's by default); test stores
// derive from it and change the one call they are about.
class ForwardingStore : public RegistryApi
{
public:
    explicit ForwardingStore(std::shared_ptr<RegistryApi> real = openUserStore()) : m_real(std::move(real)) {}

    Result openKey(std::string_view p, std::uint32_t a, Handle* k) override { return m_real->openKey(p, a, k); }
    Result createKey(std::string_view p, Handle* k) override { return m_real->createKey(p, k); }
    Result queryValue(Handle k, ValueName n, std::uint32_t* t, std::uint8_t* d, std::uint32_t* l) override
    {
        return m_real->queryValue(k, n, t, d, l);
    }
    Result queryInfoKey(Handle k, std::uint32_t* n, std::uint32_t* d) override { return m_real->queryInfoKey(k, n, d); }
    Result enumValue(Handle k, std::uint32_t i, char* n, std::uint32_t* nl, std::uint32_t* t, std::uint8_t* d,
                     std::uint32_t* dl) override
    {
        return m_real->enumValue(k, i, n, nl, t, d, dl);
    }
    Result setValue(Handle k, ValueName n, std::uint32_t t, const std::uint8_t* d, std::uint32_t l) override
    {
        return m_real->setValue(k, n, t, d, l);
    }
    Result deleteValue(Handle k, ValueName n) override { return m_real->deleteValue(k, n); }
    Result deleteKey(Handle k, std::string_view s) override { return m_real->deleteKey(k, s); }
    Result closeKey(Handle k) override { return m_real->closeKey(k); }
    Result replaceValues(std::string_view p, std::span<const Value> v) override { return m_real->replaceValues(p, v); }
    Result beginBatch() override { return m_real->beginBatch(); }
    Result commitBatch() override { return m_real->commitBatch(); }
    Result rollbackBatch() override { return m_real->rollbackBatch(); }
    Result beginBatchWaiting(std::uint32_t maxWaitMs) override { return m_real->beginBatchWaiting(maxWaitMs); }
    Result beginRead() override { return m_real->beginRead(); }
    Result endRead() override { return m_real->endRead(); }
    std::string location() const override { return m_real->location(); }
    std::string takeDamagedCopy() override { return m_real->takeDamagedCopy(); }
    bool newerVersion() override { return m_real->newerVersion(); }

protected:
    std::shared_ptr<RegistryApi> m_real;
};
