// Start-up: the shared look, then the main practice window, run modally. When it
// closes the program ends; there is no message loop of our own.
#include "app/PracticeDlg.h"

#include <commctrl.h>

class CTutorApp {
public:
    int Run() {
        // The progress bars are common controls.
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&controls);
        // The dialog colours (grey ground, blue text) are the window layer's default answer
        // to every colour request, so there is nothing to set here.
        CPracticeDlg practice;
        practice.RunModal(nullptr);
        return 0;
    }
};

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    CTutorApp app;
    return app.Run();
}
