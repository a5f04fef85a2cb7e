# The shell's tests run the built replay player.
target_compile_definitions(app_tests PRIVATE ZANDOK_REPLAY_EXE="$<TARGET_FILE:zandok-replay>")
add_dependencies(app_tests zandok-replay)
