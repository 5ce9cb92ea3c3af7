// Charts fed as a host feeds them: safe arrays and tables of texts with any lower bounds, and
// a candle chart of n bars.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CtlChart.h"
#include "DataCell.h"
#include "DrawObject.h"
#include "TimeDataCell.h"

namespace chartdata
{

struct ChartDeleter
{
    void operator()(IChartBase* p) const { delete p; }
};
typedef std::unique_ptr<IChartBase, ChartDeleter> ChartPtr;

inline CCtlChart* Ctl(const ChartPtr& chart) { return CCtlChart::FromInterface(chart.get()); }

// A VARIANT that owns what it holds.
struct OwnedVariant
{
    VARIANT v;
    SAFEARRAY* byRefArray = nullptr; // the array a by-reference variant points at
    OwnedVariant() { VariantInit(&v); }
    ~OwnedVariant()
    {
        if (v.vt & VT_BYREF)
        {
            if (byRefArray)
                SafeArrayDestroy(byRefArray);
        }
        else
            VariantClear(&v);
    }
    OwnedVariant(const OwnedVariant&) = delete;
    OwnedVariant& operator=(const OwnedVariant&) = delete;
    // The same array handed over by reference.
    void MakeByRef()
    {
        byRefArray = v.parray;
        v.vt |= VT_BYREF;
        v.pparray = &byRefArray;
    }
};

inline BSTR Wide(const std::string& ansi)
{
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), int(ansi.size()), nullptr, 0);
    BSTR out = SysAllocStringLen(nullptr, UINT(n));
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), int(ansi.size()), out, n);
    return out;
}

// One element of a variant array: a text, a 16- or 32-bit integer, or a double (which the
// chart takes for no number).
struct Element
{
    VARTYPE vt;
    long number;
    const char* text;
};
inline Element Text(const char* t) { return Element{VT_BSTR, 0, t}; }
inline Element I2(short n) { return Element{VT_I2, n, nullptr}; }
inline Element I4(long n) { return Element{VT_I4, n, nullptr}; }
inline Element R8(long n) { return Element{VT_R8, n, nullptr}; }

inline void VariantArray(OwnedVariant& out, LONG lower, const std::vector<Element>& elements)
{
    SAFEARRAYBOUND bound = {ULONG(elements.size()), lower};
    SAFEARRAY* array = SafeArrayCreate(VT_VARIANT, 1, &bound);
    for (size_t i = 0; i < elements.size(); ++i)
    {
        VARIANT item;
        VariantInit(&item);
        item.vt = elements[i].vt;
        if (item.vt == VT_BSTR)
            item.bstrVal = Wide(elements[i].text);
        else if (item.vt == VT_I2)
            item.iVal = short(elements[i].number);
        else if (item.vt == VT_I4)
            item.lVal = elements[i].number;
        else
            item.dblVal = double(elements[i].number);
        LONG index = lower + LONG(i);
        SafeArrayPutElement(array, &index, &item);
        VariantClear(&item);
    }
    out.v.vt = VT_ARRAY | VT_VARIANT;
    out.v.parray = array;
}

inline void StringArray(OwnedVariant& out, LONG lower, const std::vector<std::string>& texts)
{
    SAFEARRAYBOUND bound = {ULONG(texts.size()), lower};
    SAFEARRAY* array = SafeArrayCreate(VT_BSTR, 1, &bound);
    for (size_t i = 0; i < texts.size(); ++i)
    {
        LONG index = lower + LONG(i);
        BSTR text = Wide(texts[i]);
        SafeArrayPutElement(array, &index, text);
        SysFreeString(text);
    }
    out.v.vt = VT_ARRAY | VT_BSTR;
    out.v.parray = array;
}

// Rows along the first dimension (the header first), columns along the second.
inline void StringTable(OwnedVariant& out, LONG rowLower, LONG columnLower,
                        const std::vector<std::vector<std::string>>& rows)
{
    SAFEARRAYBOUND bounds[2] = {{ULONG(rows.size()), rowLower}, {ULONG(rows.empty() ? 0 : rows[0].size()), columnLower}};
    SAFEARRAY* array = SafeArrayCreate(VT_BSTR, 2, bounds);
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
        {
            LONG index[2] = {rowLower + LONG(r), columnLower + LONG(c)};
            BSTR text = Wide(rows[r][c]);
            SafeArrayPutElement(array, index, text);
            SysFreeString(text);
        }
    out.v.vt = VT_ARRAY | VT_BSTR;
    out.v.parray = array;
}

// Six columns of n bars, newest first: date, open, high, low, close, volume.
struct BongData
{
    std::vector<long> columns[6];
    long* pointers[6];
    explicit BongData(int n, long firstDate = 20260301)
    {
        for (int i = 0; i < n; ++i)
        {
            const long base = 1000 + 10 * ((i * 7) % 13);
            columns[0].push_back(firstDate - i);
            columns[1].push_back(base);
            columns[2].push_back(base + 30);
            columns[3].push_back(base - 30);
            columns[4].push_back(base + ((i % 2) ? 20 : -20));
            columns[5].push_back(100 + i);
        }
        for (int k = 0; k < 6; ++k)
            pointers[k] = columns[k].data();
    }
};

// The values of a series column from the newest entry on (count entries).
inline std::vector<int> Newest(const int* column, const CTimeDataCell& time, int count)
{
    const int current = time.GetCurrentIndex();
    return std::vector<int>(column + current, column + current + count);
}

inline std::vector<int> Drawn(CCtlChart* ctl, int region, int object)
{
    CRegionCanvas* r = ctl->GetRegion(region);
    CDrawObject* o = r ? r->GetDrawObject(object) : nullptr;
    if (!o || !o->GetS0())
        return {};
    return Newest(o->GetS0(), ctl->GetMainTime(), ctl->GetTotalCount());
}

const int E = 99999999;

} // namespace chartdata
