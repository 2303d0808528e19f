// Font probe: what the fonts the program asks for turn into under Wine's replacements.
//
// Prints, one line each, the dialog base units of dialogs whose template font is
// 宋体 16 pt (as the main window's) and 宋体 12 pt (as the finger exercise's, whose key
// pictures tile at 8 x 16), and the text metrics of 宋体 16 pt, 黑体 16 pt, Arial 16 pt
// and Impact 12 pt created as the windows create them. Pictures are drawn at pixel
// positions that assume Windows' figures (宋体 16 pt: base units 11 x 21), so the
// replacement for 宋体 is chosen by these numbers.
//
//   fontmetrics.exe                          print the figures (UTF-8)
//   fontmetrics.exe --check W H [W12 H12]    also exit 1 unless the 16 pt dialog's base
//                                            units are W x H (and the 12 pt dialog's
//                                            W12 x H12) and every face asked for is
//                                            replaced
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* s) {
    int n = WideCharToMultiByte(CP_UTF8, 0, s, -1, nullptr, 0, nullptr, nullptr);
    std::string out(n > 0 ? static_cast<size_t>(n - 1) : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, s, -1, out.data(), n, nullptr, nullptr);
    return out;
}

// The full name of the font the mapper really chose: under a replacement, the face and
// family names are the alias asked for, the full name is the replacement's own.
std::wstring FullName(HDC dc) {
    UINT size = GetOutlineTextMetricsW(dc, 0, nullptr);
    if (size == 0) return L"?";
    std::vector<char> buf(size);
    auto* otm = reinterpret_cast<OUTLINETEXTMETRICW*>(buf.data());
    if (!GetOutlineTextMetricsW(dc, size, otm)) return L"?";
    return reinterpret_cast<const wchar_t*>(buf.data() + reinterpret_cast<uintptr_t>(otm->otmpFullName));
}

struct Metrics {
    std::wstring face, fullName;
    LONG height = 0, aveWidth = 0;
};

Metrics Measure(HDC dc, HFONT font) {
    HGDIOBJ old = SelectObject(dc, font);
    Metrics m;
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, face);
    m.face = face;
    m.fullName = FullName(dc);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    m.height = tm.tmHeight;
    m.aveWidth = tm.tmAveCharWidth;
    SelectObject(dc, old);
    return m;
}

// Labels are wide strings: narrow literals are compiled to GBK in this tree, the output
// is UTF-8.
void Print(const wchar_t* what, const Metrics& m) {
    std::printf("%s: face \"%s\" (%s), tmHeight %ld, tmAveCharWidth %ld\n", Utf8(what).c_str(),
                Utf8(m.face.c_str()).c_str(), Utf8(m.fullName.c_str()).c_str(), m.height, m.aveWidth);
}

// Fonts as the windows make them: negative height from points at the screen's DPI.
Metrics PointFont(HDC dc, int points, const wchar_t* face) {
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    HFONT font = CreateFontIndirectW(&lf);
    Metrics m = Measure(dc, font);
    DeleteObject(font);
    return m;
}

// An in-memory DIALOGEX template: no controls, FONT points, "宋体", 0, 0, GB2312_CHARSET,
// the same header as the windows' templates.
std::vector<WORD> DialogTemplate(WORD points) {
    std::vector<WORD> t;
    auto dword = [&t](DWORD v) { t.push_back(LOWORD(v)); t.push_back(HIWORD(v)); };
    auto text = [&t](const wchar_t* s) { do t.push_back(static_cast<WORD>(*s)); while (*s++); };
    t.push_back(1);      // dlgVer
    t.push_back(0xFFFF); // signature: extended template
    dword(0);            // helpID
    dword(0);            // exStyle
    dword(WS_POPUP | WS_CAPTION | DS_SETFONT | DS_MODALFRAME);
    t.push_back(0);      // no controls
    t.push_back(0); t.push_back(0); t.push_back(288); t.push_back(211);
    t.push_back(0);      // no menu
    t.push_back(0);      // default class
    text(L"fontmetrics");
    t.push_back(points);
    t.push_back(0);      // weight
    t.push_back(static_cast<WORD>(GB2312_CHARSET << 8)); // italic 0, charset
    text(L"宋体");
    return t;
}

INT_PTR CALLBACK DialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

HWND CreateProbeDialog(WORD points) {
    std::vector<WORD> tmpl = DialogTemplate(points);
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                      reinterpret_cast<LPCDLGTEMPLATEW>(tmpl.data()), nullptr,
                                      DialogProc, 0);
}

// Pixels of 4 x 8 dialog units.
RECT BaseUnits(HWND dlg) {
    RECT units{0, 0, 4, 8};
    MapDialogRect(dlg, &units);
    return units;
}

}  // namespace

int main(int argc, char** argv) {
    bool check = (argc == 4 || argc == 6) && std::strcmp(argv[1], "--check") == 0;
    long wantX = check ? std::atol(argv[2]) : 0, wantY = check ? std::atol(argv[3]) : 0;
    bool check12 = check && argc == 6;
    long want12X = check12 ? std::atol(argv[4]) : 0, want12Y = check12 ? std::atol(argv[5]) : 0;

    HWND dlg = CreateProbeDialog(16);
    HWND dlg12 = CreateProbeDialog(12);
    if (!dlg || !dlg12) {
        std::printf("fontmetrics: cannot create the dialog (error %lu)\n", GetLastError());
        return 2;
    }
    const RECT units = BaseUnits(dlg);
    const RECT units12 = BaseUnits(dlg12);
    DestroyWindow(dlg12);
    HDC dc = GetDC(dlg);
    Metrics dlgFont = Measure(dc, reinterpret_cast<HFONT>(SendMessageW(dlg, WM_GETFONT, 0, 0)));
    std::printf("code page: ACP %u, OEMCP %u\n", GetACP(), GetOEMCP());
    std::printf("%s: base units %ld x %ld\n", Utf8(L"dialog 宋体 16 pt").c_str(), units.right,
                units.bottom);
    std::printf("%s: base units %ld x %ld\n", Utf8(L"dialog 宋体 12 pt").c_str(), units12.right,
                units12.bottom);
    Print(L"dialog font", dlgFont);
    Metrics song = PointFont(dc, 16, L"宋体");
    Metrics hei = PointFont(dc, 16, L"黑体");
    Metrics arial = PointFont(dc, 16, L"Arial");
    Metrics impact = PointFont(dc, 12, L"Impact");
    Print(L"宋体 16 pt", song);
    Print(L"黑体 16 pt", hei);
    Print(L"Arial 16 pt", arial);
    Print(L"Impact 12 pt", impact);
    ReleaseDC(dlg, dc);
    DestroyWindow(dlg);

    if (!check) return 0;
    bool ok = true;
    if (units.right != wantX || units.bottom != wantY) {
        std::printf("fontmetrics: base units %ld x %ld, want %ld x %ld\n", units.right,
                    units.bottom, wantX, wantY);
        ok = false;
    }
    if (check12 && (units12.right != want12X || units12.bottom != want12Y)) {
        std::printf("fontmetrics: 12 pt base units %ld x %ld, want %ld x %ld\n", units12.right,
                    units12.bottom, want12X, want12Y);
        ok = false;
    }
    // A face the mapper could not resolve falls back silently; a replacement that took
    // effect reports a full name other than the face asked for.
    for (const auto* m : {&song, &hei, &arial, &impact}) {
        if (m->fullName == m->face || m->fullName == L"?") {
            std::printf("fontmetrics: \"%s\" is not replaced\n", Utf8(m->face.c_str()).c_str());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
