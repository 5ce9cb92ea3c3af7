// Splitting a text at a delimiter, and the font of a font description.
#include "ChartText.h"

#include <cstdlib>
#include <cstring>

int SplitByDelimiter(LPCSTR text, LPCSTR delimiter, CStringArray& list, int maxParts)
{
    list.RemoveAll();
    CString rest(text ? text : "");
    rest.Trim();
    if (rest.IsEmpty())
        return 0;
    int delimiterLength = delimiter ? int(strlen(delimiter)) : 0;
    if (delimiterLength > 0)
    {
        int pos;
        while ((pos = rest.Find(delimiter)) >= 0)
        {
            list.Add(rest.Left(pos));
            rest = rest.Mid(pos + delimiterLength);
            if (maxParts > 0 && list.GetSize() >= maxParts)
                break;
        }
    }
    list.Add(rest);
    return int(list.GetSize());
}

void FontFromDescription(LPCSTR description, CFont* font)
{
    if (!font)
        return;
    CStringArray parts;
    if (SplitByDelimiter(description, ",", parts, 0) < 6)
        return;
    LOGFONT lf;
    memset(&lf, 0, sizeof lf);
    // The face is cut to what LOGFONT holds, never inside a double-byte character.
    const CString& face = parts[0];
    int length = 0;
    while (length < face.GetLength())
    {
        int step = IsDBCSLeadByte(BYTE(face[length])) && length + 1 < face.GetLength() ? 2 : 1;
        if (length + step > LF_FACESIZE - 1)
            break;
        length += step;
    }
    memcpy(lf.lfFaceName, face.GetString(), length);
    lf.lfHeight = atoi(parts[1]);
    lf.lfWeight = atoi(parts[2]);
    lf.lfItalic = BYTE(atoi(parts[3]));
    lf.lfUnderline = BYTE(atoi(parts[4]));
    lf.lfStrikeOut = BYTE(atoi(parts[5]));
    lf.lfCharSet = DEFAULT_CHARSET;
    font->DeleteObject();
    font->CreateFontIndirect(&lf);
}
