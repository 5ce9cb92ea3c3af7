# Stages the install root (Bin\, System\, map\, Images\, User\, Temp\) and the Wine test prefix.
set(_rt_dirs /usr/lib/gcc/i686-w64-mingw32/12-posix /usr/i686-w64-mingw32/lib)
set(_rt_dlls)
foreach(dll libgcc_s_dw2-1.dll libstdc++-6.dll libwinpthread-1.dll)
  find_file(_rt_${dll} ${dll} PATHS ${_rt_dirs} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT _rt_${dll})
    message(FATAL_ERROR "runtime ${dll} not found")
  endif()
  list(APPEND _rt_dlls ${_rt_${dll}})
endforeach()

file(GLOB_RECURSE _resource_files CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/*")
add_custom_command(OUTPUT "${CMAKE_BINARY_DIR}/stage.stamp"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${MOLVANE_STAGE}/Bin" "${MOLVANE_STAGE}/System"
          "${MOLVANE_STAGE}/map" "${MOLVANE_STAGE}/Images" "${MOLVANE_STAGE}/User" "${MOLVANE_STAGE}/Temp"
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_rt_dlls} "${MOLVANE_STAGE}/Bin"
  COMMAND ${CMAKE_COMMAND} -DSRC=${PROJECT_SOURCE_DIR}/resources -DDST=${MOLVANE_STAGE}
          -P "${PROJECT_SOURCE_DIR}/cmake/StageResources.cmake"
  COMMAND ${CMAKE_COMMAND} -E touch "${CMAKE_BINARY_DIR}/stage.stamp"
  DEPENDS ${_resource_files} "${PROJECT_SOURCE_DIR}/cmake/StageResources.cmake"
  COMMENT "Staging the install root")
add_custom_target(stage ALL DEPENDS "${CMAKE_BINARY_DIR}/stage.stamp")

# The test prefix: Korean locale, Nanum fonts standing in for Gulim, the test CA trusted.
add_executable(certinstall "${PROJECT_SOURCE_DIR}/scripts/certinstall.cpp")
target_link_libraries(certinstall PRIVATE crypt32)
target_link_options(certinstall PRIVATE -static)
set_target_properties(certinstall PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tools")
add_custom_command(OUTPUT "${MOLVANE_WINEPREFIX}.stamp"
  COMMAND "${PROJECT_SOURCE_DIR}/scripts/make-certs.sh" "${MOLVANE_CERTS}"
  COMMAND "${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh" "${MOLVANE_WINEPREFIX}" "${MOLVANE_CERTS}"
          "$<TARGET_FILE:certinstall>"
  COMMAND ${CMAKE_COMMAND} -E touch "${MOLVANE_WINEPREFIX}.stamp"
  DEPENDS certinstall "${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh"
          "${PROJECT_SOURCE_DIR}/scripts/make-certs.sh" stage
  COMMENT "Preparing the Wine test prefix")
add_custom_target(wine_prefix ALL DEPENDS "${MOLVANE_WINEPREFIX}.stamp")
