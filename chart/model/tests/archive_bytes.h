// Test helpers: archives to and from byte vectors in memory, and a writer of fixture bytes in
// the chart's archive primitives.
#pragma once

#include <afx.h>

#include <functional>
#include <string>
#include <vector>

typedef std::vector<BYTE> Bytes;

// What an archive stores through write.
Bytes StoreBytes(const std::function<void(CArchive&)>& write);
// Loads bytes through read; returns the cause of the archive exception raised, or -1 when the
// load went through. consumed (when given) gets how many bytes the load took.
int LoadBytes(const Bytes& bytes, const std::function<void(CArchive&)>& read, size_t* consumed = NULL);

template <class R>
Bytes StoreRecord(R& record)
{
    return StoreBytes([&](CArchive& ar) { record.Serialize(ar); });
}

template <class R>
int LoadRecord(const Bytes& bytes, R& record, size_t* consumed = NULL)
{
    return LoadBytes(bytes, [&](CArchive& ar) { record.Serialize(ar); }, consumed);
}

// Fixture bytes, little-endian, in the order they are added.
class ByteWriter
{
public:
    ByteWriter& Byte(BYTE b);
    ByteWriter& Word(WORD w);
    ByteWriter& Int(int n);
    ByteWriter& Dword(DWORD n);
    // A text with the framework's length prefix.
    ByteWriter& Text(const std::string& text);
    ByteWriter& Texts(int nCount, const std::string& text = "");
    // The colour archive form: version 2, index, RGB.
    ByteWriter& Color(WORD nIndex, DWORD rgb);
    ByteWriter& Raw(const Bytes& bytes);
    const Bytes& Get() const { return m_bytes; }

private:
    Bytes m_bytes;
};
