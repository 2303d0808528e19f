// Start-up: the shared look, the session, then the main practice window, run modally.
// When it closes the program ends; there is no message loop of our own.
#include "app/PracticeDlg.h"
#include "common/WindowLook.h"
#include "common/session.h"
#include "win/dialog.h"
#include "win/ui.h"

#include <commctrl.h>

class CTutorApp {
public:
    int Run() {
        // The progress bars are common controls.
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&controls);
        win::SetDialogColours(qope::kDialogGround, qope::kDialogText);
        win::SetMessageCaption(qope::kMessageCaption);
        CPracticeDlg practice(m_session);
        practice.RunModal(nullptr);
        return 0;
    }

private:
    // One per process: every window draws from its rand() sequence.
    qope::Session m_session;
};

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    CTutorApp app;
    return app.Run();
}
