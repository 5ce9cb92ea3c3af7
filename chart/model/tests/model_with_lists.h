// Test helper: a property set with the six series-name lists a canvas would hand in.
#pragma once

#include "Properties.h"

struct ModelWithLists
{
    CProperties props;
    CStringArray lists[CProperties::kNameLists];

    ModelWithLists()
    {
        for (int i = 0; i < CProperties::kNameLists; ++i)
            props.SetNameList(i + 1, &lists[i]);
    }
    ModelWithLists(const ModelWithLists&) = delete;
    ModelWithLists& operator=(const ModelWithLists&) = delete;
};
