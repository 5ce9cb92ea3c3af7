// The colours and bitmaps the controls ask the colour and image maps for, loaded from fixture
// files for the length of a test program.
#pragma once

#include <afxwin.h>

#include <map>

// Known colours of the fixture (colour-map id -> colour).
extern const std::map<WORD, COLORREF> kTestColours;
// Known bitmaps of the fixture: solid 16 x 16 pictures (image-map id -> colour).
extern const std::map<WORD, COLORREF> kTestImages;

// Loads both maps once; later calls do nothing.
void LoadTestSkin();
COLORREF TestColour(WORD id);
// The handle of the image map's bitmap of the id.
HGDIOBJ TestImageBitmap(WORD id);
