# Series area of GraphKit: calculations and texts, the series store, the time series, and the
# value and time axes.
list(APPEND GRAPHKIT_SOURCES
  series/calculater.cpp
  series/number_text.cpp
  series/split_font.cpp
  series/masked_bitmap.cpp
  series/front_array.cpp
  series/time_calendar.cpp
  series/time_data_cell.cpp
  series/time_steps.cpp
  series/time_merge.cpp
  series/time_axis_layout.cpp
  series/time_axis_drawer.cpp
  series/data_cell.cpp
  series/data_cell_realtime.cpp
  series/value_axis_layout.cpp
  series/value_axis_drawer.cpp
)

molvane_test(test_graphkit_series_texts NODESKTOP
  SOURCES series/tests/test_chart_texts.cpp series/tests/test_calculater.cpp
  LINKS graphkit)
molvane_test(test_graphkit_time_series NODESKTOP
  SOURCES series/tests/test_time_series.cpp series/tests/test_time_axis.cpp
  LINKS graphkit)
molvane_test(test_graphkit_series_store NODESKTOP
  SOURCES series/tests/test_data_cell.cpp series/tests/test_value_axis.cpp
  LINKS graphkit)
