#pragma once

#include "platform/UrlLauncher.h"

// Opens addresses through the Windows shell; the shell's result code is returned unchanged.
class Win32UrlLauncher final : public UrlLauncher
{
public:
protected:
    int launch(quintptr owner, const QString& target) override;
};
