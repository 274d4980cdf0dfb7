#include "SqliteHive.h"
#include "UserStore.h"

std::shared_ptr<RegistryApi> openUserStore()
{
    return std::make_shared<SqliteHive>(SqliteHive::userHivePath());
}
