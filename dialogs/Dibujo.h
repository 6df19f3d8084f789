#pragma once
// The picture dialog (resource 223, "Obraz"): "Wybierz obraz" asks for a bitmap
// file, checks that it opens and shows its bare name; OK hands the name to the
// exchange record and the file's whole path to the picture import.
#include <string>

#include "platform/dialog.h"

namespace velk {

constexpr int IDD_DIBUJO = 223;

class CDibujoDlg : public Dialog {
public:
    CDibujoDlg();

    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnChoosePicture();

    std::string m_path;  // the bare name shown (Windows-1250), at most 100 characters
    // The whole path of the file chosen in this run; empty until a choice succeeded.
    std::string m_chosenFile;
};

}  // namespace velk
