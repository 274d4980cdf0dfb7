#pragma once

#include "platform/UrlLauncher.h"

#include <QStringList>

// Records every address it is asked to open and answers with a chosen code.
class RecordingUrlLauncher final : public UrlLauncher
{
public:
    int result = Launched;
    QStringList targets;
    QList<quintptr> owners;

protected:
    int launch(quintptr owner, const QString& target) override
    {
        owners.append(owner);
        targets.append(target);
        return result;
    }
};
