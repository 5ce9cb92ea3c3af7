// The growable arrays behind a CDataCell's series table.
#pragma once

#include <vector>

#include "front_array.h"

using DataCellStorage = std::vector<FrontArray>;
