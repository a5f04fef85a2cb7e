# Real-window tests: the game program runs on a virtual display that the test
# program starts itself (Xvfb), driven with xdotool and watched through
# screenshots and its recording.
file(GLOB window_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/app/window/*.cpp)
add_executable(app_window_tests ${window_test_sources}
  ${CMAKE_CURRENT_SOURCE_DIR}/support/test_support.cpp)
target_link_libraries(app_window_tests PRIVATE zandok_core GTest::gtest GTest::gtest_main)
target_compile_definitions(app_window_tests PRIVATE ZANDOK_GAME_EXE="$<TARGET_FILE:zandok>")
add_dependencies(app_window_tests zandok)
gtest_discover_tests(app_window_tests WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy;LIBGL_ALWAYS_SOFTWARE=1" DISCOVERY_TIMEOUT 60
  TIMEOUT 120)
