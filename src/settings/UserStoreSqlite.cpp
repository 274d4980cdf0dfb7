#include "SqliteStore.h"
#include "UserStore.h"
#include "platform/StoreLocation.h"

std::shared_ptr<SettingsStore> openUserStore()
{
    return std::make_shared<SqliteStore>(userStorePath());
}
