// The colour chooser on the toolkit.
#include "platform/colordlg.h"

#include <QApplication>
#include <QColor>
#include <QColorDialog>

namespace velk {

namespace {

std::function<std::optional<Color>(Color)>& handler() {
    static std::function<std::optional<Color>(Color)> h;
    return h;
}

}  // namespace

std::optional<Color> runColorDialog(Color initial) {
    if (handler()) return handler()(initial);
    if (!qApp) return std::nullopt;
    const QColor chosen =
        QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)), nullptr);
    if (!chosen.isValid()) return std::nullopt;
    return rgb(chosen.red(), chosen.green(), chosen.blue());
}

void setColorDialogHandler(std::function<std::optional<Color>(Color initial)> h) { handler() = std::move(h); }

}  // namespace velk
