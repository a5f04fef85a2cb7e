// The control panel window, drawn with Dear ImGui's GLUT and OpenGL 2
// backends. The live variables are read and written in place in every frame,
// and a frame is drawn only when one is due (app/panel_redraw.h).
#include "app/control_panel.h"

#include <GL/freeglut.h>
#include <imgui.h>
#include <imgui_impl_glut.h>
#include <imgui_impl_opengl2.h>

#include <cfloat>
#include <cstdint>

#include "app/best_games_panel.h"
#include "app/panel_redraw.h"
#include "app/window_seam.h"

namespace {

constexpr int panelX = 650;
constexpr int panelY = 0;
constexpr int panelWidth = 330;
constexpr int panelHeight = 640;  // the best games below the Quit button
constexpr float spinnerStep = 0.1f;
constexpr float spinnerFastStep = 1.0f;

int panelWindow = 0;
PanelRedraw redraw;

// Input asks for frames until ImGui has settled.
void noteInput() {
    redraw.input();
    glutPostRedisplay();
}

// ImGui 1.86 keeps the mouse buttons as a state read once per frame: a press
// and its release between two frames (as synthetic clicks come) would never
// be seen. A release is held back until a frame has seen its press.
constexpr int buttonCount = 3;
bool pressUnseen[buttonCount] = {};
bool releaseHeld[buttonCount] = {};
int heldX[buttonCount] = {}, heldY[buttonCount] = {};
const int glutButtons[buttonCount] = {GLUT_LEFT_BUTTON, GLUT_RIGHT_BUTTON, GLUT_MIDDLE_BUTTON};

int imguiButton(int glutButton) {
    for (int b = 0; b < buttonCount; ++b)
        if (glutButtons[b] == glutButton) return b;
    return -1;
}

void panelMouse(int button, int state, int x, int y) {
    const int b = imguiButton(button);
    if (b >= 0 && state == GLUT_UP && pressUnseen[b]) {
        releaseHeld[b] = true;
        heldX[b] = x, heldY[b] = y;
    } else {
        ImGui_ImplGLUT_MouseFunc(button, state, x, y);
        if (b >= 0 && state == GLUT_DOWN) pressUnseen[b] = true;
    }
    noteInput();
}

// The backend does not notice the pointer leaving: park ImGui's mouse far
// away, or the last hovered control stays lit.
void panelEntry(int state) {
    if (state == GLUT_LEFT) ImGui::GetIO().MousePos = ImVec2(-FLT_MAX, -FLT_MAX);
    noteInput();
}

// The backend's input callbacks (as ImGui_ImplGLUT_InstallFuncs would set
// them), each noted as input.
void installInputCallbacks() {
    glutReshapeFunc([](int w, int h) { ImGui_ImplGLUT_ReshapeFunc(w, h), noteInput(); });
    glutMotionFunc([](int x, int y) { ImGui_ImplGLUT_MotionFunc(x, y), noteInput(); });
    glutPassiveMotionFunc([](int x, int y) { ImGui_ImplGLUT_MotionFunc(x, y), noteInput(); });
    glutMouseWheelFunc(
        [](int b, int d, int x, int y) { ImGui_ImplGLUT_MouseWheelFunc(b, d, x, y), noteInput(); });
    glutKeyboardFunc(
        [](unsigned char c, int x, int y) { ImGui_ImplGLUT_KeyboardFunc(c, x, y), noteInput(); });
    glutKeyboardUpFunc(
        [](unsigned char c, int x, int y) { ImGui_ImplGLUT_KeyboardUpFunc(c, x, y), noteInput(); });
    glutSpecialFunc([](int k, int x, int y) { ImGui_ImplGLUT_SpecialFunc(k, x, y), noteInput(); });
    glutSpecialUpFunc(
        [](int k, int x, int y) { ImGui_ImplGLUT_SpecialUpFunc(k, x, y), noteInput(); });
    glutMouseFunc(panelMouse);
    glutEntryFunc(panelEntry);
}

void drawControls() {
    const ImGuiIO& io = ImGui::GetIO();
    ImGui::SetNextWindowPos(ImVec2(0, 0));
    ImGui::SetNextWindowSize(io.DisplaySize);
    ImGui::Begin("CONTROL PANEL", nullptr,
                 ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoSavedSettings);
    for (const PanelCheckBox& c : panelCheckBoxes) {
        bool ticked = *c.live != 0;
        if (ImGui::Checkbox(c.label, &ticked)) *c.live = ticked ? 1 : 0;
    }
    ImGui::PushItemWidth(130);
    for (const PanelSpinner& s : panelSpinners)
        ImGui::InputFloat(s.label, s.live, spinnerStep, spinnerFastStep, "%.2f");
    ImGui::PopItemWidth();
    if (ImGui::Button("Quit")) windowSeam.exitProcess(0);
    drawBestGamesSection();
    ImGui::End();
}

// ImGui runs only here, with the panel's GL context current. GLUT calls it
// for exposes too.
void panelDisplay() {
    redraw.drawing();
    ImGui_ImplOpenGL2_NewFrame();
    ImGui_ImplGLUT_NewFrame();
    for (bool& unseen : pressUnseen) unseen = false;
    drawControls();
    ImGui::Render();
    const ImGuiIO& io = ImGui::GetIO();
    glViewport(0, 0, static_cast<GLsizei>(io.DisplaySize.x),
               static_cast<GLsizei>(io.DisplaySize.y));
    glClearColor(0.45f, 0.45f, 0.45f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
    glutSwapBuffers();
    // The next frame sees the releases held back for this one.
    for (int b = 0; b < buttonCount; ++b) {
        if (!releaseHeld[b]) continue;
        releaseHeld[b] = false;
        ImGui_ImplGLUT_MouseFunc(glutButtons[b], GLUT_UP, heldX[b], heldY[b]);
        noteInput();
    }
}

}  // namespace

void createControlPanel() {
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB);
    glutInitWindowSize(panelWidth, panelHeight);
    glutInitWindowPosition(panelX, panelY);
    panelWindow = glutCreateWindow("CONTROL PANEL");

    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;  // no imgui.ini
    ImGui::StyleColorsClassic();
    ImGui_ImplGLUT_Init();
    ImGui_ImplOpenGL2_Init();
    io.DisplaySize = ImVec2(panelWidth, panelHeight);

    glutDisplayFunc(panelDisplay);
    installInputCallbacks();
}

void syncControlPanel() {
    if (!panelWindow) return;
    if (pollBestGames()) redraw.input();
    const ImGuiIO& io = ImGui::GetIO();
    const bool held = io.MouseDown[0] || io.MouseDown[1] || io.MouseDown[2];
    if (redraw.due(held)) glutPostWindowRedisplay(panelWindow);
}

void hideControlPanel() {
    if (!panelWindow) return;
    glutSetWindow(panelWindow);
    glutHideWindow();
}

long controlPanelFrames() { return redraw.framesDrawn(); }
