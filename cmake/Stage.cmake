# Stages the install root (stage/), the test tree (testroot/) and the Wine test prefix.
include_guard(GLOBAL)

# What every test sees: its target's Wine prefix and loader, the test certificates, both roots.
set(MOLVANE_TEST_ENV "MOLVANE_ARCH=${MOLVANE_ARCH};MOLVANE_WINEPREFIX=${MOLVANE_WINEPREFIX};MOLVANE_CERTS=${MOLVANE_CERTS};MOLVANE_STAGE=${MOLVANE_STAGE};MOLVANE_TESTROOT=${MOLVANE_TESTROOT}")

# The shared GCC runtime: i686 unwinds with DWARF-2 tables, x86_64 with SEH.
if(MOLVANE_ARCH STREQUAL "i686")
  set(_rt_gcc libgcc_s_dw2-1.dll)
else()
  set(_rt_gcc libgcc_s_seh-1.dll)
endif()
set(_rt_dirs /usr/lib/gcc/${MOLVANE_ARCH}-w64-mingw32/12-posix /usr/${MOLVANE_ARCH}-w64-mingw32/lib)
set(_rt_dlls)
foreach(dll ${_rt_gcc} libstdc++-6.dll libwinpthread-1.dll)
  find_file(_rt_${dll} ${dll} PATHS ${_rt_dirs} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT _rt_${dll})
    message(FATAL_ERROR "runtime ${dll} not found")
  endif()
  list(APPEND _rt_dlls ${_rt_${dll}})
endforeach()

# Folders, runtime DLLs and data files of an install root at ROOT.
function(_molvane_root_commands out root)
  set(${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory "${root}/Bin" "${root}/System" "${root}/map"
            "${root}/Images" "${root}/User" "${root}/Temp"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_rt_dlls} "${root}/Bin"
    COMMAND ${CMAKE_COMMAND} -DSRC=${PROJECT_SOURCE_DIR}/resources -DDST=${root}
            -P "${PROJECT_SOURCE_DIR}/cmake/StageResources.cmake"
    PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE _resource_files CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/resources/*")
_molvane_root_commands(_testroot_cmds "${MOLVANE_TESTROOT}")
add_custom_command(OUTPUT "${CMAKE_BINARY_DIR}/testroot.stamp"
  ${_testroot_cmds}
  COMMAND ${CMAKE_COMMAND} -E touch "${CMAKE_BINARY_DIR}/testroot.stamp"
  DEPENDS ${_resource_files} "${PROJECT_SOURCE_DIR}/cmake/StageResources.cmake"
  COMMENT "Staging the test tree's data")
add_custom_target(testroot ALL DEPENDS "${CMAKE_BINARY_DIR}/testroot.stamp")

# The install root is staged once every module is declared: the deliverables are copied
# from the test tree, where they are built.
function(_molvane_stage_install_root)
  get_property(targets GLOBAL PROPERTY MOLVANE_DELIVERABLE_TARGETS)
  set(files)
  foreach(t ${targets})
    list(APPEND files "$<TARGET_FILE:${t}>")
  endforeach()
  _molvane_root_commands(cmds "${MOLVANE_STAGE}")
  add_custom_target(stage ALL
    ${cmds}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${files} "${MOLVANE_STAGE}/Bin"
    DEPENDS ${targets}
    COMMENT "Staging the install root")
endfunction()
cmake_language(DEFER DIRECTORY "${PROJECT_SOURCE_DIR}" CALL _molvane_stage_install_root)

# The test prefix: Korean locale, Nanum fonts standing in for Gulim, the test CA trusted.
# The script writes the stamp itself, and only for a target this machine runs.
add_executable(certinstall "${PROJECT_SOURCE_DIR}/scripts/certinstall.cpp")
target_link_libraries(certinstall PRIVATE crypt32)
target_link_options(certinstall PRIVATE -static)
set_target_properties(certinstall PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tools")
add_custom_command(OUTPUT "${MOLVANE_WINEPREFIX}.stamp"
  COMMAND ${CMAKE_COMMAND} -E env MOLVANE_ARCH=${MOLVANE_ARCH}
          "${PROJECT_SOURCE_DIR}/scripts/make-certs.sh" "${MOLVANE_CERTS}"
  COMMAND ${CMAKE_COMMAND} -E env MOLVANE_ARCH=${MOLVANE_ARCH}
          "${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh" "${MOLVANE_WINEPREFIX}" "${MOLVANE_CERTS}"
          "$<TARGET_FILE:certinstall>"
  DEPENDS certinstall "${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh"
          "${PROJECT_SOURCE_DIR}/scripts/wine-env.sh" "${PROJECT_SOURCE_DIR}/scripts/make-certs.sh"
          "${PROJECT_SOURCE_DIR}/scripts/targets-lib.sh"
          testroot
  COMMENT "Preparing the Wine test prefix")
add_custom_target(wine_prefix ALL DEPENDS "${MOLVANE_WINEPREFIX}.stamp")
