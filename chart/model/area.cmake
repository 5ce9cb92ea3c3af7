# The chart's model: colours, kind and layout records, the property set with its archive and
# the property string; and the library's module file.
set(GRAPHKIT_MODEL_DIR ${CMAKE_CURRENT_LIST_DIR})
list(APPEND GRAPHKIT_SOURCES
  ${GRAPHKIT_MODEL_DIR}/library_main.cpp
  ${GRAPHKIT_MODEL_DIR}/clamped_number.cpp
  ${GRAPHKIT_MODEL_DIR}/ctl_color.cpp
  ${GRAPHKIT_MODEL_DIR}/record_archive.cpp
  ${GRAPHKIT_MODEL_DIR}/kind_records_price.cpp
  ${GRAPHKIT_MODEL_DIR}/kind_records_bars.cpp
  ${GRAPHKIT_MODEL_DIR}/kind_records_pie_vap.cpp
  ${GRAPHKIT_MODEL_DIR}/kind_record_ops.cpp
  ${GRAPHKIT_MODEL_DIR}/layout_records.cpp
  ${GRAPHKIT_MODEL_DIR}/properties.cpp
  ${GRAPHKIT_MODEL_DIR}/properties_archive.cpp
  ${GRAPHKIT_MODEL_DIR}/property_string.cpp
  ${GRAPHKIT_MODEL_DIR}/property_string_kinds.cpp)

# Records and colours; the property set's archive; the property string; and the loaders fed
# mutated inputs.
molvane_test(test_graphkit_records NODESKTOP
  SOURCES ${GRAPHKIT_MODEL_DIR}/tests/test_color.cpp
          ${GRAPHKIT_MODEL_DIR}/tests/test_kind_records.cpp
          ${GRAPHKIT_MODEL_DIR}/tests/test_layout_records.cpp
          ${GRAPHKIT_MODEL_DIR}/tests/test_archive_text.cpp
          ${GRAPHKIT_MODEL_DIR}/tests/archive_bytes.cpp
  LINKS graphkit platform)
molvane_test(test_graphkit_properties NODESKTOP
  SOURCES ${GRAPHKIT_MODEL_DIR}/tests/test_properties_archive.cpp
          ${GRAPHKIT_MODEL_DIR}/tests/test_property_string.cpp
          ${GRAPHKIT_MODEL_DIR}/tests/archive_bytes.cpp
  LINKS graphkit platform)
molvane_test(test_graphkit_model_fuzz NODESKTOP
  SOURCES ${GRAPHKIT_MODEL_DIR}/tests/test_model_fuzz.cpp
          ${GRAPHKIT_MODEL_DIR}/tests/model_fuzz_target.cpp
          ${GRAPHKIT_MODEL_DIR}/tests/archive_bytes.cpp
  LINKS graphkit platform)
