# Scroll area of GraphKit: the tool bar's skinned scroll bar.
list(APPEND GRAPHKIT_SOURCES
  scroll/x_scroll_bar.cpp
)

molvane_test(test_graphkit_scroll
  SOURCES scroll/tests/test_x_scroll_bar.cpp
  LINKS graphkit)
