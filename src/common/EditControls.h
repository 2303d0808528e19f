// The edit-control classes shared by the windows.
//
//   CColorEdit      green text on black (reference lines)
//   CImeInputEdit   Chinese typing line: black ground (green text on the first line),
//                   lets through only what an input method delivers
//   CLineInputEdit  English typing line: black ground, Enter dropped
//   CKeyClickEdit   clicks on every character
//   CCodeEntryEdit  the Wubi code field: clicks, lower-case letters, space, Backspace;
//                   editing keys do nothing; F1 warns, F8 asks for the help
//   CDictInputEdit  the dictionary pattern: clicks, letters, warns on anything else
#pragma once

#include "win/control.h"

#include <functional>

class CColorEdit : public win::Control {
public:
    HBRUSH OnReflectedColour(HDC dc) override;
};

class CImeInputEdit : public win::Control {
public:
    // The first typing line shows green text like a reference line; the others keep the
    // edit's text colour on the black ground.
    explicit CImeInputEdit(bool greenText = false) : greenText_(greenText) {}
    HBRUSH OnReflectedColour(HDC dc) override;

protected:
    bool WantsMessages() const override { return true; }
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    bool greenText_;
};

class CLineInputEdit : public win::Control {
public:
    HBRUSH OnReflectedColour(HDC dc) override;

protected:
    bool WantsMessages() const override { return true; }
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wp, LPARAM lp) override;
};

class CKeyClickEdit : public win::Control {
protected:
    bool WantsMessages() const override { return true; }
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wp, LPARAM lp) override;
};

class CCodeEntryEdit : public win::Control {
public:
    // Called for F8; the window that owns the field shows the program's help.
    std::function<void()> onHelp;

protected:
    bool WantsMessages() const override { return true; }
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wp, LPARAM lp) override;
};

class CDictInputEdit : public win::Control {
protected:
    bool WantsMessages() const override { return true; }
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wp, LPARAM lp) override;
};
