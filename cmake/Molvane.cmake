# Conventions shared by every deliverable and test of the tree.
include_guard(GLOBAL)

# What a user installs into Bin\ (besides the GCC runtime DLLs): the framework layer and the
# system's eighteen deliverables. Every other module (tests, test DLLs, stand-ins,
# benchmarks) stays in the test tree.
set(MOLVANE_DELIVERABLES Platform ToolBelt SharedKit FrameBase NetCourier QueryBroker ExchLink
    TokenBoard SheetView WidgetKit PanelHost OrderDialogs Molvane TradePanel BalancePanel
    HistoryPanel SignalPanel GraphKit PatchRunner)

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
  set_property(GLOBAL APPEND PROPERTY MOLVANE_BENCHES ${name})
endfunction()
