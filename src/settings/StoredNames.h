#pragma once

#include "SettingsStore.h"

#include <QStringList>

#include <vector>

// The remembered names of section "Last Used Names" in list order. The shut-down writes
// them as Name0, Name1, ... in list order, but a registry need not give them back in the
// order written (Wine's enumerates by name: Name0, Name1, Name10, Name11, Name2, ...). When
// every value name is "Name" followed by a decimal number, the names are put in the order
// of those numbers; otherwise (a section written by someone else) the store's order stands.
// The rows as the store gives them (UTF-8); only the names' texts become strings.
QStringList storedNamesInOrder(const std::vector<SettingsStore::Row>& rows);
