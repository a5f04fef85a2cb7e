// 3D Zandok: the start-up sequence. Everything after it happens in the
// callbacks of GLUT's main loop, which the process leaves only by exit.
#include <GL/freeglut.h>

#include "app/control_panel.h"
#include "app/idle.h"
#include "app/platform_glut.h"
#include "app/recording.h"
#include "app/sound_sdl.h"
#include "app/startup.h"
#include "model/sound_cue.h"
#include "render/gl_setup.h"

int main(int argc, char** argv) {
    installSoundBackend();
    installWindowSeam();

    postGreeting();
    applyCommandLine(argc, argv);
    glutInit(&argc, argv);
    // Closing a window ends the process through exit, as the quit paths do.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_EXIT);

    createControlPanel();
    createGameWindow();

    initGraphics();
    openRecordingFile("output.txt");
    writeReplayHeader();
    playCue(CueStart);

    glutIdleFunc(onIdle);
    glutMainLoop();
    return 0;
}
