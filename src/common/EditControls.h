// The edit-control classes shared by the windows.
//
//   CColorEdit      green text on black (reference lines)
//   CTypingLine     a typing line that draws every character typed again on a cell of
//                   its own: the match colour where it equals the reference at its
//                   place, the mismatch colour where not
//   CImeInputEdit   Chinese typing line: black ground (green text on the first line),
//                   lets through only what an input method delivers, up to a limit of
//                   GBK bytes
//   CLineInputEdit  English typing line: black ground, Enter dropped
//   CKeyClickEdit   clicks on every character
//   CCodeEntryEdit  the Wubi code field: clicks, lower-case letters, space, Backspace;
//                   editing keys do nothing; F1 warns, F8 asks for the help
//   CDictInputEdit  the dictionary pattern: clicks, letters, warns on anything else
#pragma once

#include "common/line_typing.h"
#include "win/overlay_control.h"

#include <functional>
#include <string>

class CColorEdit : public win::Control {
public:
    HBRUSH OnReflectedColour(HDC dc) override;
};

class CTypingLine : public win::OverlayControl {
public:
    CTypingLine();
    // The reference line the characters are compared with, `unit` bytes a character.
    std::function<const std::string&()> reference;
    int unit = 1;
    COLORREF matchColour = RGB(0, 255, 0);
    COLORREF mismatchColour = RGB(255, 0, 0);
    HFONT cellFont = nullptr;  // the window's, made once

    // What the line holds now: its text, and its characters as GBK.
    std::wstring Text() const;
    qope::TypedChars Typed() const;

protected:
    // Enter is no key of a typing line: an edit would hand it on to the window's default
    // button, taking the focus with it.
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    void DrawCells(HDC dc) const;
};

class CImeInputEdit : public CTypingLine {
public:
    // The first typing line shows green text like a reference line; the others keep the
    // edit's text colour on the black ground.
    explicit CImeInputEdit(bool green = false) : greenText(green) {}
    HBRUSH OnReflectedColour(HDC dc) override;
    bool greenText;
    // The most GBK bytes the line takes (0: no limit): an edit's own limit counts UTF-16
    // units, which would let twice the characters in.
    int byteLimit = 0;

protected:
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    // Whether `text` fits in place of the selection.
    bool Fits(std::wstring_view text) const;
    void Paste();
};

class CLineInputEdit : public CTypingLine {
public:
    HBRUSH OnReflectedColour(HDC dc) override;

protected:
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
