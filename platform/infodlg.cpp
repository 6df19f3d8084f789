// Informing dialogs on the toolkit.
#include "platform/infodlg.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/text1250.h"

namespace velk {

namespace {

std::function<DialogResult(const InfoDialog&)>& handler() {
    static std::function<DialogResult(const InfoDialog&)> h;
    return h;
}

class InfoWindow : public QDialog {
public:
    InfoWindow(const InfoDialog& dialog, QWidget* parent) : QDialog(parent), m_closeOnClick(dialog.closeOnClick) {
        if (dialog.frameless) setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        setWindowTitle(QString::fromStdString(screenText(dialog.caption)));
        auto* layout = new QVBoxLayout(this);
        if (dialog.frameless) layout->setContentsMargins(0, 0, 0, 0);
        if (dialog.picture && !dialog.picture->isNull()) {
            const Surface& s = *dialog.picture;
            const QImage image(reinterpret_cast<const uchar*>(s.raw()), s.width(), s.height(), s.width() * 4,
                               QImage::Format_RGB32);
            auto* label = new QLabel(this);
            label->setPixmap(QPixmap::fromImage(image.copy()));
            layout->addWidget(label);
        }
        for (const std::string& line : dialog.lines)
            layout->addWidget(new QLabel(QString::fromStdString(screenText(line)), this));
        // The OK button is there even when hidden, so that Enter closes the dialog.
        auto* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        if (dialog.okButton)
            layout->addWidget(ok, 0, Qt::AlignHCenter);
        else
            ok->setFixedSize(0, 0);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (m_closeOnClick && e->button() == Qt::LeftButton) {
            accept();
            return;
        }
        QDialog::mousePressEvent(e);
    }

private:
    bool m_closeOnClick;
};

}  // namespace

DialogResult runInfoDialog(const InfoDialog& dialog) {
    if (handler()) return handler()(dialog);
    if (!qApp) return DialogResult::Ok;
    InfoWindow window(dialog, QApplication::activeWindow());
    return window.exec() == QDialog::Accepted ? DialogResult::Ok : DialogResult::Cancel;
}

void setInfoDialogHandler(std::function<DialogResult(const InfoDialog&)> h) { handler() = std::move(h); }

}  // namespace velk
