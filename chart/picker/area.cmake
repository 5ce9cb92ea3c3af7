# Picker area of GraphKit: the colour picker with its palette popup and the line-style combo,
# exported for the chart's dialogs and hosts' own.
list(APPEND GRAPHKIT_SOURCES
  picker/colour_picker.cpp
  picker/colour_popup.cpp
  picker/line_style_combo.cpp
)

molvane_test(test_graphkit_picker
  SOURCES picker/tests/test_colour_picker.cpp picker/tests/test_line_style_combo.cpp
  LINKS graphkit)
