// Message boxes, their deferral past paints, and the beep.
#include "platform/msgbox.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <deque>

#include "platform/text1250.h"

namespace velk {

namespace {

std::string& caption() {
    static std::string c = "Velkarion";
    return c;
}
std::function<BoxAnswer(const BoxRecord&)>& handler() {
    static std::function<BoxAnswer(const BoxRecord&)> h;
    return h;
}
int g_deferralDepth = 0;
int g_beeps = 0;
bool g_showingDeferred = false;
std::deque<std::function<void()>>& deferred() {
    static std::deque<std::function<void()>> q;
    return q;
}

QString toDisplay(const std::string& text) { return QString::fromStdString(screenText(text)); }

BoxAnswer showNow(const BoxRecord& box) {
    if (handler()) return handler()(box);
    if (!qApp) return box.buttons == BoxButtons::YesNo || box.buttons == BoxButtons::YesNoCancel ? BoxAnswer::No
                                                                                                 : BoxAnswer::Ok;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (box.icon) {
        case BoxIcon::Stop: icon = QMessageBox::Critical; break;
        case BoxIcon::Information: icon = QMessageBox::Information; break;
        case BoxIcon::Warning: icon = QMessageBox::Warning; break;
        case BoxIcon::Question: icon = QMessageBox::Question; break;
        case BoxIcon::None: break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (box.buttons) {
        case BoxButtons::Ok: buttons = QMessageBox::Ok; break;
        case BoxButtons::OkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
        case BoxButtons::YesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
        case BoxButtons::YesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    }
    // Activation and focus go back where they were when the box closes, so the
    // next click (on a window's close button, say) acts at once instead of only
    // bringing the window back.
    const QPointer<QWidget> activeBefore = QApplication::activeWindow();
    const QPointer<QWidget> focusBefore = QApplication::focusWidget();
    QMessageBox mb(icon, toDisplay(box.caption), toDisplay(box.text), buttons, activeBefore.data());
    const int answer = mb.exec();
    mb.hide();
    if (activeBefore) {
        activeBefore->activateWindow();
        activeBefore->raise();
    }
    if (focusBefore) focusBefore->setFocus(Qt::OtherFocusReason);
    // The box took the hover from the widget under the pointer, and a pointer that
    // does not move before the next click never gives it back: a window's close
    // button it rests on would ignore that click. The widget is told where the
    // pointer is.
    const QPoint pointer = QCursor::pos();
    if (QWidget* under = QApplication::widgetAt(pointer)) {
        QMouseEvent move(QEvent::MouseMove, under->mapFromGlobal(QPointF(pointer)), QPointF(pointer), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(under, &move);
    }
    switch (answer) {
        case QMessageBox::Yes: return BoxAnswer::Yes;
        case QMessageBox::No: return BoxAnswer::No;
        case QMessageBox::Cancel: return BoxAnswer::Cancel;
        default: return BoxAnswer::Ok;
    }
}

BoxAnswer ask(const BoxRecord& box) {
    if (g_deferralDepth > 0) {
        // Never a modal loop inside a paint: the caller goes on as if OK was pressed.
        deferred().push_back([box] { showNow(box); });
        return BoxAnswer::Ok;
    }
    return showNow(box);
}

}  // namespace

void setApplicationCaption(const std::string& c) { caption() = c; }
const std::string& applicationCaption() { return caption(); }

BoxAnswer messageBox(const std::string& text, BoxButtons buttons, BoxIcon icon) {
    return ask(BoxRecord{text, caption(), icon, buttons});
}

BoxAnswer messageBox(const std::string& text, const std::string& boxCaption, BoxIcon icon, BoxButtons buttons) {
    return ask(BoxRecord{text, boxCaption, icon, buttons});
}

void beginPaintDeferral() { ++g_deferralDepth; }

void endPaintDeferral() {
    if (g_deferralDepth > 0) --g_deferralDepth;
    if (g_deferralDepth == 0) showDeferredBoxes();
}

bool boxesDeferred() { return g_deferralDepth > 0; }

bool hasDeferredBoxes() { return !deferred().empty(); }

void showDeferredBoxes() {
    // A box's own modal loop may end another paint: that one must not start the
    // queue a second time, the running loop below takes every item in order.
    if (g_showingDeferred || g_deferralDepth > 0) return;
    g_showingDeferred = true;
    while (!deferred().empty()) {
        std::function<void()> action = std::move(deferred().front());
        deferred().pop_front();
        action();
    }
    g_showingDeferred = false;
}

void runAfterPaint(std::function<void()> action) {
    if (g_deferralDepth > 0 || g_showingDeferred) {
        deferred().push_back(std::move(action));
        return;
    }
    action();
}

void setMessageBoxHandler(std::function<BoxAnswer(const BoxRecord&)> h) { handler() = std::move(h); }

void messageBeep() {
    ++g_beeps;
    if (qApp && !handler()) QApplication::beep();
}

int beepCount() { return g_beeps; }

}  // namespace velk
