// The settings store meets whatever file is at its path: a damaged or hostile store must be
// read or moved aside, never crash the program. Each input is the whole store file.
#include "settings/Settings.h"
#include "settings/SqliteStore.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fs::path folder = [] {
        fs::path dir = fs::temp_directory_path() / ("nimbrel-fuzz-hive-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        return dir;
    }();
    const fs::path path = folder / "registry.sqlite";
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    {
        Settings store(std::make_shared<SqliteStore>(path.string()));
        // What start-up reads, then what the exit writes.
        store.takeDamagedCopy();
        store.flag(SettingsKeys::Sound);
        store.saveNames(store.names().mid(0, 3));
    }
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec))
        fs::remove(entry.path(), ec);
    return 0;
}
