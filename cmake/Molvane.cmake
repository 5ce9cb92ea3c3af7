# Conventions shared by every deliverable and test of the tree.
include_guard(GLOBAL)

# What a user installs into Bin\ (besides the GCC runtime DLLs): the framework layer and the
# system's eighteen deliverables. Every other module (tests, test DLLs, stand-ins,
# benchmarks) stays in the test tree.
set(MOLVANE_DELIVERABLES Platform ToolBelt SharedKit FrameBase NetCourier QueryBroker ExchLink
    TokenBoard SheetView WidgetKit PanelHost OrderDialogs Molvane TradePanel BalancePanel
    HistoryPanel SignalPanel GraphKit PatchRunner)

# Precompiled headers: the framework layer, the standard headers most files use and, for tests,
# GoogleTest. A test file re-parses them otherwise: they are most of what it costs to compile.
# The framework layer builds its own (its headers export there and import everywhere else).
set(MOLVANE_PCH_HEADERS <afxwin.h> <afxtempl.h> <afxcmn.h> <algorithm> <cstdio> <cstdlib>
    <cstring> <functional> <map> <memory> <string> <vector>)

# Test code is compiled for quick builds: -Og keeps it debuggable and cheap to compile (gtest's
# expansions make -O2 cost about twice as much), -g1 keeps the line tables that backtraces need.
# The code under test is the shipped code, compiled as shipped, in its own modules.
set(MOLVANE_TEST_COMPILE_OPTIONS -Og -g1)

# The two hosts every other target reuses its precompiled headers from.
function(molvane_pch_hosts)
  add_library(molvane_pch STATIC "${PROJECT_SOURCE_DIR}/cmake/pch/pch_host.cpp")
  target_link_libraries(molvane_pch PRIVATE platform)
  target_precompile_headers(molvane_pch PRIVATE ${MOLVANE_PCH_HEADERS})
  add_library(molvane_test_pch STATIC "${PROJECT_SOURCE_DIR}/cmake/pch/pch_host.cpp")
  target_link_libraries(molvane_test_pch PRIVATE platform dep_gtest)
  target_precompile_headers(molvane_test_pch PRIVATE ${MOLVANE_PCH_HEADERS} <gtest/gtest.h>)
  target_compile_options(molvane_test_pch PRIVATE ${MOLVANE_TEST_COMPILE_OPTIONS})
endfunction()

# molvane_test_code(target): TARGET holds test code only (a test program, a fixture or helper
# library of tests): test compile options and the precompiled headers with GoogleTest.
function(molvane_test_code target)
  target_link_libraries(${target} PRIVATE platform dep_gtest)
  target_compile_options(${target} PRIVATE ${MOLVANE_TEST_COMPILE_OPTIONS})
  molvane_use_pch(${target} TEST)
endfunction()

# molvane_use_pch(target [TEST]): compile TARGET with the shared precompiled headers (TEST:
# those with GoogleTest).
function(molvane_use_pch target)
  cmake_parse_arguments(A "TEST" "" "" ${ARGN})
  if(A_TEST)
    target_precompile_headers(${target} REUSE_FROM molvane_test_pch)
  else()
    target_precompile_headers(${target} REUSE_FROM molvane_pch)
  endif()
endfunction()

function(_molvane_register_deliverable target output)
  if(output IN_LIST MOLVANE_DELIVERABLES)
    set_property(GLOBAL APPEND PROPERTY MOLVANE_DELIVERABLE_TARGETS ${target})
  endif()
endfunction()

# molvane_dll(target OUTPUT Name [SOURCES ...] [LINKS ...])
# A system library: Name.dll in Bin\, compiled with NAME_BUILD defined so that its headers
# export its classes while every other module imports them.
function(molvane_dll target)
  cmake_parse_arguments(A "" "OUTPUT" "SOURCES;LINKS" ${ARGN})
  add_library(${target} SHARED ${A_SOURCES})
  string(TOUPPER "${A_OUTPUT}" upper)
  set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME "${A_OUTPUT}")
  target_compile_definitions(${target} PRIVATE ${upper}_BUILD)
  target_link_libraries(${target} PUBLIC ${A_LINKS})
  if(NOT upper STREQUAL "PLATFORM")
    molvane_use_pch(${target})
  endif()
  _molvane_register_deliverable(${target} ${A_OUTPUT})
endfunction()

# molvane_exe(target OUTPUT Name [GUI] [SOURCES ...] [LINKS ...])
function(molvane_exe target)
  cmake_parse_arguments(A "GUI" "OUTPUT" "SOURCES;LINKS" ${ARGN})
  add_executable(${target} ${A_SOURCES})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME "${A_OUTPUT}")
  if(A_GUI)
    target_link_options(${target} PRIVATE -mwindows)
  endif()
  target_link_libraries(${target} PRIVATE ${A_LINKS})
  molvane_use_pch(${target})
  _molvane_register_deliverable(${target} ${A_OUTPUT})
endfunction()

# molvane_test(name SOURCES ... [LINKS ...] [PEERS server exchange version] [TIMEOUT s]
#              [NODESKTOP])
# One GoogleTest executable, one CTest entry, run under Wine in the test prefix; PEERS start
# the named testbed servers on free ports around the run (testbed/peers.py). NODESKTOP: the
# program shows and activates no window (hidden and message-only windows, memory DCs) and uses
# no real input, so it runs beside the desktop's turns; showing a window fails its test.
function(molvane_test name)
  cmake_parse_arguments(A "NODESKTOP" "TIMEOUT" "SOURCES;LINKS;PEERS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LINKS} molvane_test_main)
  molvane_test_code(${name})
  add_dependencies(${name} wine_prefix)
  set(cmd "${PROJECT_SOURCE_DIR}/scripts/wine-test.sh" "$<TARGET_FILE:${name}>")
  if(A_PEERS)
    string(REPLACE ";" "," peers "${A_PEERS}")
    set(cmd python3 "${PROJECT_SOURCE_DIR}/testbed/peers.py" --peers ${peers} -- ${cmd})
  endif()
  add_test(NAME ${name} COMMAND ${cmd})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  # Windows of all tests share one display and Wine desktop, and with them the foreground
  # window, keyboard focus and the mouse: tests under Wine take turns, the peers' own checks
  # run beside. Deferred to the end of the folder, so its own locks are kept.
  set(env "${MOLVANE_TEST_ENV}")
  if(A_NODESKTOP)
    list(APPEND env MOLVANE_TEST_NODESKTOP=1)
  else()
    cmake_language(EVAL CODE
      "cmake_language(DEFER CALL set_property TEST ${name} APPEND PROPERTY RESOURCE_LOCK wine_desktop)")
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${A_TIMEOUT} ENVIRONMENT "${env}")
endfunction()

# molvane_bench(name SOURCES ... [LINKS ...]): built with everything, run by scripts/bench.sh.
function(molvane_bench name)
  cmake_parse_arguments(A "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LINKS})
  molvane_use_pch(${name})
  set_property(GLOBAL APPEND PROPERTY MOLVANE_BENCHES ${name})
endfunction()
