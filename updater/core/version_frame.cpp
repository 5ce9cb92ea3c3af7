#include "version_frame.h"

#include <stdio.h>
#include <string.h>

VersionRecord MakeVersionListRecord()
{
    VersionRecord rec;
    memset(&rec, ' ', sizeof(rec));
    static const char kName[] = "version.dat";
    memcpy(rec.szFileName, kName, sizeof(kName) - 1);
    return rec;
}

static void PutField(char* field, const std::string& text)
{
    memset(field, ' ', VERSION_FIELD_SIZE);
    memcpy(field, text.data(), text.size() < (size_t)VERSION_FIELD_SIZE ? text.size() : VERSION_FIELD_SIZE);
}

VersionRecord MakeFileRecord(const std::string& folder, const std::string& field2, const std::string& fileName)
{
    VersionRecord rec;
    memset(&rec, 0, sizeof(rec));
    PutField(rec.szFolder, folder);
    PutField(rec.szField2, field2);
    PutField(rec.szFileName, fileName);
    return rec;
}

std::string RecordField(const VersionRecord& rec, int index)
{
    const char* field = index == 0 ? rec.szFolder : index == 1 ? rec.szField2 : rec.szFileName;
    size_t len = 0;
    while (len < (size_t)VERSION_FIELD_SIZE && field[len] != '\0')
        ++len;
    std::string text(field, len);
    const char* blanks = " \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string BuildVersionRequest(int code, const VersionRecord& rec)
{
    char header[VERSION_HEADER_SIZE + 1];
    snprintf(header, sizeof(header), "%08d%08dx ", VERSION_REQUEST_SIZE, code);
    std::string frame(header, VERSION_HEADER_SIZE);
    frame.append(reinterpret_cast<const char*>(&rec), sizeof(rec));
    return frame;
}

int ParseFrameLength(const char* field)
{
    int value = 0;
    for (int i = 0; i < 8; ++i)
    {
        if (field[i] < '0' || field[i] > '9')
            return -1;
        value = value * 10 + (field[i] - '0');
    }
    return value;
}

int ParseFrameCode(const char* field)
{
    int i = 0, value = 0, digits = 0;
    while (i < 8 && field[i] == ' ')
        ++i;
    for (; i < 8 && field[i] >= '0' && field[i] <= '9'; ++i, ++digits)
        value = value * 10 + (field[i] - '0');
    while (i < 8 && field[i] == ' ')
        ++i;
    return (i == 8 && digits > 0) ? value : -1;
}

VersionFrameAssembler::VersionFrameAssembler()
    : m_buffer(VERSION_MAX_FRAME), m_nHeld(0), m_nGeneration(0)
{
}

void VersionFrameAssembler::Reset()
{
    m_nHeld = 0;
    ++m_nGeneration;
}

VersionFrameAssembler::Result VersionFrameAssembler::Feed(const char* data, int length, const FrameHandler& onFrame)
{
    while (length > 0)
    {
        int take = length < Room() ? length : Room();
        memcpy(&m_buffer[m_nHeld], data, take);
        m_nHeld += take;
        data += take;
        length -= take;
        Result result = DeliverHeld(onFrame);
        if (result != FEED_OK)
            return result;
    }
    return FEED_OK;
}

VersionFrameAssembler::Result VersionFrameAssembler::DeliverHeld(const FrameHandler& onFrame)
{
    const unsigned generation = m_nGeneration;
    int pos = 0;
    while (m_nHeld - pos >= VERSION_HEADER_SIZE)
    {
        const char* frame = &m_buffer[pos];
        int frameLength = ParseFrameLength(frame);
        if (frameLength < VERSION_HEADER_SIZE || frameLength > VERSION_MAX_FRAME)
        {
            m_strBadField.assign(frame, 8);
            Reset();
            return FEED_BAD_LENGTH;
        }
        if (m_nHeld - pos < frameLength)
            break;
        bool goOn = onFrame(frame, frameLength);
        if (generation != m_nGeneration)
            return FEED_STOPPED; // reset by the handler: nothing held is valid any more
        pos += frameLength;
        if (!goOn)
        {
            Reset();
            return FEED_STOPPED;
        }
    }
    // Keep the partial frame at the front; a held frame is always shorter than the buffer,
    // so there is room for the next read.
    if (pos > 0)
    {
        memmove(&m_buffer[0], &m_buffer[pos], m_nHeld - pos);
        m_nHeld -= pos;
    }
    return FEED_OK;
}
