# Dialogs area of GraphKit: the chart's modal dialogs, run with the library's own resources.
list(APPEND GRAPHKIT_SOURCES
  dialogs/chart_dialog.cpp
  dialogs/settings_dialogs.cpp
  dialogs/property_dialogs.cpp
)

molvane_test(test_graphkit_dialogs
  SOURCES dialogs/tests/test_chart_dialogs.cpp
  LINKS graphkit)
