// The own-drawn edit's text model.
#include "EditBuffer.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

CEditBuffer::CEditBuffer(int maxLength)
    : m_pszData(NULL), m_nMaxLength(maxLength > 0 ? maxLength : DEFAULT_MAX_LENGTH), m_nLength(0), m_nCaret(0),
      m_nAnchor(0), m_nSelEnd(0)
{
}

CEditBuffer::~CEditBuffer()
{
    Free();
}

void CEditBuffer::Allocate()
{
    Free();
    m_pszData = new char[m_nMaxLength];
    memset(m_pszData, 0, m_nMaxLength);
}

BOOL CEditBuffer::SetMaxLength(int maxLength)
{
    if (maxLength <= 0)
        return FALSE;
    m_nMaxLength = maxLength;
    if (m_pszData != NULL)
        Allocate();
    return TRUE;
}

void CEditBuffer::Free()
{
    delete[] m_pszData;
    m_pszData = NULL;
    m_nLength = m_nCaret = m_nAnchor = m_nSelEnd = 0;
}

BOOL CEditBuffer::SetText(const char* text)
{
    if (m_pszData == NULL)
        return FALSE;
    const size_t n = text != NULL ? strlen(text) : 0;
    if (n >= static_cast<size_t>(m_nMaxLength))
        return FALSE;
    memset(m_pszData, 0, m_nMaxLength);
    memcpy(m_pszData, text != NULL ? text : "", n);
    m_nLength = static_cast<int>(n);
    m_nCaret = m_nLength;
    ClearSelection();
    return TRUE;
}

void CEditBuffer::Clear()
{
    if (m_pszData != NULL)
        memset(m_pszData, 0, m_nMaxLength);
    m_nLength = m_nCaret = m_nAnchor = m_nSelEnd = 0;
}

BOOL CEditBuffer::IsLeadByteAt(int index) const
{
    return m_pszData != NULL && index >= 0 && index < m_nLength &&
           ::IsDBCSLeadByte(static_cast<BYTE>(m_pszData[index]));
}

int CEditBuffer::NextChar(int index) const
{
    if (index >= m_nLength)
        return m_nLength;
    if (index < 0)
        return 0;
    // A lead byte without a trail byte (at the end) is a character of its own.
    return (IsLeadByteAt(index) && index + 1 < m_nLength) ? index + 2 : index + 1;
}

int CEditBuffer::PrevChar(int index) const
{
    int last = 0;
    for (int i = 0; i < index && i < m_nLength; i = NextChar(i))
        last = i;
    return last;
}

int CEditBuffer::ClampToCharacter(int index) const
{
    index = std::max(0, std::min(index, m_nLength));
    int start = 0;
    while (start < index) {
        const int next = NextChar(start);
        if (next > index)
            break;
        start = next;
    }
    return start;
}

void CEditBuffer::SetCaret(int index)
{
    m_nCaret = ClampToCharacter(index);
}

void CEditBuffer::SetSelection(int anchor, int end)
{
    m_nAnchor = ClampToCharacter(anchor);
    m_nSelEnd = ClampToCharacter(end);
}

void CEditBuffer::SelectAll()
{
    m_nAnchor = 0;
    m_nSelEnd = m_nLength;
    m_nCaret = m_nLength;
}

void CEditBuffer::GetSelRange(int& from, int& to) const
{
    from = std::min(m_nAnchor, m_nSelEnd);
    to = std::max(m_nAnchor, m_nSelEnd);
}

CString CEditBuffer::GetSelectedText() const
{
    int from = 0, to = 0;
    GetSelRange(from, to);
    if (m_pszData == NULL || from >= to)
        return CString();
    return CString(m_pszData + from, to - from);
}

BOOL CEditBuffer::Insert(const char* bytes, int n)
{
    if (bytes == NULL || n <= 0 || !CanInsert(n))
        return FALSE;
    const int at = ClampToCharacter(m_nCaret);
    memmove(m_pszData + at + n, m_pszData + at, m_nLength - at);
    memcpy(m_pszData + at, bytes, n);
    m_nLength += n;
    m_pszData[m_nLength] = '\0';
    m_nCaret = at + n;
    return TRUE;
}

int CEditBuffer::Remove(int index, int count)
{
    if (m_pszData == NULL || index < 0 || index >= m_nLength || count <= 0)
        return 0;
    count = std::min(count, m_nLength - index);
    memmove(m_pszData + index, m_pszData + index + count, m_nLength - index - count);
    m_nLength -= count;
    memset(m_pszData + m_nLength, 0, count);
    if (m_nCaret > index)
        m_nCaret = std::max(index, m_nCaret - count);
    m_nAnchor = std::min(m_nAnchor, m_nLength);
    m_nSelEnd = std::min(m_nSelEnd, m_nLength);
    return count;
}

BOOL CEditBuffer::RemoveSelection()
{
    if (!HasSelection())
        return FALSE;
    int from = 0, to = 0;
    GetSelRange(from, to);
    Remove(from, to - from);
    m_nCaret = from;
    ClearSelection();
    return TRUE;
}

BOOL CEditBuffer::DeleteAtCaret()
{
    if (RemoveSelection())
        return TRUE;
    if (m_nCaret >= m_nLength)
        return FALSE;
    const int caret = m_nCaret;
    Remove(caret, NextChar(caret) - caret);
    m_nCaret = caret;
    ClearSelection();
    return TRUE;
}
