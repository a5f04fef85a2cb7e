# The render tests: pure matrix and text checks, and frames drawn in a real
# GLUT window on a virtual display that the test program starts itself.
find_package(X11 REQUIRED)
zandok_test(render_tests render zandok_render X11::X11)
