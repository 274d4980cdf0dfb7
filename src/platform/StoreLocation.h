#pragma once

#include <string>

// Where the current user's settings file lives on systems without a registry:
// $XDG_CONFIG_HOME/nimbrel/registry.sqlite, with ~/.config when XDG_CONFIG_HOME is unset,
// empty or not an absolute path.
std::string userStorePath();
