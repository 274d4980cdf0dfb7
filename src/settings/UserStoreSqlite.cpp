#include "SqliteHive.h"
#include "UserStore.h"
#include "platform/StoreLocation.h"

std::shared_ptr<RegistryApi> openUserStore()
{
    return std::make_shared<SqliteHive>(userStorePath());
}
