#include "UserStore.h"
#include "Win32Hive.h"

std::shared_ptr<RegistryApi> openUserStore()
{
    return std::make_shared<Win32Hive>();
}
