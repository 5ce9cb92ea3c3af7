// Storage for newest-first series that make room at their front: the array sits at the end of a
// larger block, so growing or shifting towards the old end mostly moves a pointer, not values.
#pragma once

struct FrontArray
{
    int* base = nullptr; // the allocation
    int capacity = 0;    // ints in the allocation
    int* data = nullptr; // the array: data[0, length) lies inside the allocation
};

// A new array of length slots (values copied when given, else filled), with no room in front.
int* FrontArrayAssign(FrontArray& a, const int* values, int length, int fill);
void FrontArrayFree(FrontArray& a);
// Turns the array of oldLength slots into one of newLength slots whose slot i + offset holds old
// slot i (old slots that end up past newLength drop out) and whose first offset slots hold fill.
// Returns the array's address, which moves whenever offset is above 0.
int* FrontArrayMoveBack(FrontArray& a, int oldLength, int newLength, int offset, int fill);
