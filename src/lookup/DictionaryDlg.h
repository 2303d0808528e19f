// The dictionary (字典查询): every character of the 86 full-code list whose code matches
// a four-letter pattern with z for any key, with its code, five to a line.
#pragma once

#include "common/EditControls.h"
#include "lookup/DictionaryDlgRes.h"
#include "win/dialog.h"

#include <string>

class CDictionaryDlg : public win::Dialog {
public:
    CDictionaryDlg() : Dialog(IDD_DICTIONARY) {}

    // The last search, for the benchmarks: microseconds from the change to the last
    // result shown.
    long long LastSearchMicros() const { return m_lastSearchMicros; }

protected:
    bool OnInitDialog() override;
    const win::Look* GetLook() const override;
    std::span<const win::CommandRoute> CommandRoutes() const override;
    void Exchange(win::DataExchange& dx) override;
    long long OnDiagnostics(unsigned query) override;

private:
    void OnCodeChanged();
    void OnResultFocus();
    void AppendResult(std::string_view text);

    std::string m_strInput;   // 1059, four characters at most
    std::string m_strResult;  // 1058, as shown
    CDictInputEdit m_editInput;
    long long m_lastSearchMicros = -1;
};
