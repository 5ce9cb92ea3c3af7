# Splitter area of GraphKit: the bar between two stacked regions and its boundary rule.
list(APPEND GRAPHKIT_SOURCES
  splitter/divide_wnd.cpp
)

molvane_test(test_graphkit_splitter
  SOURCES splitter/tests/test_divide_wnd.cpp
  LINKS graphkit)
