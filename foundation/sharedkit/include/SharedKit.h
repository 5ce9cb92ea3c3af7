// SharedKit's process-wide objects: the colour map and the image map made when the library is
// loaded, and the slot for the application's menu.
#pragma once

#include "ColorMap.h"
#include "ResourceMap.h"
#include "SharedKitApi.h"

class CXMLMenu;

SHAREDKIT_API CColorMap* GetColorMap();
SHAREDKIT_API CResourceMap* GetResourceMap();
// Stores the application's menu object and returns it; NULL until set.
SHAREDKIT_API CXMLMenu* SetXMLMenu(CXMLMenu* menu);
SHAREDKIT_API CXMLMenu* GetXMLMenu();
