// A chart object over a small store with a fixed scale, for drawing tests in memory pictures.
#pragma once

#include <initializer_list>
#include <vector>

#include "DataCell.h"
#include "DrawObject.h"
#include "SeriesValues.h"

const int EMPTY = SERIES_NODATA;

// Series are given newest first, as the store keeps them; all have one length.
struct DrawFixture
{
    CDataCell store;
    CDrawObject object;

    DrawFixture(int kind, std::initializer_list<std::vector<int>> series, float xStep, float yScale = 1.0f,
                int minimum = 0)
    {
        store.AllocSeriesTable(int(series.size()));
        int n = 0, length = 0;
        for (const std::vector<int>& s : series)
        {
            length = int(s.size());
            store.SetSeriesDataRaw(s.data(), length, n++);
        }
        store.m_nLength = length;
        object.SetStore(&store);
        // Sk reads series k until a binding says otherwise.
        int** slots[5] = {&object.m_pS0, &object.m_pS1, &object.m_pS2, &object.m_pS3, &object.m_pS4};
        for (int k = 0; k < 5 && k < n; ++k)
            *slots[k] = store.m_ppSeries[k];
        object.SetKind(kind);
        object.AttachDrawer();
        object.SetAxisLength(length);
        object.SetFirstVisible(0);
        object.SetVisibleCount(length);
        object.SetXStep(xStep);
        object.SetYScale(yScale);
        object.SetMinimum(minimum);
        object.SetMaximum(minimum + 100);
    }
};
