// The benchmark's empty view template.
#pragma once

#define IDD_BENCH_MAP_VIEW 5001
