# Every folder of the program is one static library made of the sources
# it holds, so each source is compiled once for the program and the tests.
function(vn_folder_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  # The program's entry point is not part of any library.
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  set(compiled ${sources})
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  # A folder that holds no source yet is an empty interface library, so
  # the targets that name it link before its first source lands.
  if(NOT compiled)
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# One test program per folder of tests; CTest runs each test case on its own.
function(vn_folder_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  # Only the shared Qt environment: no test in this folder yet.
  list(LENGTH sources count)
  if(count LESS 2)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# Runs the cases of test program `target` that `filter` selects once more
# as test `name`, on a screen of 120 DPI, unscaled: the forms' fonts are a
# quarter larger in pixels (scaled by Qt, the whole form grows alike and
# the 96 DPI run stands for it).
function(vn_tests_at_120dpi name target filter)
  if(NOT TARGET ${target})
    return()
  endif()
  add_test(NAME ${name} COMMAND ${target} --gtest_filter=${filter})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/dialogs/offscreen-120dpi.json;QT_ENABLE_HIGHDPI_SCALING=0;VN_EXPECTED_DPI=120")
endfunction()
