// The two skin maps own their entries through plain pointers (their public types are the
// framework's collections): moving and freeing those entries.
#pragma once

#include <afxcoll.h>
#include <afxtempl.h>

namespace owned_entries {

// Deletes every value and empties the map.
template <class Map>
void DeleteValues(Map& map)
{
    for (auto* pair = map.PGetFirstAssoc(); pair != NULL; pair = map.PGetNextAssoc(pair))
        delete pair->value;
    map.RemoveAll();
}

// Deletes every element and empties the array.
template <class Array>
void DeleteElements(Array& array)
{
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        delete array[i];
    array.RemoveAll();
}

// Replaces the content of to with that of from (from is left empty).
template <class Map>
void MoveAll(Map& from, Map& to)
{
    to.RemoveAll();
    for (auto* pair = from.PGetFirstAssoc(); pair != NULL; pair = from.PGetNextAssoc(pair))
        to.SetAt(pair->key, pair->value);
    from.RemoveAll();
}

} // namespace owned_entries
