// Bitmap files of 8, 16 (5-5-5), 24 and 32 bits per pixel written from a picture of colours.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// One COLORREF per pixel, rows from the top. 8-bit files get a colour table of the distinct
// colours; 16-bit pixels keep the top five bits of each channel.
std::string MakeBmp(int bitsPerPixel, int width, int height, const std::vector<COLORREF>& pixels);
