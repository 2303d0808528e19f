// A child control of a dialog bound to an object.
//
// Binding subclasses the control (SetWindowSubclass), so a derived class sees the
// control's own messages (key filters) through OnMessage. The owning dialog hands it the
// colour requests of the control ("reflected", so an edit colours itself), the owner-draw
// requests (bitmap buttons) and the control's notifications (a click reaches the handler
// bound to the button itself, before the dialog's routing tables).
#pragma once

#include <windows.h>

#include <optional>

namespace win {

class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control();

    // Binds the control `id` of `dialog`; false if there is no such control.
    bool Bind(HWND dialog, int id);
    HWND Handle() const { return hwnd_; }
    int Id() const { return id_; }

    // The colour request of this control, asked of the control before its dialog.
    // nullptr leaves the answer to the dialog.
    virtual HBRUSH OnReflectedColour(HDC /*dc*/) { return nullptr; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
    // A notification of this control (BN_CLICKED, EN_CHANGE ...); false leaves it to the
    // dialog's routing tables.
    virtual bool OnCommand(WORD /*notification*/) { return false; }

protected:
    // A message sent to the control; nullopt passes it to the control's own procedure.
    virtual std::optional<LRESULT> OnMessage(UINT /*message*/, WPARAM /*wp*/, LPARAM /*lp*/) { return std::nullopt; }
    // What the control does with a message by itself.
    LRESULT Default(UINT message, WPARAM wp, LPARAM lp);
    // Only controls that filter their own messages need the subclass.
    virtual bool WantsMessages() const { return false; }

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);
    HWND hwnd_ = nullptr;
    int id_ = 0;
    bool subclassed_ = false;
};

}  // namespace win
