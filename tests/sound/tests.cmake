# The sound tests: the stored clips, and the SDL player under SDL's dummy and
# disk drivers and with no driver at all. Every test runs in its own process
# with the dummy driver unless it asks for another one itself.
file(GLOB sound_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/sound/*.cpp)
add_executable(sound_tests ${sound_test_sources} ${CMAKE_CURRENT_SOURCE_DIR}/support/test_support.cpp)
target_link_libraries(sound_tests PRIVATE zandok_sound zandok_core GTest::gtest GTest::gtest_main)
gtest_discover_tests(sound_tests WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
  PROPERTIES ENVIRONMENT "SDL_AUDIODRIVER=dummy" DISCOVERY_TIMEOUT 60 TIMEOUT 60)
