// The one-line text entry dialog on the toolkit.
#include "platform/textentry.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>

#include "platform/text1250.h"

namespace velk {

namespace {

std::function<std::optional<std::string>(const TextEntryRequest&)>& handler() {
    static std::function<std::optional<std::string>(const TextEntryRequest&)> h;
    return h;
}

std::string cutTo(std::string text, int maxLength) {
    if (maxLength >= 0 && text.size() > static_cast<std::size_t>(maxLength))
        text.resize(static_cast<std::size_t>(maxLength));
    return text;
}

// The field's text as Windows-1250 bytes, leaving out what a sheet cannot keep.
std::string toBytes(const QString& text) {
    std::string out;
    for (const char32_t c : text.toUcs4()) {
        if (isSheetTextCharacter(c)) out.push_back(static_cast<char>(TextCodec1250::byteOf(c)));
    }
    return out;
}

// An answer given as bytes, with what the field would have refused left out.
std::string sheetBytesOnly(const std::string& bytes) {
    std::string out;
    for (const char c : bytes) {
        if (isSheetTextCharacter(TextCodec1250::codePointOf(static_cast<unsigned char>(c)))) out.push_back(c);
    }
    return out;
}

// Refuses a keystroke that would put a character into the field that the sheet
// file cannot keep; the field stays as it was.
class SheetTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (const char32_t c : input.toUcs4())
            if (!isSheetTextCharacter(c)) return Invalid;
        return Acceptable;
    }
};

}  // namespace

std::optional<std::string> runTextEntryDialog(const TextEntryRequest& request) {
    if (handler()) {
        std::optional<std::string> answer = handler()(request);
        if (answer) *answer = cutTo(sheetBytesOnly(*answer), request.maxLength);
        return answer;
    }
    if (!qApp) return std::nullopt;
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromStdString(screenText(request.caption)));
    auto* layout = new QVBoxLayout(&dialog);
    auto* field = new QLineEdit(&dialog);
    field->setMaxLength(request.maxLength);
    field->setText(QString::fromUtf8(TextCodec1250::toUtf8(sheetBytesOnly(request.initial))));
    field->setValidator(new SheetTextValidator(field));
    field->setMinimumWidth(260);
    layout->addWidget(field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return cutTo(toBytes(field->text()), request.maxLength);
}

void setTextEntryHandler(std::function<std::optional<std::string>(const TextEntryRequest&)> h) {
    handler() = std::move(h);
}

}  // namespace velk
