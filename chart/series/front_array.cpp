// Newest-first series storage that makes room at its front in amortised constant time.
#include "front_array.h"

#include <algorithm>
#include <cstring>

int* FrontArrayAssign(FrontArray& a, const int* values, int length, int fill)
{
    FrontArrayFree(a);
    if (length < 0)
        length = 0;
    // Room in front for the bars to come: pages that are never written cost no memory.
    int headroom = length / 2;
    a.base = new int[size_t(headroom) + (length > 0 ? length : 1)];
    a.capacity = headroom + length;
    a.data = a.base + headroom;
    if (values)
        memcpy(a.data, values, sizeof(int) * length);
    else
        std::fill(a.data, a.data + length, fill);
    return a.data;
}

void FrontArrayFree(FrontArray& a)
{
    delete[] a.base;
    a = FrontArray();
}

int* FrontArrayMoveBack(FrontArray& a, int oldLength, int newLength, int offset, int fill)
{
    if (offset < 0)
        offset = 0;
    if (offset > newLength)
        offset = newLength;
    int* moved = a.data - offset;
    if (a.data && moved >= a.base && moved + newLength <= a.base + a.capacity)
    {
        // Old slot i already sits at moved[i + offset].
        a.data = moved;
        if (offset + oldLength < newLength)
            std::fill(a.data + offset + oldLength, a.data + newLength, fill);
    }
    else
    {
        // A new block with headroom in front, so the next moves need no copy.
        int headroom = std::max(newLength / 2, offset * 4);
        int* block = new int[size_t(headroom) + newLength + 1];
        int* data = block + headroom;
        int kept = std::min(oldLength, newLength - offset);
        if (kept > 0 && a.data)
            memcpy(data + offset, a.data, sizeof(int) * kept);
        if (kept < 0)
            kept = 0;
        std::fill(data + offset + kept, data + newLength, fill);
        delete[] a.base;
        a.base = block;
        a.capacity = headroom + newLength;
        a.data = data;
    }
    std::fill(a.data, a.data + offset, fill);
    return a.data;
}
