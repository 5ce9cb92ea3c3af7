# Tooltip area of GraphKit: the pop-up that shows a text or a two-column table by the mouse.
list(APPEND GRAPHKIT_SOURCES
  tooltip/tip_table.cpp
  tooltip/tooltip_ctrl.cpp
)

molvane_test(test_graphkit_tooltip
  SOURCES tooltip/tests/test_tip_table.cpp tooltip/tests/test_tooltip_ctrl.cpp
  LINKS graphkit)
