#include "UserStore.h"
#include "Win32Store.h"

std::shared_ptr<SettingsStore> openUserStore()
{
    return std::make_shared<Win32Store>();
}
