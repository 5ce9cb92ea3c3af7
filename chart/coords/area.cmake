# Coordinates area of GraphKit: pixel/data conversion and the user-drawn trend lines.
list(APPEND GRAPHKIT_SOURCES
  coords/location_util.cpp
  coords/trend.cpp
  coords/trend_drawing.cpp
)

molvane_test(test_graphkit_coords NODESKTOP
  SOURCES coords/tests/test_location_util.cpp coords/tests/test_trend.cpp
  LINKS graphkit)
