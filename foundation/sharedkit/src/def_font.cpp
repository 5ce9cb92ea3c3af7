// CDefFont: each object owns one default font.
#include "DefFont.h"

namespace {

const char kDefaultFace[] = "굴림체";

} // namespace

CFont* CDefFont::CreateDefaultFont()
{
    CFont* font = new CFont;
    font->CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FF_SWISS, kDefaultFace);
    return font;
}

CDefFont::CDefFont() : m_pDefFont(CreateDefaultFont()) {}

// A copy never shares the font: each object deletes only its own.
CDefFont::CDefFont(const CDefFont& other) : m_pDefFont(CreateDefaultFont())
{
    (void)other;
}

CDefFont& CDefFont::operator=(const CDefFont& other)
{
    (void)other; // both fonts are made with the same parameters; each keeps its own
    return *this;
}

CDefFont::~CDefFont()
{
    delete m_pDefFont;
    m_pDefFont = NULL;
}
