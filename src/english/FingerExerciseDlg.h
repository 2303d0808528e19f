// The finger exercise window (指法练习): a keyboard of bitmap buttons, ten key groups to
// choose from, one key of the group lit at a time and every keystroke judged at once
// (english/finger_drill.h). The keystrokes go to a hidden one-character input.
#pragma once

#include "common/EditControls.h"
#include "common/session.h"
#include "english/FingerExerciseDlgRes.h"
#include "english/finger_drill.h"
#include "win/bitmap_button.h"
#include "win/dialog.h"

#include <string>

class CFingerExerciseDlg : public win::Dialog {
public:
    explicit CFingerExerciseDlg(qope::Session& session);

protected:
    bool OnInitDialog() override;
    const win::Look* GetLook() const override;
    void Exchange(win::DataExchange& dx) override;
    bool OnOtherCommand(int id, WORD notification) override;
    long long OnDiagnostics(unsigned query) override;

private:
    void ChooseGroup(int group);
    void OnTyped();
    // The members and the keyboard from the drill.
    void ShowDrill();
    // Lights `key` among the keys the drill lights; 0 leaves them all grey.
    void LightKey(int key);
    // A transparent label whose text changed: the ground under it is painted again, or
    // the old text would show through.
    void RepaintUnder(int id);

    qope::Session& m_session;
    const qope::FingerDrill::Rand m_rand{[this] { return m_session.Rand(); }};
    qope::FingerDrill m_drill;
    int m_sorrySounds = 0;

    // Shown by the controls.
    std::string m_strTyped;
    int m_nTotal = 0;
    int m_nCorrect = 0;
    int m_nErrors = 0;
    std::string m_strAccuracy = "0";
    std::string m_strGroupKeys;
    std::string m_strPrompt;

    win::ButtonGroup m_keys;
    win::BitmapButton m_btnExit;
    CKeyClickEdit m_editInput;
};
