# wufu_add_test(NAME name [QT] SOURCES ... LIBS ...): one GoogleTest executable, registered with
# ctest. With QT the executable gets a main that makes a QApplication first; widget tests run
# headless on the offscreen platform.
function(wufu_add_test)
  cmake_parse_arguments(T "QT" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_QT)
    target_sources(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/qt_test_main.cpp)
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Widgets GTest::gtest GTest::gmock)
  else()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  endif()
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
  gtest_discover_tests(${T_NAME}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60
    DISCOVERY_MODE PRE_TEST)
endfunction()

# Fixtures for window tests: small descriptions, the real stored block, loading a window.
add_library(wufu_test_support STATIC ${PROJECT_SOURCE_DIR}/tests/support/window_fixture.cpp)
target_include_directories(wufu_test_support PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(wufu_test_support PUBLIC wufu_kinds)
target_compile_definitions(wufu_test_support PRIVATE
  WUFU_STORED_BLOCK="${PROJECT_BINARY_DIR}/window.bin")
add_dependencies(wufu_test_support wufu_description_block)
