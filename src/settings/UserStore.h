#pragma once

#include "RegistryApi.h"

#include <memory>

// The current user's settings store: the registry on Windows, elsewhere the SQLite hive in
// the user's configuration folder. The build picks the definition for the platform.
std::shared_ptr<RegistryApi> openUserStore();
