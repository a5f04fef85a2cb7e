# The game program: both windows, the control panel (Dear ImGui from the
# system's libimgui-dev, with its GLUT and OpenGL 2 backends inside) and the
# sound.
find_package(PkgConfig REQUIRED)
pkg_check_modules(IMGUI REQUIRED IMPORTED_TARGET imgui)

add_executable(zandok main.cpp platform_glut.cpp control_panel.cpp)
target_include_directories(zandok PRIVATE /usr/include/imgui/backends)
target_link_libraries(zandok PRIVATE zandok_render zandok_sound PkgConfig::IMGUI)
