// The article typing window (录入练习): a Chinese article is copied with an input method,
// five lines a page, each typed character drawn again on green where it equals the
// reference at its place and on red where not; free input only counts what is typed.
// The keyboard root maps of both editions open from here.
#pragma once

#include "chinese/ArticleTypingDlgRes.h"
#include "chinese/article_typing.h"
#include "common/EditControls.h"
#include "common/TypingPage.h"
#include "win/dialog.h"
#include "win/timer.h"


class CArticleTypingDlg : public win::Dialog {
public:
    CArticleTypingDlg();

protected:
    bool OnInitDialog() override;
    const win::Look* GetLook() const override;
    void PaintOver(HDC dc, const RECT& area) override;
    void Exchange(win::DataExchange& dx) override;
    std::span<const win::CommandRoute> CommandRoutes() const override;
    bool OnOtherCommand(int id, WORD notification) override;
    long long OnDiagnostics(unsigned query) override;

private:
    static constexpr int kLines = qope::kArticleLines.pairs;
    enum { kSpeedTimer = 20 };

    void ChooseArticle(const qope::Article& article);
    void LoadPage();
    void OnFreeInput();
    void OnKeyboard86();
    void OnKeyboard98();
    void ShowRootMap(int edition);
    void OnTypingChanged(int line);
    void SetCellColours(COLORREF mismatch);

    TypingPage<CImeInputEdit, kLines> m_page;
    int m_lastLength5 = 0;  // bytes of the fifth typing line at its last change
    win::Timer m_speedTimer{[this] { m_page.Tick(*this); }};
};
