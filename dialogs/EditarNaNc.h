#pragma once
// The contact and logic-block dialog (resource 224, "Edycja"): the general
// dialog's body plus a sorted list. For an auxiliary contact (7000, 7001) the
// list offers contact numberings, which name terminals 1 and 2; for an AND, OR,
// NAND or NOR block it offers the block's kind with 2 to 5 inputs, and a choice
// writes that code into g_exchangeType at once (the editor stores it after OK).
#include "dialogs/Editar.h"

namespace velk {

constexpr int IDD_EDITAR_NA_NC = 224;

class CEditarNaNcDlg : public CEditarDlg {
public:
    CEditarNaNcDlg();

    bool OnInitDialog() override;
    // OK is the general dialog's: the record takes the texts and flags.
    void OnSelChangeVariant();

    static constexpr int kVariantList = 1102;
};

}  // namespace velk
