# Canvas area of GraphKit: the chart window with its layout, repaint timer, paint and style
# snapshot.
list(APPEND GRAPHKIT_SOURCES
  canvas/canvas.cpp
  canvas/canvas_layout.cpp
  canvas/canvas_styles.cpp
  canvas/canvas_drop.cpp
  canvas/canvas_lookup.cpp
)

molvane_test(test_graphkit_canvas
  SOURCES canvas/tests/test_canvas_geometry.cpp canvas/tests/test_canvas_window.cpp
  LINKS graphkit)
