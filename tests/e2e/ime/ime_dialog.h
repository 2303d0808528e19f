// Ids of the input-method test dialog (ime_dialog.cpp).
#pragma once

#define IDD_IME_DIALOG 100
#define IDC_IME_EDIT   101
