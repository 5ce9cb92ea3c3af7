// The PNG writer of screen_shot.h: one IHDR, one IDAT of unfiltered RGB rows, IEND.
#include "screen_shot.h"

#include <zlib.h>

#include <cstdio>

namespace {

void PutBigEndian(std::string& out, uLong value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(char((value >> shift) & 0xFF));
}

// Length, type and data, and the CRC of type and data.
void PutChunk(std::string& out, const char* type, const std::string& data)
{
    PutBigEndian(out, uLong(data.size()));
    const size_t start = out.size();
    out.append(type, 4);
    out += data;
    PutBigEndian(out, crc32(0, reinterpret_cast<const Bytef*>(out.data() + start), uInt(out.size() - start)));
}

} // namespace

bool SavePng(const std::string& path, const Shot& shot)
{
    if (shot.width <= 0 || shot.height <= 0 || shot.pixels.size() != size_t(shot.width) * size_t(shot.height))
        return false;
    std::string raw;
    raw.reserve(size_t(shot.height) * (1 + 3 * size_t(shot.width)));
    for (int y = 0; y < shot.height; ++y) {
        raw.push_back('\0'); // filter: none
        for (int x = 0; x < shot.width; ++x) {
            const COLORREF c = shot.At(x, y);
            raw.push_back(char(GetRValue(c)));
            raw.push_back(char(GetGValue(c)));
            raw.push_back(char(GetBValue(c)));
        }
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(&packed[0]), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
                  uLong(raw.size()), 6) != Z_OK)
        return false;
    packed.resize(packedSize);
    std::string header;
    PutBigEndian(header, uLong(shot.width));
    PutBigEndian(header, uLong(shot.height));
    header.append("\x08\x02\x00\x00\x00", 5); // 8 bits, truecolour, deflate, no filter, no interlace
    std::string file("\x89PNG\r\n\x1A\n", 8);
    PutChunk(file, "IHDR", header);
    PutChunk(file, "IDAT", packed);
    PutChunk(file, "IEND", std::string());
    FILE* out = fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    const bool written = fwrite(file.data(), 1, file.size(), out) == file.size();
    return fclose(out) == 0 && written;
}
