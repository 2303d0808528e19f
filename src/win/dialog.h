// The dialog base of every window of the program.
//
// A window is a dialog template plus a class derived from Dialog:
//  - messages reach handlers through two tables the class returns: MessageRoutes() maps a
//    window message to a member, CommandRoutes() maps (control id, notification) to a
//    member, menu commands included (notification 0, as BN_CLICKED);
//  - Exchange() names once which member each control shows; Push() copies all members into
//    the controls and Read() all controls into the members. Change notifications that a
//    Push causes are not routed, so a push never re-enters a change handler. A control
//    named in Exchange() is changed only through Push() (or by the learner typing);
//  - RunModal() runs the window modally with an owner; IDOK reads the members and ends the
//    run, IDCANCEL ends it, unless the class routes those ids itself;
//  - a control's notifications go first to the Control bound to it (a button's own click
//    handler), then to the tables;
//  - the colour requests of the controls go first to a bound Control (reflected colours),
//    then to OnColour(), whose default colours the labels of the window's look and gives
//    the rest the dialog colours set by SetDialogColours;
//  - GetLook() declares the window's ground, fonts, label colours and hand-cursor controls
//    (win/look.h), which the base applies;
//  - timers of the window (win/timer.h) stop when it is ended or destroyed.
#pragma once

#include "win/control.h"
#include "win/look.h"
#include "win/scoped.h"

#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace win {

class Dialog;

// nullopt: not handled here, the dialog's default processing runs.
using MessageFn = std::optional<INT_PTR> (Dialog::*)(WPARAM, LPARAM);
using CommandFn = void (Dialog::*)();

struct MessageRoute {
    UINT message;
    MessageFn handler;
};

struct CommandRoute {
    int id;
    WORD notification;  // BN_CLICKED (0) also for menu commands, EN_CHANGE, EN_SETFOCUS ...
    CommandFn handler;
};

template <class D>
MessageRoute OnMessage(UINT message, std::optional<INT_PTR> (D::*handler)(WPARAM, LPARAM)) {
    return {message, static_cast<MessageFn>(handler)};
}

template <class D>
CommandRoute OnCommand(int id, void (D::*handler)(), WORD notification = BN_CLICKED) {
    return {id, notification, static_cast<CommandFn>(handler)};
}

// The ground and text colour of every dialog's labels, buttons and read-only fields, set
// once at start (until then the system's).
void SetDialogColours(COLORREF ground, COLORREF text);

// Lays a dialog and its controls out again as its template would come out with these
// dialog base units, when the system renders the template's font at others: Windows has
// the raster System face in its 16-pixel size only (base units 8 x 16, whatever point size
// a template names), while Wine scales its System face to the size named. Re-centres the
// window. Nothing changes when the units are already these.
void LayOutInBaseUnits(HWND dialog, SIZE units);

// What a control was last given or read: a push skips a field that already shows its
// member, and a read takes a control the learner cannot edit from here, since only pushes
// change it. (Each text crossing costs a window message and a code-page conversion; the
// main window exchanges nine fields on every key.)
struct ShownField {
    int id;
    std::string text;
    bool editable;  // an edit the learner can type into: always read from the window
    int limit;      // the text limit last set
};

// One direction of the data exchange between members and controls.
class DataExchange {
public:
    DataExchange(HWND dialog, bool reading, std::vector<ShownField>& shown)
        : dialog_(dialog), reading_(reading), shown_(shown) {}
    bool Reading() const { return reading_; }

    // A text member (GBK). A limit in bytes becomes the edit's text limit on a push and
    // cuts a longer text on a read.
    void Text(int id, std::string& member, int limit = 0);
    void Number(int id, int& member);

private:
    // The text of the control as GBK: from the cache unless the learner can change it.
    std::string ReadText(HWND control, int id);
    // Shows `text` (GBK) in the control unless it already does.
    void PushText(HWND control, int id, const std::string& text);
    // The cache entry of a control, made from the window on first use.
    ShownField& Shown(HWND control, int id);

    HWND dialog_;
    bool reading_;
    std::vector<ShownField>& shown_;
};

class Dialog {
public:
    explicit Dialog(int templateId) : templateId_(templateId) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog() = default;

    // Runs the window modally; returns the value it ended with (IDOK, IDCANCEL), or -1 when
    // the template could not be made into a window.
    INT_PTR RunModal(HWND owner);
    HWND Handle() const { return hwnd_; }
    HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
    // Ends the modal run; the window's timers stop at once.
    void EndModal(INT_PTR result);

    void Push();
    void Read();
    bool Pushing() const { return pushing_; }

    // Binds a control object to its control; the dialog hands it colour and draw requests.
    bool Bind(Control& control, int id);

    // The dialog colours for a control colour request of this type.
    static HBRUSH DialogColours(HDC dc, int colourType);
    // Font `index` of the window's look, made when the window opened (nullptr: none).
    HFONT LookFont(int index) const;

protected:
    // Enter does not end the window: the dialog's OK that the Enter key sends is ignored,
    // while the OK button clicked (or Space on it) still ends it. For windows whose
    // typing fields take Enter as a key like any other.
    void KeepOpenOnEnter() { keepsOpenOnEnter_ = true; }

    // The controls exist; return false when the focus was set here.
    virtual bool OnInitDialog() { return true; }
    virtual std::span<const MessageRoute> MessageRoutes() const { return {}; }
    virtual std::span<const CommandRoute> CommandRoutes() const { return {}; }
    virtual void Exchange(DataExchange& /*dx*/) {}
    // A diagnostics query the window layer does not answer itself (-1: none).
    virtual long long OnDiagnostics(unsigned /*query*/) { return -1; }
    // A command no route names (for commands a class finds in a table of its own).
    virtual bool OnOtherCommand(int /*id*/, WORD /*notification*/) { return false; }
    virtual void OnOK();
    virtual void OnCancel();
    // A control colour request (colourType is CTLCOLOR_STATIC ...), after reflection.
    virtual HBRUSH OnColour(HDC dc, HWND control, int colourType);
    // The window's look; nullptr: the system's ground and the dialog colours.
    virtual const Look* GetLook() const { return nullptr; }
    // What the window draws over its ground when the base paints it (a look with a
    // ground): client coordinates, clipped to `area`.
    virtual void PaintOver(HDC /*dc*/, const RECT& /*area*/) {}

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp);
    INT_PTR HandleMessage(UINT message, WPARAM wp, LPARAM lp);
    LONG_PTR Diagnose(WPARAM query);
    bool RouteCommand(int id, WORD notification, HWND control);
    Control* BoundControl(HWND hwnd) const;
    void ApplyLookFonts();
    HBRUSH LabelColours(HDC dc, HWND control, int colourType) const;
    bool HandCursorOver(HWND control) const;
    void PaintGround();
    void StopTimers();

    int templateId_;
    HWND hwnd_ = nullptr;
    bool pushing_ = false;
    bool keepsOpenOnEnter_ = false;
    std::vector<Control*> bound_;
    std::vector<ShownField> shown_;
    std::vector<ScopedFont> fonts_;  // the look's, for the life of the window object
};

}  // namespace win
