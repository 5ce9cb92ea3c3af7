// The text model of the own-drawn edit: a NUL-terminated byte buffer of a fixed size in the
// multi-byte code page, a caret and a selection. Every step, deletion and insertion works on
// whole characters (a lead byte and its trail byte), and nothing is ever written past the
// buffer: an insertion that does not fit whole is refused.
#pragma once

#include <afx.h>

#include "FrameBaseApi.h"

class FRAMEBASE_API CEditBuffer
{
public:
    enum { DEFAULT_MAX_LENGTH = 0x9FFFC };

    // No buffer until Allocate.
    explicit CEditBuffer(int maxLength = DEFAULT_MAX_LENGTH);
    ~CEditBuffer();

    // A new zeroed buffer of the maximum length (any text is lost).
    void Allocate();
    // FALSE and no change for <= 0; otherwise a buffer that exists is replaced by a zeroed one
    // of the new size (the text is lost).
    BOOL SetMaxLength(int maxLength);
    // The buffer (NUL-terminated), NULL once freed.
    char* GetData() { return m_pszData; }
    const char* GetData() const { return m_pszData; }
    void Free();
    int GetLength() const { return m_nLength; }
    int GetMaxLength() const { return m_nMaxLength; }

    // Replaces the text (FALSE when it does not fit with its terminator); caret at its end,
    // selection cleared.
    BOOL SetText(const char* text);
    void Clear();

    int GetCaret() const { return m_nCaret; }
    // Clamped to the text, and moved back to the start of a character it would split.
    void SetCaret(int index);

    // Selection as anchor and end; equal means none.
    int GetAnchor() const { return m_nAnchor; }
    int GetSelEnd() const { return m_nSelEnd; }
    BOOL HasSelection() const { return m_nAnchor != m_nSelEnd; }
    void SetSelection(int anchor, int end);
    void ClearSelection() { m_nAnchor = m_nSelEnd = m_nCaret; }
    // Selection 0..length, caret at the end.
    void SelectAll();
    // The selection's first and last-plus-one index, in order.
    void GetSelRange(int& from, int& to) const;
    CString GetSelectedText() const;

    // Whether n more bytes fit with the terminator.
    BOOL CanInsert(int n) const { return n >= 0 && m_pszData != NULL && m_nLength + n < m_nMaxLength; }
    // Inserts n bytes at the caret, whole or not at all; the caret moves after them.
    BOOL Insert(const char* bytes, int n);
    // Removes count bytes from index (clamped to the text); the number removed.
    int Remove(int index, int count);
    // Removes the selected bytes; caret at their start; FALSE when there was no selection.
    BOOL RemoveSelection();
    // Removes the selection, or else the character at the caret (a lone lead byte at the end
    // of the text is one byte).
    BOOL DeleteAtCaret();

    BOOL IsLeadByteAt(int index) const;
    // The start of the character before index (0 at the start).
    int PrevChar(int index) const;
    // The index after the character at index (never past the text).
    int NextChar(int index) const;

private:
    CEditBuffer(const CEditBuffer&) = delete;
    CEditBuffer& operator=(const CEditBuffer&) = delete;

    int ClampToCharacter(int index) const;

    char* m_pszData;
    int m_nMaxLength;
    int m_nLength;
    int m_nCaret;
    int m_nAnchor;
    int m_nSelEnd;
};
