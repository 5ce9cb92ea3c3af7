# Tool-bar area of GraphKit: the skinned tool bar, its buttons and zoom slider, and the canvas's
# bottom bar.
list(APPEND GRAPHKIT_SOURCES
  toolbar/chart_button.cpp
  toolbar/chart_slider.cpp
  toolbar/chart_toolbar.cpp
)

molvane_test(test_graphkit_toolbar
  SOURCES toolbar/tests/test_chart_toolbar.cpp
  LINKS graphkit)
