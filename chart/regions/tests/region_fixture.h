// A region over a fixed plot with objects built from given series (newest first).
#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

#include "DataCell.h"
#include "DrawObject.h"
#include "Properties.h"
#include "RegionCanvas.h"

// Plot 200 x 114 at (100, 0): 100 pixels of scale height. The region owns its objects; the
// stores live as long as the fixture.
struct RegionFixture
{
    CProperties properties;
    CRegionCanvas region{&properties};
    std::vector<std::unique_ptr<CDataCell>> stores;

    explicit RegionFixture(CRect plot = CRect(100, 0, 300, 114)) { region.Place(plot); }

    CDrawObject* Add(int kind, int mode, std::initializer_list<std::vector<int>> series)
    {
        stores.emplace_back(new CDataCell);
        CDataCell& store = *stores.back();
        store.AllocSeriesTable(int(series.size()));
        int n = 0, length = 0;
        for (const std::vector<int>& s : series)
        {
            length = int(s.size());
            store.SetSeriesDataRaw(s.data(), length, n++);
        }
        store.m_nLength = length;
        CDrawObject* object = new CDrawObject;
        object->SetStore(&store);
        int** slots[5] = {&object->m_pS0, &object->m_pS1, &object->m_pS2, &object->m_pS3, &object->m_pS4};
        for (int k = 0; k < 5 && k < n; ++k)
            *slots[k] = store.m_ppSeries[k];
        object->SetKind(kind);
        object->m_nAxisSide = mode;
        object->SetAxisLength(length);
        region.AddDrawObject(object);
        region.SetShowWindow(0, length, 10.0f);
        return object;
    }

    ~RegionFixture() { region.RemoveAllObjects(); }
};
