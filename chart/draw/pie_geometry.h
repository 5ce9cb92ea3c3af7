// Pie geometry: the slices of a pie on the 10000-per-turn scale that starts at the top.
#pragma once

#include <windows.h>

#include <vector>

#include "GraphKitApi.h"

// One slice: data index, start and end on the 10000-per-turn scale (from 2500, counter-
// clockwise), and its start and end points on the rim.
struct PieSlice
{
    int index;
    int start;
    int end;
    POINT from;
    POINT to;
};

// The point at a position of the 10000-per-turn scale on the rim of a pie of diameter d about
// (cx, cy), its vertical radius squashed by the factor (1 for a flat pie).
GRAPHKIT_API POINT PiePoint(int cx, int cy, int d, double squash, double position);

// The slices of the shares above 0, in data order; the last data point's slice ends straight up.
GRAPHKIT_API std::vector<PieSlice> PieSlices(const int* shares, int count, int cx, int cy, int d, double squash);
