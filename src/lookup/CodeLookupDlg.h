// The code lookup (编码查询): the characters of the item the drill asks now, its code and
// one key cap per character of the code, on a blue ground.
#pragma once

#include "lookup/CodeLookupDlgRes.h"
#include "win/dialog.h"
#include "win/scoped.h"

#include <string>
#include <vector>

class CCodeLookupDlg : public win::Dialog {
public:
    CCodeLookupDlg() : Dialog(IDD_CODE_LOOKUP) {}

    // Set before the modal run.
    std::string m_strChars;  // GBK; empty during a root drill
    std::string m_strCode;   // 1 to 4 characters
    int m_nEdition = 86;

    // The top-left corner of the cap of code character i (client pixels).
    static POINT CapOrigin(int i) { return POINT{60 + 75 * i, 130}; }
    static constexpr int kCapCell = 70;

protected:
    bool OnInitDialog() override;
    const win::Look* GetLook() const override;
    void PaintOver(HDC dc, const RECT& area) override;
    void Exchange(win::DataExchange& dx) override;
    void OnOK() override;
    void OnCancel() override;

private:
    void DrawCap(HDC dc, int i, char key) const;
    void ReleasePictures();

    // The cap of each code character, loaded when the window opens; empty for a character
    // that has none (drawn as a plain cap with the character).
    std::vector<win::ScopedBitmap> m_caps;
};
