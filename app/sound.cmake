# The sound cues: a host tool synthesizes the fourteen clips into a generated
# source at build time, and zandok_sound plays them through SDL2's audio.
find_package(SDL2 REQUIRED)

add_executable(make_clips ${CMAKE_SOURCE_DIR}/tools/make_clips.cpp)

set(ZANDOK_CLIPS_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/sound_clips_data.cpp)
add_custom_command(
  OUTPUT ${ZANDOK_CLIPS_SOURCE}
  COMMAND make_clips ${ZANDOK_CLIPS_SOURCE}
  DEPENDS make_clips
  COMMENT "Synthesizing the sound cues"
  VERBATIM)
# The clips are plain data: debug information would only copy them again.
set_source_files_properties(${ZANDOK_CLIPS_SOURCE} PROPERTIES COMPILE_OPTIONS "-g0")

add_library(zandok_sound STATIC ${CMAKE_CURRENT_SOURCE_DIR}/sound_sdl.cpp ${ZANDOK_CLIPS_SOURCE})
target_link_libraries(zandok_sound PUBLIC zandok_core PRIVATE SDL2::SDL2)
