// The identifiers of uninstall.exe's resources, shared by its code and its
// resource script.
#pragma once

#define IDS_UNINSTALLER_MISSING 1
