// Frames of the version-server link: an 18-byte header (length, code, 'x', status) and a body.
// Requests carry one 128-byte VersionRecord; replies carry raw content bytes.
#pragma once

#include <functional>
#include <string>
#include <vector>

enum
{
    VFC_VERSION_LIST = 1, // the version list "version.dat"
    VFC_FILE = 2,         // one program file
};

const int VERSION_HEADER_SIZE = 18;
const int VERSION_FIELD_SIZE = 40;
const int VERSION_RECORD_SIZE = 128;
const int VERSION_REQUEST_SIZE = VERSION_HEADER_SIZE + VERSION_RECORD_SIZE; // 146
const int VERSION_MAX_FRAME = 102697; // the receive buffer; no frame may be longer

const char VERSION_STATUS_MORE = 'M';  // a chunk of the content follows
const char VERSION_STATUS_LAST = 'L';  // the content is complete
const char VERSION_STATUS_ERROR = ' '; // the server reports an error (and the status of requests)

#pragma pack(push, 1)
struct VersionFrameHeader
{
    char szLength[8]; // total length, header included, "%08d"
    char szCode[8];   // frame code, "%08d"
    char cMark;       // 'x'
    char cStatus;
};

struct VersionRecord
{
    char szFolder[VERSION_FIELD_SIZE];   // first field of the version-list line
    char szField2[VERSION_FIELD_SIZE];   // second field, passed on to the server
    char szFileName[VERSION_FIELD_SIZE]; // third field
    char reserved[8];
};
#pragma pack(pop)
static_assert(sizeof(VersionFrameHeader) == VERSION_HEADER_SIZE, "frame header is 18 bytes");
static_assert(sizeof(VersionRecord) == VERSION_RECORD_SIZE, "version record is 128 bytes");

// The record that asks for "version.dat": spaces throughout, the name in the file-name field.
VersionRecord MakeVersionListRecord();
// A file request: zero bytes, the three fields space-padded and cut at 40 bytes.
VersionRecord MakeFileRecord(const std::string& folder, const std::string& field2, const std::string& fileName);
// One field of a record (0 folder, 1 second field, 2 file name) without its padding.
std::string RecordField(const VersionRecord& rec, int index);

// The 146-byte request frame for a record.
std::string BuildVersionRequest(int code, const VersionRecord& rec);

// The length field: exactly eight ASCII digits, else -1.
int ParseFrameLength(const char* field);
// The code field: decimal digits, blank-padded on either side, else -1.
int ParseFrameCode(const char* field);

// Reassembles frames from a byte stream. The buffer holds one frame at most
// (VERSION_MAX_FRAME); input is taken in chunks that fit, so a read of any size is safe.
class VersionFrameAssembler
{
public:
    enum Result
    {
        FEED_OK,         // all input taken; a partial frame may be held
        FEED_BAD_LENGTH, // a length field outside 18..VERSION_MAX_FRAME or not a number
        FEED_STOPPED,    // the frame handler asked to stop; the rest of the input is dropped
    };
    // Gets each complete frame in order; returns false to stop. The frame is valid only
    // during the call. The handler may call Reset().
    typedef std::function<bool(const char* frame, int length)> FrameHandler;

    VersionFrameAssembler();

    Result Feed(const char* data, int length, const FrameHandler& onFrame);
    void Reset();

    // Bytes held of a frame not yet complete.
    int Held() const { return m_nHeld; }
    // Free space: a socket reads at most this much at a time.
    int Room() const { return VERSION_MAX_FRAME - m_nHeld; }
    // The offending length field of the last FEED_BAD_LENGTH (8 characters).
    const std::string& BadLengthField() const { return m_strBadField; }

private:
    Result DeliverHeld(const FrameHandler& onFrame);

    std::vector<char> m_buffer;
    int m_nHeld;
    unsigned m_nGeneration; // bumped by Reset, so a handler's reset is noticed
    std::string m_strBadField;
};
