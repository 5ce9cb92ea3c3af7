# Canvas area of GraphKit: the chart window with its layout, repaint timer, paint, style
# snapshot, pointer handling and commands.
list(APPEND GRAPHKIT_SOURCES
  canvas/canvas.cpp
  canvas/canvas_layout.cpp
  canvas/canvas_styles.cpp
  canvas/canvas_drop.cpp
  canvas/canvas_lookup.cpp
  canvas/canvas_pointer.cpp
  canvas/canvas_readout.cpp
  canvas/canvas_window_math.cpp
  canvas/canvas_commands.cpp
)

molvane_test(test_graphkit_canvas
  SOURCES canvas/tests/test_canvas_geometry.cpp canvas/tests/test_canvas_window.cpp
  LINKS graphkit)

molvane_test(test_graphkit_canvas_pointer
  SOURCES canvas/tests/test_canvas_readout.cpp canvas/tests/test_canvas_pointer.cpp
  LINKS graphkit)

molvane_test(test_graphkit_canvas_commands
  SOURCES canvas/tests/test_canvas_commands.cpp
  LINKS graphkit)
