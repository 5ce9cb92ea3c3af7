# The value lookup window of the chart.
list(APPEND GRAPHKIT_SOURCES
  lookup/search_wnd.cpp
)

molvane_test(test_graphkit_lookup
  SOURCES lookup/tests/test_search_wnd.cpp
  LINKS graphkit)
