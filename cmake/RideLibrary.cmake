# One static library per source folder: every .cpp/.h of the folder, so adding a file needs no edit here.
function(ride_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
                                   ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  list(FILTER _src INCLUDE REGEX "\\.(cpp|qrc)$")
  if(_src)
    file(GLOB _all CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
                                     ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    add_library(${name} STATIC ${_all})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    ride_warnings_as_errors(${name})
  else()
    # A folder with headers only (or nothing yet) still takes part in the dependency graph.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# One test program per test folder; each TEST becomes its own CTest case.
function(ride_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(NOT _src)
    return()
  endif()
  add_executable(${name} ${_src})
  ride_warnings_as_errors(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE ride_test_support ${ARG_DEPS} GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    RIDE_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    RIDE_BIN_DIR="${RIDE_OUTPUT_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 300)
endfunction()

# With RIDE_WERROR, a warning in the target's own code fails its build (system headers stay silent).
function(ride_warnings_as_errors name)
  if(RIDE_WERROR)
    target_compile_options(${name} PRIVATE -Werror)
    # gcc 12's overlap check misfires on std::string copies once inlined at -O3 (a Release build):
    # it still warns, but a false alarm in the standard library must not stop the build.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(${name} PRIVATE -Wno-error=restrict)
    endif()
  endif()
endfunction()
