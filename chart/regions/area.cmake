# Regions area of GraphKit: the id-keyed collection and the chart's panes with their scales,
# legend and paint.
list(APPEND GRAPHKIT_SOURCES
  regions/map_int_to_ob.cpp
  regions/region_canvas.cpp
  regions/region_scales.cpp
  regions/region_paint.cpp
)

molvane_test(test_graphkit_regions NODESKTOP
  SOURCES regions/tests/test_map_int_to_ob.cpp regions/tests/test_region_scales.cpp
          regions/tests/test_region_paint.cpp
  LINKS graphkit)
