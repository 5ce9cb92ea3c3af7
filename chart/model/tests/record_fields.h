// Test oracle: each record's archive order as a list of fields with the versions that carry
// them, from which fixtures of any version are written and loaded records are checked.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CtlColor.h"
#include "archive_bytes.h"

template <class R>
struct FieldLayout
{
    int minVersion;
    int maxVersion;
    int R::*pInt;
    CString R::*pText;
    CCtlColor R::*pColor;
    bool InVersion(int v) const { return v >= minVersion && v <= maxVersion; }
};

template <class R>
FieldLayout<R> IntF(int R::*p, int minV = 0, int maxV = 255)
{
    return FieldLayout<R>{minV, maxV, p, nullptr, nullptr};
}
template <class R>
FieldLayout<R> TextF(CString R::*p, int minV = 0, int maxV = 255)
{
    return FieldLayout<R>{minV, maxV, nullptr, p, nullptr};
}
template <class R>
FieldLayout<R> ColorF(CCtlColor R::*p, int minV = 0, int maxV = 255)
{
    return FieldLayout<R>{minV, maxV, nullptr, nullptr, p};
}
// A text that the given versions carry and the reader drops.
template <class R>
FieldLayout<R> DroppedTextF(int minV, int maxV)
{
    return FieldLayout<R>{minV, maxV, nullptr, nullptr, nullptr};
}

// Distinct values for the k-th field: colours keep index 0 so that loading keeps their RGB.
inline int MarkerInt(int k) { return 1000 + k; }
inline std::string MarkerText(int k) { return "t" + std::to_string(k); }
inline DWORD MarkerRgb(int k) { return DWORD(0x010203 * (k + 1)) & 0xFFFFFF; }

// The record's bytes of version v with the markers.
template <class R>
Bytes FieldFixture(const std::vector<FieldLayout<R>>& fields, int v)
{
    ByteWriter w;
    w.Byte(BYTE(v));
    for (size_t k = 0; k < fields.size(); ++k) {
        const FieldLayout<R>& s = fields[k];
        if (!s.InVersion(v))
            continue;
        if (s.pInt)
            w.Int(MarkerInt(int(k)));
        else if (s.pColor)
            w.Color(0, MarkerRgb(int(k)));
        else
            w.Text(MarkerText(int(k)));
    }
    return w.Get();
}

// Sets the fields version v carries to their markers.
template <class R>
void SetMarkers(const std::vector<FieldLayout<R>>& fields, int v, R& r)
{
    for (size_t k = 0; k < fields.size(); ++k) {
        const FieldLayout<R>& s = fields[k];
        if (!s.InVersion(v))
            continue;
        if (s.pInt)
            r.*s.pInt = MarkerInt(int(k));
        else if (s.pText)
            r.*s.pText = MarkerText(int(k)).c_str();
        else if (s.pColor)
            r.*s.pColor = CCtlColor::Rgb(MarkerRgb(int(k)));
    }
}

// Every archived field equal; colours with a nonzero index by index only (loading gives them
// their palette colour).
template <class R>
void ExpectSameFields(const std::vector<FieldLayout<R>>& fields, const R& expected, const R& actual,
                      const std::string& context)
{
    for (size_t k = 0; k < fields.size(); ++k) {
        const FieldLayout<R>& s = fields[k];
        if (s.pInt) {
            EXPECT_EQ(expected.*s.pInt, actual.*s.pInt) << context << ", field " << k;
        } else if (s.pText) {
            EXPECT_STREQ(expected.*s.pText, actual.*s.pText) << context << ", field " << k;
        } else if (s.pColor) {
            const CCtlColor& e = expected.*s.pColor;
            const CCtlColor& a = actual.*s.pColor;
            EXPECT_EQ(e.GetIndex(), a.GetIndex()) << context << ", field " << k;
            if (e.GetIndex() == 0) {
                EXPECT_EQ(e.GetRGB(), a.GetRGB()) << context << ", field " << k;
            }
        }
    }
}

// The checks every archived record passes: the writer's layout, every older version read
// field by field and to its last byte, newer versions read as the written one, short data refused.
template <class R>
void CheckRecordArchive(const std::vector<FieldLayout<R>>& fields, int nWritten)
{
    // Default, stored, loaded into a new record: the same fields.
    {
        R original;
        Bytes bytes = StoreRecord(original);
        ASSERT_FALSE(bytes.empty());
        EXPECT_EQ(nWritten, bytes[0]);
        R loaded;
        size_t consumed = 0;
        EXPECT_EQ(-1, LoadRecord(bytes, loaded, &consumed));
        EXPECT_EQ(bytes.size(), consumed);
        ExpectSameFields(fields, original, loaded, "default round trip");
    }
    // The writer's order: a record holding the markers stores as the fixture does.
    {
        R marked;
        SetMarkers(fields, nWritten, marked);
        EXPECT_EQ(FieldFixture(fields, nWritten), StoreRecord(marked));
    }
    // Every version: its fields read, the others keep their values, nothing left over.
    for (int v = 0; v <= nWritten; ++v) {
        Bytes bytes = FieldFixture(fields, v);
        R loaded;
        size_t consumed = 0;
        EXPECT_EQ(-1, LoadRecord(bytes, loaded, &consumed)) << "version " << v;
        EXPECT_EQ(bytes.size(), consumed) << "version " << v;
        R expected;
        SetMarkers(fields, v, expected);
        ExpectSameFields(fields, expected, loaded, "version " + std::to_string(v));
    }
    // A newer version (a file of a later release) is read like the written one: its fields,
    // and nothing after them.
    for (int newer : {nWritten + 1, 255}) {
        Bytes bytes = FieldFixture(fields, nWritten);
        bytes[0] = BYTE(newer);
        R loaded;
        size_t consumed = 0;
        EXPECT_EQ(-1, LoadRecord(bytes, loaded, &consumed)) << "version " << newer;
        EXPECT_EQ(bytes.size(), consumed) << "version " << newer;
        R expected;
        SetMarkers(fields, nWritten, expected);
        ExpectSameFields(fields, expected, loaded, "version " + std::to_string(newer));
    }
    // Cut anywhere: end of file.
    {
        Bytes bytes = FieldFixture(fields, nWritten);
        for (size_t n = 0; n < bytes.size(); ++n) {
            R loaded;
            EXPECT_EQ(CArchiveException::endOfFile, LoadRecord(Bytes(bytes.begin(), bytes.begin() + n), loaded))
                << "cut at " << n;
        }
    }
}
