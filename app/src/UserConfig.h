// "user.cfg" of the user folder: the version stamp and the settings read into the shared
// setup record at start.
#pragma once

#include <afx.h>

#define USER_CONFIG_FILE "user.cfg"
#define USER_CONFIG_VERSION 201008201

CString UserConfigPath();
// A first start (no [MAIN] "VER"): writes the stamp and deletes the saved screen sets' index
// and last screens. TRUE when it migrated.
BOOL MigrateUserConfig();
// Every setting of the setup record from the file (defaults for what is missing).
void ReadUserConfig();
