// The settings store's names, kept below the windows since the command line reads the shared
// data folder from it too.
#pragma once

#include "platform/settings_store.h"
