# The render tests: matrices, viewport and status text, and complete frames
# drawn in a real GLUT window on a virtual display that the test program
# starts itself.
zandok_test(render_tests render zandok_render)
