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
// The setup dialog's settings from the setup record into the file; the keys it only reads
// ([SECURITY] "ACC_AUTOSAVE", [NOTIFY] "DATE") and every other key keep their values.
void WriteUserConfig();
// The setup record's alarm sound, read no further than its field.
CString SetupSoundFile();
// Whether a chosen file may be the alarm sound: its extension is "wav" in any case.
BOOL IsWaveFile(const CString& path);
