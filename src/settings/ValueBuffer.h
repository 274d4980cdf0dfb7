#pragma once

#include "RegistryApi.h"

#include <algorithm>
#include <string_view>

// How both hives hand a value to a caller's buffers, the registry's way.

// Data: *length is the buffer's size on the way in. The data's size always comes back; the
// bytes too when there is a buffer large enough, else MoreData.
inline RegistryApi::Result giveData(std::string_view bytes, std::uint8_t* data, std::uint32_t* length)
{
    const auto size = static_cast<std::uint32_t>(bytes.size());
    if (data) {
        if (*length < size) {
            *length = size;
            return RegistryApi::MoreData;
        }
        std::copy(bytes.begin(), bytes.end(), data);
    }
    *length = size;
    return RegistryApi::Success;
}

// A value's name with its NUL: *length is the buffer's size in chars on the way in, the
// name's length without the NUL on the way out; MoreData (and nothing changed) when the
// name and its NUL do not fit.
inline RegistryApi::Result giveName(std::string_view name, char* buffer, std::uint32_t* length)
{
    if (*length <= name.size())
        return RegistryApi::MoreData;
    std::copy(name.begin(), name.end(), buffer);
    buffer[name.size()] = '\0';
    *length = static_cast<std::uint32_t>(name.size());
    return RegistryApi::Success;
}
