// Memory-file archives and fixture bytes for the model's tests.
#include "archive_bytes.h"

Bytes StoreBytes(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    Bytes bytes(size_t(file.GetLength()));
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

int LoadBytes(const Bytes& bytes, const std::function<void(CArchive&)>& read, size_t* consumed)
{
    CMemFile file;
    if (!bytes.empty())
        file.Write(bytes.data(), UINT(bytes.size()));
    file.SeekToBegin();
    int nCause = -1;
    CArchive ar(&file, CArchive::load);
    try {
        read(ar);
    } catch (CArchiveException* e) {
        nCause = e->m_cause;
        e->Delete();
    }
    ar.Flush();
    if (consumed != NULL)
        *consumed = size_t(file.GetPosition());
    ar.Abort();
    return nCause;
}

ByteWriter& ByteWriter::Byte(BYTE b)
{
    m_bytes.push_back(b);
    return *this;
}

ByteWriter& ByteWriter::Word(WORD w) { return Byte(BYTE(w)).Byte(BYTE(w >> 8)); }

ByteWriter& ByteWriter::Dword(DWORD n) { return Word(WORD(n)).Word(WORD(n >> 16)); }

ByteWriter& ByteWriter::Int(int n) { return Dword(DWORD(n)); }

ByteWriter& ByteWriter::Text(const std::string& text)
{
    if (text.size() < 0xFF)
        Byte(BYTE(text.size()));
    else if (text.size() < 0xFFFE)
        Byte(0xFF).Word(WORD(text.size()));
    else
        Byte(0xFF).Word(0xFFFF).Dword(DWORD(text.size()));
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    return *this;
}

ByteWriter& ByteWriter::Texts(int nCount, const std::string& text)
{
    for (int i = 0; i < nCount; ++i)
        Text(text);
    return *this;
}

ByteWriter& ByteWriter::Color(WORD nIndex, DWORD rgb) { return Dword(2).Word(nIndex).Dword(rgb); }

ByteWriter& ByteWriter::Raw(const Bytes& bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}
