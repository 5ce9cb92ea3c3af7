# The control's face to its host: the interface, the common control state with its named
# properties, the chart control and the exported factory.
list(APPEND GRAPHKIT_SOURCES
  control/ctl_base.cpp
  control/ctl_chart.cpp
  control/excel_export.cpp
  control/drag_drop.cpp
)

molvane_test(test_graphkit_control
  SOURCES control/tests/test_ctl_properties.cpp control/tests/test_ctl_chart.cpp
  LINKS graphkit)
molvane_test(test_graphkit_export
  SOURCES control/tests/test_excel_export.cpp
  LINKS graphkit ole32 oleaut32 uuid)
molvane_test(test_graphkit_dragdrop
  SOURCES control/tests/test_drag_drop.cpp
  LINKS graphkit ole32 oleaut32 uuid)
