# Skin area of GraphKit: the tool bar's bitmaps by name, and the module's resources (bitmaps and
# the splitter's cursor), drawn by script at build time rather than kept as binary files.
enable_language(RC)
set(GRAPHKIT_RES_DIR "${CMAKE_CURRENT_BINARY_DIR}/res")
set(GRAPHKIT_RES_FILES "${GRAPHKIT_RES_DIR}/chart_divide.cur")
foreach(image slide_body slide_block showtype_btn search_btn scroll_thumb scroll_right scroll_left
        scroll_channel pin_btn line_btn excel_btn datanum_btn cross_btn config_btn)
  list(APPEND GRAPHKIT_RES_FILES "${GRAPHKIT_RES_DIR}/chart_${image}.bmp")
endforeach()
add_custom_command(OUTPUT ${GRAPHKIT_RES_FILES}
  COMMAND python3 "${CMAKE_CURRENT_SOURCE_DIR}/res/make_chart_skin.py" "${GRAPHKIT_RES_DIR}"
  DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/res/make_chart_skin.py" "${PROJECT_SOURCE_DIR}/resources/tools/make_images.py"
  COMMENT "Drawing the chart's skin")
set_source_files_properties(res/GraphKit.rc PROPERTIES OBJECT_DEPENDS "${GRAPHKIT_RES_FILES}")
include_directories("${GRAPHKIT_RES_DIR}")

list(APPEND GRAPHKIT_SOURCES
  skin/skin_cache.cpp
  res/GraphKit.rc
)

molvane_test(test_graphkit_skin NODESKTOP
  SOURCES skin/tests/test_skin_cache.cpp
  LINKS graphkit)
