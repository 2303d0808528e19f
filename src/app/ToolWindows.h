// The tool windows the main window opens with a modal run, as one table: the button and
// menu item of each, and what the main window does around the run. The finger exercise,
// the English practice and the article typing leave the drill (it is emptied and its
// pictures released first); the others leave it as it is. After the article window, where
// typing needed an input method, the US keyboard layout is activated again.
#pragma once

#include "common/session.h"
#include "win/dialog.h"

#include <memory>
#include <span>

struct ToolWindow {
    int button;               // 0: none
    int menu;                 // 0: none
    bool leavesDrill;
    bool restoresUsKeyboard;
    std::unique_ptr<win::Dialog> (*make)(qope::Session& session);
};

std::span<const ToolWindow> ToolWindows();
// The tool window a button or menu item opens; nullptr for any other command.
const ToolWindow* ToolWindowOf(int command);
