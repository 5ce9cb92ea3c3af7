# Draw area of GraphKit: the chart object and the drawers of its kinds.
list(APPEND GRAPHKIT_SOURCES
  draw/draw_object.cpp
  draw/draw_object_shapes.cpp
  draw/candles.cpp
  draw/candle_bands.cpp
  draw/line_chart.cpp
  draw/line_levels.cpp
  draw/high_low_close.cpp
)

molvane_test(test_graphkit_draw
  SOURCES draw/tests/test_draw_object.cpp draw/tests/test_candles.cpp draw/tests/test_line_chart.cpp
          draw/tests/test_high_low_close.cpp
  LINKS graphkit)
