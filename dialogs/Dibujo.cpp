// The picture dialog, run by the picture import.
#include "dialogs/Dibujo.h"

#include "dialogs/Exchange.h"
#include "model/Pictures.h"
#include "model/WholeFile.h"
#include "platform/filedlg.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"

namespace velk {

namespace {

constexpr int kPathEdit = 1099;
constexpr int kChooseButton = 1100;
constexpr int kPathLimit = 100;

constexpr ControlRow kControls[] = {
    edit(kPathEdit, kPathLimit, {7, 10, 180, 12}, kReadOnly),
    pushButton(kChooseButton, "Wybierz obraz", {195, 9, 70, 14}),
    pushButton(IDOK, "OK", {159, 40, 50, 14}, kDefaultButton),
    pushButton(IDCANCEL, "Cancel", {215, 40, 50, 14}),
};

constexpr DialogTemplate kDibujo = dialogTemplate(IDD_DIBUJO, "Obraz", 272, 62, kControls);

// The dialog's own memory of the name last confirmed: the exchange record's text
// may hold anything the last component or text left there.
std::string& lastPictureName() {
    static std::string name = "*.bmp";
    return name;
}

}  // namespace

CDibujoDlg::CDibujoDlg() : Dialog(kDibujo) {
    const HandlerRow<CDibujoDlg> handlers[] = {{kChooseButton, Notify::Clicked, &CDibujoDlg::OnChoosePicture}};
    addHandlers(this, handlers);
}

void CDibujoDlg::DoDataExchange(DataExchange& dx) { dx.sheetText(kPathEdit, m_path); }

bool CDibujoDlg::OnInitDialog() {
    m_path = lastPictureName();
    m_chosenFile.clear();
    showValues();
    return true;
}

void CDibujoDlg::OnChoosePicture() {
    const std::optional<std::string> path = runFileDialog(bitmapFileRequest(false));
    if (!path) return;
    // The item keeps the name in the sheet file, where "*", "#" and "$" separate
    // the fields: such a name would cut the file short on the next load. The file
    // is only tried here; the import opens it again by its whole path.
    const std::string name = bareFileName(*path);
    if (!isSheetText(TextCodec1250::toUtf8(name)) || !canReadFile(*path)) {
        messageBox("No se puede abrir el fichero");
        return;
    }
    m_path = name;
    m_chosenFile = *path;
    showValues();
}

void CDibujoDlg::OnOK() {
    if (!takeValues()) return;
    g_exchangeText = m_path;
    lastPictureName() = m_path;
    endDialog(DialogResult::Ok);
}

std::optional<std::string> runPictureDialog() {
    CDibujoDlg dialog;
    if (dialog.runModal() != DialogResult::Ok || dialog.m_chosenFile.empty()) return std::nullopt;
    return dialog.m_chosenFile;
}

}  // namespace velk
