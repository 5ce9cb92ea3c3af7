# The control's face to its host: the interface, the common control state with its named
# properties, the chart control and the exported factory.
list(APPEND GRAPHKIT_SOURCES
  control/ctl_base.cpp
  control/ctl_chart.cpp
  control/excel_export.cpp
  control/drag_drop.cpp
  control/data_input.cpp
  control/real_time.cpp
  control/persistence.cpp
  control/volume_at_price.cpp
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

molvane_test(test_graphkit_data
  SOURCES control/tests/test_data_input.cpp control/tests/test_real_time.cpp control/tests/test_persistence.cpp
    control/tests/test_live_chart.cpp
  LINKS graphkit)

# The small host program: loads GraphKit.dll as a host would and saves a screenshot of the chart.
molvane_test(test_graphkit_host SOURCES control/tests/test_chart_host.cpp control/tests/test_chart_host_members.cpp
  LINKS graphkit screen_shot_testkit)
