# Helpers shared by every folder of the project.

# A tool program: an executable placed in dist/pgm beside parameter.dat. Its
# main is Qt's, so without Qt there is none.
function(add_kelvarin_tool name)
  if(NOT KELVARIN_WITH_QT)
    return()
  endif()
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS})
  set_target_properties(${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${KELVARIN_PGM_DIR}
    AUTOMOC ON)
  add_dependencies(dist ${name})
endfunction()

# A test executable registered with ctest. GoogleTest by default; QT for a QTest
# program run under the offscreen platform, which is left out without Qt.
function(add_kelvarin_test name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS" ${ARGN})
  if(T_QT AND NOT KELVARIN_WITH_QT)
    return()
  endif()
  add_executable(${name} ${T_SOURCES})
  if(T_QT)
    target_link_libraries(${name} PRIVATE ${T_LIBS} Qt6::Test Qt6::Widgets)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  endif()
  target_link_libraries(${name} PRIVATE kelvarin_test_support)
  target_compile_definitions(${name} PRIVATE
    KELVARIN_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
    KELVARIN_PGM_DIR="${KELVARIN_PGM_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
