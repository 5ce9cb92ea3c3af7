# Draw area of GraphKit: the chart object and the drawers of its kinds.
list(APPEND GRAPHKIT_SOURCES
  draw/draw_object.cpp
  draw/draw_object_shapes.cpp
  draw/object_text.cpp
  draw/candles.cpp
  draw/candle_bands.cpp
  draw/line_chart.cpp
  draw/line_levels.cpp
  draw/high_low_close.cpp
  draw/bar_shapes.cpp
  draw/column_painter.cpp
  draw/pixel_rows.cpp
  draw/bars.cpp
  draw/bars_grouped.cpp
  draw/hbars.cpp
  draw/pie.cpp
  draw/pie_legend.cpp
  draw/symbols.cpp
  draw/draw_object_rows.cpp
  draw/draw_object_dialog.cpp
  draw/meamul.cpp
  draw/meamul_rows.cpp
)

molvane_test(test_graphkit_draw NODESKTOP
  SOURCES draw/tests/test_draw_object.cpp draw/tests/test_candles.cpp draw/tests/test_line_chart.cpp
          draw/tests/test_high_low_close.cpp draw/tests/test_bars.cpp draw/tests/test_grouped_bars.cpp
          draw/tests/test_hbars.cpp draw/tests/test_pie.cpp draw/tests/test_meamul.cpp draw/tests/test_draw_kinds.cpp
          draw/tests/test_column_painter.cpp draw/tests/test_drawn_numbers.cpp
  LINKS graphkit)
