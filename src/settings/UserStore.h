#pragma once

#include "SettingsStore.h"

#include <memory>

// The current user's settings store: the registry on Windows, elsewhere the SQLite file in
// the user's configuration folder. The build picks the definition for the platform.
std::shared_ptr<SettingsStore> openUserStore();
