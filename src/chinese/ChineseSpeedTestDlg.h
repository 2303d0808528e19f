// The Chinese speed test (中文测速): characters or words of the Wubi code tables cross a
// landscape, one at a time, at one of six speeds; the learner types each one's code before
// it leaves. It runs from the window's first paint until the window closes.
#pragma once

#include "chinese/ChineseSpeedTestDlgRes.h"
#include "chinese/scroll_text.h"
#include "common/SpeedTestPane.h"
#include "common/session.h"
#include "win/dialog.h"

#include <memory>
#include <string>

class CChineseSpeedTestDlg : public win::Dialog {
public:
    explicit CChineseSpeedTestDlg(qope::Session& session);

protected:
    bool OnInitDialog() override;
    const win::Look* GetLook() const override;
    void PaintOver(HDC dc, const RECT& area) override;
    void Exchange(win::DataExchange& dx) override;
    std::span<const win::CommandRoute> CommandRoutes() const override;
    bool OnOtherCommand(int id, WORD notification) override;
    long long OnDiagnostics(unsigned query) override;

private:
    // The code tables of the install tree, opened as each item is read.
    struct InstalledTables : qope::CodeTableFiles {
        std::unique_ptr<qope::RecordSource> Open(const std::string& name) override;
    };

    void OnCodeChanged();
    void OnReturn();
    void FocusCode();
    void FocusCodeFrom(int radio);
    // A category or an edition was chosen: the item is gone, a stop may be lifted.
    void Chosen();

    InstalledTables m_files;
    qope::ScrollText m_text{m_files};
    SpeedTestPane m_pane;

    // Shown by the controls.
    std::string m_strTyped;
    std::string m_strHint;
    int m_nCorrect = 0;
    int m_nErrors = 0;
};
