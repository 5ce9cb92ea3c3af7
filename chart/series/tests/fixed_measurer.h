// A text measurer with fixed character cells, so axis layouts can be checked to the pixel.
#pragma once

#include <cstring>

#include "TextMeasurer.h"

class FixedMeasurer : public ITextMeasurer
{
public:
    explicit FixedMeasurer(int charWidth = 6, int height = 12) : m_charWidth(charWidth), m_height(height) {}
    CSize Measure(LPCSTR text) const override { return CSize(int(strlen(text)) * m_charWidth, m_height); }

private:
    int m_charWidth;
    int m_height;
};
