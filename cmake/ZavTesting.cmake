# zav_add_test(NAME name SOURCES ... LIBS ... LABELS ... [TIMEOUT s])
# One GoogleTest executable registered as one ctest test, so library state
# that lives for the whole process starts fresh in every test program.
function(zav_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main Threads::Threads)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_LABELS}" TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "ZAV_DIST_DIR=${ZAV_DIST_DIR};ZAV_HISTORY=${CMAKE_BINARY_DIR}/tests/history/${T_NAME}.sqlite")
endfunction()

# zav_add_gui_test(NAME name SOURCES ... LIBS ... [TIMEOUT s])
# One Qt Test executable of widget tests, label gui, run with the offscreen
# platform and a settings store of its own.
function(zav_add_gui_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  find_package(Qt6 REQUIRED COMPONENTS Test Widgets)
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test Qt6::Widgets)
  set_target_properties(${T_NAME} PROPERTIES AUTOMOC ON
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES LABELS gui TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZAV_DIST_DIR=${ZAV_DIST_DIR};XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/tests/gui_home/${T_NAME};ZAV_HISTORY=${CMAKE_BINARY_DIR}/tests/history/${T_NAME}.sqlite")
endfunction()
