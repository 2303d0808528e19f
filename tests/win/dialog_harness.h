// Runs a test body inside a modal run of a real dialog, with its controls in place.
#pragma once

#include "test_dialogs.h"
#include "win/dialog.h"

#include <functional>
#include <string>
#include <vector>

class HarnessDialog : public win::Dialog {
public:
    explicit HarnessDialog(std::function<void(HarnessDialog&)> body) : Dialog(IDD_TEST_FIELDS), body_(std::move(body)) {}

    std::string m_strText = "abc";
    int m_nNumber = 42;
    int changes = 0;
    std::function<void(HarnessDialog&)> onInit;

    using Dialog::Exchange;

protected:
    bool OnInitDialog() override {
        if (onInit) onInit(*this);
        Push();
        ::PostMessageW(Handle(), WM_APP, 0, 0);
        return true;
    }
    std::span<const win::MessageRoute> MessageRoutes() const override {
        static const win::MessageRoute routes[] = {win::OnMessage(WM_APP, &HarnessDialog::RunBody)};
        return routes;
    }
    std::span<const win::CommandRoute> CommandRoutes() const override {
        static const win::CommandRoute routes[] = {
            win::OnCommand(IDC_TEST_TEXT, &HarnessDialog::OnTextChanged, EN_CHANGE)};
        return routes;
    }
    void Exchange(win::DataExchange& dx) override {
        dx.Text(IDC_TEST_TEXT, m_strText, 4);
        dx.Number(IDC_TEST_NUMBER, m_nNumber);
    }

private:
    std::optional<INT_PTR> RunBody(WPARAM, LPARAM) {
        body_(*this);
        EndModal(IDOK);
        return 0;
    }
    void OnTextChanged() { ++changes; }

    std::function<void(HarnessDialog&)> body_;
};

// Collects the message boxes the thread shows while it lives, closing each with OK.
class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    std::vector<std::wstring> texts;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp);
    HHOOK hook_;
};

// Collects the sounds asked for while it lives.
class SoundCatcher {
public:
    SoundCatcher();
    ~SoundCatcher();
    static std::vector<std::wstring>& Names();
};

// Text of a control as GBK.
std::wstring ControlText(HWND control);
