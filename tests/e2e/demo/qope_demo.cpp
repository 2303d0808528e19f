// A short scripted session for the run command: starts Qope, switches to the 98 edition
// and back, opens the version history, then runs a full-code drill and a root batch on the
// keyboard map in each edition, looks codes up, opens the dictionary, the music choice, the
// about box, the finger exercise, the line-typing windows and both speed tests, and writes
// a screenshot (BMP) after each step into the folder named on the command line.
#include "driver/qope_driver.h"
#include "app/PracticeDlgRes.h"
#include "chinese/ArticleTypingDlgRes.h"
#include "chinese/ChineseSpeedTestDlgRes.h"
#include "common/speed_test_diagnostics.h"
#include "english/EnglishPracticeDlgRes.h"
#include "english/EnglishSpeedTestDlgRes.h"
#include "english/FingerExerciseDlgRes.h"

#include <chrono>
#include <cstdio>
#include <initializer_list>
#include <string>

int wmain(int argc, wchar_t** argv) {
    const std::wstring folder = argc > 1 ? argv[1] : L".";
    auto qope = e2e::Qope::Start();
    if (!qope) {
        std::fprintf(stderr, "qope.exe did not show its main window\n");
        return 1;
    }
    auto shot = [&](HWND window, const wchar_t* name) {
        const std::wstring path = folder + L"\\" + name + L".bmp";
        const bool saved = qope->CaptureWindow(window).SaveBmp(path);
        std::printf("%ls %s\n", name, saved ? "saved" : "NOT saved");
        return saved;
    };
    bool ok = shot(qope->Main(), L"1-start-86");
    qope->Command(ID_EDITION_98);
    qope->Settle();
    ok &= shot(qope->Main(), L"2-edition-98");
    qope->Command(ID_EDITION_86);
    qope->Settle();
    ok &= shot(qope->Main(), L"3-back-to-86");
    qope->PostCommand(ID_VERSION_HISTORY);
    if (HWND history = qope->WaitForDialog(L"关于Qope......")) {
        qope->Settle();
        ok &= shot(history, L"4-version-history");
        ::SendMessageW(history, WM_COMMAND, IDOK, 0);
    } else {
        ok = false;
    }
    // Drills on the keyboard map: the keys of the current code are lit.
    qope->Command(IDC_KEYHELPBUTTON);
    qope->Command(ID_ALL_CODES);
    qope->Settle();
    ok &= shot(qope->Main(), L"5-full-codes-86-map");
    qope->Command(ID_ALL_ROOTS);
    qope->Settle();
    const std::string keys = e2e::Qope::RootKeys(qope->RootRow(390, 86), 86);
    qope->TypeKeys(std::wstring(keys.begin(), keys.begin() + 9) + L"v");  // nine right, one wrong
    ok &= shot(qope->Main(), L"6-all-roots-86-typing");
    qope->Command(ID_EDITION_98);
    qope->Command(IDC_KEYHELPBUTTON);
    qope->Command(ID_TWO_WORDS);
    qope->Settle();
    ok &= shot(qope->Main(), L"7-two-words-98-map");
    qope->Command(ID_ZONE_PIE);
    qope->Settle();
    ok &= shot(qope->Main(), L"8-zone-pie-98");

    // The code lookup in both editions and during a root batch.
    auto lookup = [&](const wchar_t* name) {
        qope->PostCommand(ID_CODE_LOOKUP);
        if (HWND dialog = qope->WaitForDialog(L"编码查询                                    谢谢使用!")) {
            qope->Settle();
            ok &= shot(dialog, name);
            ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
            qope->Settle();
        } else {
            ok = false;
        }
    };
    qope->Command(ID_TWO_SIMP);
    qope->Settle();
    lookup(L"9-lookup-two-level-98");
    qope->Command(ID_EDITION_86);
    qope->Command(ID_ALL_CODES);
    qope->Settle();
    lookup(L"10-lookup-full-code-86");
    qope->Command(ID_ZONE_HENG);
    qope->Settle();
    lookup(L"11-lookup-roots-86");

    // The dictionary with a long result.
    qope->PostCommand(ID_DICTIONARY);
    if (HWND dictionary = qope->WaitForDialog(L"字典查询                                    谢谢使用！")) {
        qope->Settle();
        qope->TypeKeys(L"azzz");
        ok &= shot(dictionary, L"12-dictionary-azzz");
        ::SendMessageW(dictionary, WM_COMMAND, IDOK, 0);
        qope->Settle();
    } else {
        ok = false;
    }

    // The music choice and the about box.
    qope->PostCommand(ID_MUSIC_CHOICE);
    if (HWND music = qope->WaitForDialog(L"背景音乐选择")) {
        qope->Settle();
        ok &= shot(music, L"13-music");
        ::SendMessageW(music, WM_COMMAND, IDCANCEL, 0);
        qope->Settle();
    } else {
        ok = false;
    }
    qope->PostSysCommand(IDM_ABOUTBOX);
    if (HWND about = qope->WaitForDialog(L"关于 Qope")) {
        qope->Settle();
        ok &= shot(about, L"14-about");
        ::SendMessageW(about, WM_COMMAND, IDOK, 0);
        qope->Settle();
    } else {
        ok = false;
    }

    // The finger exercise on the home row: four keys right, one wrong, its message answered.
    qope->PostCommand(ID_FINGER_EXERCISE);
    if (HWND finger = qope->WaitForDialog()) {
        qope->Settle();
        qope->Click(::GetDlgItem(finger, IDC_FINGER_GROUP1));
        qope->TypeKeys(L"asdfk");
        qope->AnswerMessageBox();
        ok &= shot(finger, L"15-finger-group1");
        ::SendMessageW(finger, WM_COMMAND, IDCANCEL, 0);
        qope->Settle();
    } else {
        ok = false;
    }
    // The line-typing windows: a lesson with a wrong key, an article as an input method
    // hands it on with a wrong character.
    if (const e2e::Window english = qope->OpenToolWindow(ID_ENGLISH_PRACTICE)) {
        qope->Click(english.Item(IDC_LESSON_BASIC));
        qope->TypeKeys(L"aaab ssss");
        ok &= shot(english.Handle(), L"16-english-practice");
        english.Command(IDOK);
        qope->Settle();
    } else {
        ok = false;
    }
    if (const e2e::Window article = qope->OpenToolWindow(ID_ARTICLE_TYPING)) {
        qope->Click(article.Item(IDC_ARTICLE_SUNRISE));
        const std::wstring line = article.Text(IDC_AR_REFERENCE1);
        for (size_t i = 0; i < 20 && i < line.size(); ++i) {
            DWORD_PTR result = 0;
            ::SendMessageTimeoutW(qope->Focus(), WM_CHAR, i == 9 ? L'\x9519' : line[i], 1, SMTO_NORMAL, 1000, &result);
        }
        qope->Settle();
        ok &= shot(article.Handle(), L"17-article-typing");
        article.Command(IDOK);
        qope->Settle();
    } else {
        ok = false;
    }
    // The speed tests while their text moves: a wrong key in the English one; in the Chinese
    // one a right code, then two-character words at level 4.
    auto speedTest = [&](int button, const wchar_t* name, const wchar_t* typed, std::initializer_list<int> radios,
                         int fallenTo) {
        qope->PostCommand(button);
        HWND dialog = qope->WaitForDialog(L"Dialog");
        if (!dialog) {
            ok = false;
            return;
        }
        const e2e::Window w(dialog);
        qope->Settle();
        qope->TypeKeys(typed);
        for (int radio : radios) ::SendMessageW(w.Item(radio), BM_CLICK, 0, 0);
        ok &= e2e::WaitUntil([&] {
            return w.Diagnostics(qope::kSpeedTextLength) > 0 && w.Diagnostics(qope::kSpeedTextY) >= fallenTo;
        }, std::chrono::seconds(15));
        ok &= shot(dialog, name);
        ::SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        qope->Settle();
    };
    speedTest(IDC_ENGLISHTESTBUTTON, L"18-english-speed-test", L"s", {}, 160);
    speedTest(IDC_CHINESETESTBUTTON, L"19-chinese-speed-test", L"q ", {IDC_CS_LEVEL4, IDC_CS_TWO_WORDS}, 120);

    qope->PostCommand(ID_EXIT_SYSTEM);
    ok &= qope->WaitForExit();
    return ok ? 0 : 1;
}
