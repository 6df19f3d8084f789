// Synthetic input for dialog windows.
#include "testkit/dialog_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>

#include "platform/cursor_qt.h"

namespace velk::testkit {

namespace {

QWidget* window() { return QApplication::activeModalWidget(); }

QWidget* control(int id) {
    QWidget* w = window();
    QWidget* c = w ? w->findChild<QWidget*>(QString::number(id)) : nullptr;
    if (!c) throw std::logic_error("the dialog window has no control " + std::to_string(id));
    return c;
}

void sendKey(QWidget* target, int key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// An edit, or the edit field of a combo box.
QLineEdit* lineOf(int id) {
    QWidget* c = control(id);
    if (auto* line = qobject_cast<QLineEdit*>(c)) return line;
    return qobject_cast<QLineEdit*>(c->focusProxy());
}

QListWidget* listOf(int id) {
    auto* list = control(id)->findChild<QListWidget*>();
    if (!list) throw std::logic_error("control " + std::to_string(id) + " has no list");
    return list;
}

QWidget* focused() {
    QWidget* w = window();
    QWidget* f = w ? w->focusWidget() : nullptr;
    return f ? f : w;
}

}  // namespace

void DialogWindowDriver::type(int id, const std::string& utf8) {
    QLineEdit* line = lineOf(id);
    if (!line) throw std::logic_error("control " + std::to_string(id) + " is no edit");
    line->setFocus();
    line->selectAll();
    for (const QChar c : QString::fromUtf8(utf8.c_str())) sendKey(line, 0, QString(c));
}

void DialogWindowDriver::click(int id) {
    if (auto* button = qobject_cast<QAbstractButton*>(control(id))) button->click();
}

void DialogWindowDriver::pressEnter() { sendKey(focused(), Qt::Key_Return); }

void DialogWindowDriver::pressEscape() { sendKey(focused(), Qt::Key_Escape); }

void DialogWindowDriver::closeBox() {
    if (QWidget* w = window()) w->close();
}

std::string DialogWindowDriver::shownText(int id) const {
    if (QLineEdit* line = lineOf(id)) return line->text().toStdString();
    return std::string();
}

void DialogWindowDriver::clickItem(int id, int index) {
    QListWidget* list = listOf(id);
    QListWidgetItem* item = list->item(index);
    if (!item) throw std::logic_error("control " + std::to_string(id) + " has no item " + std::to_string(index));
    list->scrollToItem(item);
    const QPointF at = list->visualItemRect(item).center();
    const QPointF global = list->viewport()->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &release);
}

std::vector<std::string> DialogWindowDriver::shownItems(int id) const {
    QListWidget* list = listOf(id);
    std::vector<std::string> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->text().toStdString());
    return out;
}

void DialogWindowDriver::movePointer(int id, Point p) {
    QWidget* c = control(id);
    const QPointF at(p.x, p.y);
    QMouseEvent move(QEvent::MouseMove, at, c->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(c, &move);
}

CursorShape DialogWindowDriver::shownCursor(int id) const {
    const Qt::CursorShape shown = control(id)->cursor().shape();
    for (CursorShape s : {CursorShape::Arrow, CursorShape::Cross, CursorShape::Hand, CursorShape::Wait,
                          CursorShape::SizeAll})
        if (toolkitCursor(s) == shown) return s;
    return CursorShape::Arrow;
}

bool DialogWindowDriver::shownChecked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(control(id));
    return button && button->isChecked();
}

int DialogWindowDriver::focusId() const {
    // The window's own focus child: it holds even while the window is not active.
    QWidget* w = window();
    QWidget* f = w ? w->focusWidget() : nullptr;
    bool ok = false;
    const int id = f ? f->objectName().toInt(&ok) : 0;
    return ok ? id : 0;
}

bool runInWindow(Dialog& dialog, std::function<void(DialogWindowDriver&)> script) {
    if (!qApp) throw std::logic_error("no toolkit: start a Session first");
    bool timedOut = false;
    // Timers of this call only: none of them may fire after it returns.
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, [&] {
        DialogWindowDriver driver;
        script(driver);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (!dialog.isOpen()) return;
        timedOut = true;
        dialog.pressEscape();
    });
    start.start(0);
    guard.start(2000);
    // The session's headless answering is off for this one run.
    std::function<void(Dialog&)> previous = setModalDialogHandler(nullptr);
    dialog.runModal();
    setModalDialogHandler(std::move(previous));
    return !timedOut;
}

}  // namespace velk::testkit
