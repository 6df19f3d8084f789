// The window of a table-driven dialog: one toolkit widget per row, placed by its
// dialog units. It keeps no state: it shows the Dialog's controls and hands every
// user action to the Dialog, then shows the Dialog's answer.
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QResizeEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <map>

#include "platform/cursor_qt.h"
#include "platform/dc.h"
#include "platform/dialog.h"
#include "platform/window.h"

namespace velk {

namespace {

QString fromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QImage imageOf(const Surface& s) {
    if (s.isNull()) return QImage();
    return QImage(reinterpret_cast<const uchar*>(s.raw()), s.width(), s.height(), s.width() * 4,
                  QImage::Format_RGB32)
        .copy();
}

QRect pixelsOf(const DialogBox& b) {
    return QRect(dialogPixelsX(b.x), dialogPixelsY(b.y), dialogPixelsX(b.cx), dialogPixelsY(b.cy));
}

// The 8-point dialog font on the platform's sans-serif.
QFont dialogFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

class OwnerArea : public QWidget {
public:
    OwnerArea(Dialog& dialog, int id, QWidget* parent) : QWidget(parent), m_dialog(dialog), m_id(id) {
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        Surface surface(width(), height(), rgb(240, 240, 240));
        {
            Dc dc(surface);
            m_dialog.OnDrawItem(m_id, dc, width(), height());
        }
        QPainter painter(this);
        painter.drawImage(0, 0, imageOf(surface));
    }
    void mousePressEvent(QMouseEvent* e) override {
        m_dialog.userMouse(m_id, e->button() == Qt::RightButton ? Notify::RightDown : Notify::MouseDown, pointOf(e));
    }
    void mouseMoveEvent(QMouseEvent* e) override { m_dialog.userMouse(m_id, Notify::MouseMove, pointOf(e)); }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) m_dialog.userMouse(m_id, Notify::MouseUp, pointOf(e));
    }

private:
    static Point pointOf(QMouseEvent* e) {
        const QPoint p = e->position().toPoint();
        return {p.x(), p.y()};
    }
    Dialog& m_dialog;
    int m_id;
};

// A simple combo box: the edit field over the list, both always shown.
class SimpleCombo : public QWidget {
public:
    explicit SimpleCombo(QWidget* parent) : QWidget(parent), field(new QLineEdit(this)), list(new QListWidget(this)) {
        setFocusProxy(field);
    }
    QLineEdit* const field;
    QListWidget* const list;

protected:
    void resizeEvent(QResizeEvent*) override {
        const int fieldHeight = dialogPixelsY(12);
        field->setGeometry(0, 0, width(), fieldHeight);
        list->setGeometry(0, fieldHeight, width(), std::max(0, height() - fieldHeight));
    }
};

class DialogWindow : public QDialog, public DialogObserver {
public:
    DialogWindow(Dialog& dialog, QWidget* parent) : QDialog(parent), m_dialog(dialog) {
        const DialogTemplate& t = dialog.dialogTemplate();
        setWindowTitle(fromUtf8(t.caption));
        setFont(dialogFont());
        setFixedSize(dialogPixelsX(t.width), dialogPixelsY(t.height));
        m_widgets.resize(t.count, nullptr);
        for (std::size_t i = 0; i < t.count; ++i) m_widgets[i] = makeWidget(t.rows[i]);
        for (std::size_t i = 0; i < t.count; ++i) refreshRow(i);
        dialog.setObserver(this);
    }
    ~DialogWindow() override {
        if (m_observing) m_dialog.setObserver(nullptr);
    }

    void detach() {
        if (m_observing) m_dialog.setObserver(nullptr);
        m_observing = false;
    }

    void controlChanged(int id) override {
        const DialogTemplate& t = m_dialog.dialogTemplate();
        for (std::size_t i = 0; i < t.count; ++i)
            if (t.rows[i].id == id) refreshRow(i);
    }
    void focusChanged(int id) override {
        QWidget* w = widgetOf(id);
        if (!w) return;
        w->setFocus(Qt::OtherFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(w->focusProxy() ? w->focusProxy() : w)) line->selectAll();
    }
    void closed() override {
        if (m_dialog.isModal())
            QDialog::done(m_dialog.result() == DialogResult::Ok ? QDialog::Accepted : QDialog::Rejected);
        else
            hide();
    }

    void reject() override {
        if (m_dialog.isOpen()) m_dialog.pressEscape();
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            m_dialog.pressEnter();
            return;
        }
        if (e->key() == Qt::Key_Escape) {
            m_dialog.pressEscape();
            return;
        }
        QDialog::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        if (m_dialog.isOpen()) {
            e->ignore();
            m_dialog.pressCloseBox();
            return;
        }
        QDialog::closeEvent(e);
    }
    void paintEvent(QPaintEvent* e) override {
        QDialog::paintEvent(e);
        // What the dialog paints itself lies on its background, under the controls.
        const QColor back = palette().color(QPalette::Window);
        Surface surface(width(), height(), rgb(back.red(), back.green(), back.blue()));
        {
            Dc dc(surface);
            dc.selectFont(Font{"Sans Serif", -11});
            m_dialog.OnPaint(dc);
        }
        QPainter painter(this);
        painter.drawImage(0, 0, imageOf(surface));
    }
    void showEvent(QShowEvent* e) override {
        QDialog::showEvent(e);
        if (m_dialog.focus()) focusChanged(m_dialog.focus());
    }

private:
    QWidget* widgetOf(int id) const {
        const DialogTemplate& t = m_dialog.dialogTemplate();
        for (std::size_t i = 0; i < t.count; ++i)
            if (t.rows[i].id == id) return m_widgets[i];
        return nullptr;
    }

    QWidget* makeWidget(const ControlRow& r) {
        QWidget* w = nullptr;
        const int id = r.id;
        switch (r.kind) {
            case ControlKind::Static: {
                auto* label = new QLabel(this);
                Qt::Alignment a = Qt::AlignTop;
                a |= (r.flags & kTextRight) ? Qt::AlignRight : (r.flags & kTextCenter) ? Qt::AlignHCenter
                                                                                        : Qt::AlignLeft;
                label->setAlignment(a);
                w = label;
                break;
            }
            case ControlKind::GroupBox: w = new QGroupBox(this); break;
            case ControlKind::Edit:
            case ControlKind::IntEdit:
            case ControlKind::FloatEdit: {
                auto* line = new QLineEdit(this);
                passTyping(line, id);
                w = line;
                break;
            }
            case ControlKind::CheckBox: {
                auto* box = new QCheckBox(this);
                connect(box, &QCheckBox::clicked, this, [this, id] { clicked(id); });
                w = box;
                break;
            }
            case ControlKind::Radio: {
                auto* button = new QRadioButton(this);
                button->setAutoExclusive(false);  // every radio is a group of its own
                connect(button, &QRadioButton::clicked, this, [this, id] { clicked(id); });
                w = button;
                break;
            }
            case ControlKind::PushButton:
            case ControlKind::BitmapButton: {
                auto* button = new QPushButton(this);
                button->setAutoDefault(false);  // Enter belongs to the dialog
                button->setDefault(r.id == IDOK || (r.flags & kDefaultButton));
                connect(button, &QPushButton::clicked, this, [this, id] { clicked(id); });
                if (r.kind == ControlKind::BitmapButton) {
                    connect(button, &QPushButton::pressed, this, [this, button, id] { showImage(button, id, true); });
                    connect(button, &QPushButton::released, this, [this, button, id] { showImage(button, id, false); });
                }
                w = button;
                break;
            }
            case ControlKind::SortedCombo: {
                auto* combo = new SimpleCombo(this);
                passTyping(combo->field, id);
                QListWidget* list = combo->list;
                connect(list, &QListWidget::currentRowChanged, this, [this, id](int index) {
                    if (index >= 0) m_dialog.userSelect(id, index);
                });
                // A click on the chosen item copies it to the field again, over what was typed since.
                connect(list, &QListWidget::itemClicked, this, [this, list, id](QListWidgetItem* item) {
                    const int index = list->row(item);
                    if (index == m_dialog.selection(id) && m_dialog.text(id) != m_dialog.itemText(id, index))
                        m_dialog.userSelect(id, index);
                });
                w = combo;
                break;
            }
            case ControlKind::Trackbar: {
                auto* slider = new QSlider(Qt::Horizontal, this);
                slider->setTickPosition((r.flags & kTicksBothSides) ? QSlider::TicksBothSides : QSlider::TicksBelow);
                connect(slider, &QSlider::actionTriggered, this, [this, slider, id](int action) {
                    int code = kScrollThumbTrack;
                    switch (action) {
                        case QAbstractSlider::SliderSingleStepAdd: code = kScrollLineDown; break;
                        case QAbstractSlider::SliderSingleStepSub: code = kScrollLineUp; break;
                        case QAbstractSlider::SliderPageStepAdd: code = kScrollPageDown; break;
                        case QAbstractSlider::SliderPageStepSub: code = kScrollPageUp; break;
                        case QAbstractSlider::SliderToMinimum: code = kScrollTop; break;
                        case QAbstractSlider::SliderToMaximum: code = kScrollBottom; break;
                        default: break;
                    }
                    m_dialog.userScroll(id, code, slider->sliderPosition());
                    slider->setSliderPosition(m_dialog.position(id));
                });
                connect(slider, &QSlider::sliderReleased, this, [this, slider, id] {
                    m_dialog.userScroll(id, kScrollThumbPosition, slider->sliderPosition());
                });
                w = slider;
                break;
            }
            case ControlKind::Spin: {
                auto* box = new QWidget(this);
                auto* layout = new QVBoxLayout(box);
                layout->setContentsMargins(0, 0, 0, 0);
                layout->setSpacing(0);
                for (const bool up : {true, false}) {
                    auto* arrow = new QToolButton(box);
                    arrow->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
                    arrow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
                    arrow->setAutoRepeat(true);
                    connect(arrow, &QToolButton::clicked, this,
                            [this, id, up] { m_dialog.userScroll(id, up ? kScrollLineUp : kScrollLineDown); });
                    layout->addWidget(arrow);
                }
                w = box;
                break;
            }
            case ControlKind::OwnerDrawn: w = new OwnerArea(m_dialog, id, this); break;
        }
        w->setGeometry(pixelsOf(r.box));
        if (r.id != IDC_STATIC) w->setObjectName(QString::number(r.id));  // found by id from outside
        return w;
    }

    // What the user types goes to the Dialog; the field then shows what it kept.
    void passTyping(QLineEdit* line, int id) {
        connect(line, &QLineEdit::textEdited, this, [this, line, id](const QString& typed) {
            const int cursor = line->cursorPosition();
            const int typedLength = static_cast<int>(typed.size());
            m_dialog.userEdit(id, typed.toStdString());
            const QString shown = fromUtf8(m_dialog.text(id));
            if (line->text() != shown) {
                const QSignalBlocker block(line);
                line->setText(shown);
                line->setCursorPosition(std::max(0, cursor - (typedLength - static_cast<int>(shown.size()))));
            }
        });
    }

    void clicked(int id) {
        m_dialog.userClick(id);
        if (m_dialog.isOpen()) controlChanged(id);  // the toolkit toggled it itself
    }

    void showImage(QPushButton* button, int id, bool down) {
        const ControlState* s = m_dialog.state(id);
        if (!s) return;
        const QImage image = imageOf(down && !s->downImage.isNull() ? s->downImage : s->upImage);
        button->setIcon(QIcon(QPixmap::fromImage(image)));
        button->setIconSize(image.size());
    }

    void refreshRow(std::size_t i) {
        const ControlRow& r = m_dialog.dialogTemplate().rows[i];
        QWidget* w = m_widgets[i];
        if (!w) return;
        const ControlState* s = r.id == IDC_STATIC ? nullptr : m_dialog.state(r.id);
        const QString text = fromUtf8(s ? s->text : std::string(r.text ? r.text : ""));
        const QSignalBlocker block(w);
        w->setVisible(s ? s->visible : (r.flags & kHidden) == 0);
        w->setEnabled(s ? s->enabled : (r.flags & kDisabled) == 0);
        switch (r.kind) {
            case ControlKind::Static: static_cast<QLabel*>(w)->setText(text); break;
            case ControlKind::GroupBox: static_cast<QGroupBox*>(w)->setTitle(text); break;
            case ControlKind::Edit:
            case ControlKind::IntEdit:
            case ControlKind::FloatEdit: {
                auto* line = static_cast<QLineEdit*>(w);
                if (line->text() != text) line->setText(text);
                line->setReadOnly(s && s->readOnly);
                break;
            }
            case ControlKind::CheckBox:
            case ControlKind::Radio: {
                auto* button = static_cast<QAbstractButton*>(w);
                button->setText(text);
                button->setChecked(s && s->checked);
                break;
            }
            case ControlKind::PushButton: static_cast<QPushButton*>(w)->setText(text); break;
            case ControlKind::BitmapButton: showImage(static_cast<QPushButton*>(w), r.id, false); break;
            case ControlKind::SortedCombo: {
                auto* combo = static_cast<SimpleCombo*>(w);
                const QSignalBlocker blockField(combo->field);
                const QSignalBlocker blockList(combo->list);
                if (combo->field->text() != text) combo->field->setText(text);
                QStringList items;
                if (s)
                    for (const std::string& item : s->items) items << fromUtf8(item);
                // Rebuilt only when the items changed, so the list keeps its scroll place.
                bool same = combo->list->count() == items.size();
                for (int k = 0; same && k < combo->list->count(); ++k) same = combo->list->item(k)->text() == items[k];
                if (!same) {
                    combo->list->clear();
                    combo->list->addItems(items);
                }
                combo->list->setCurrentRow(s ? s->selection : -1);
                if (!combo->list->currentItem()) combo->list->clearSelection();
                if (QListWidgetItem* current = combo->list->currentItem()) combo->list->scrollToItem(current);
                break;
            }
            case ControlKind::Trackbar: {
                auto* slider = static_cast<QSlider*>(w);
                if (s) {
                    slider->setRange(std::min(s->minimum, s->maximum), std::max(s->minimum, s->maximum));
                    slider->setPageStep(s->pageSize);
                    // Single ticks show at their spacing: the slider only knows intervals.
                    const int low = std::min(s->minimum, s->maximum);
                    const std::vector<int>& t = s->ticks;
                    const int every = t.size() > 1 ? t[1] - t[0] : t.size() == 1 ? t[0] - low : 0;
                    slider->setTickInterval(every > 0 ? every : s->tickFrequency);
                    slider->setValue(s->position);
                }
                break;
            }
            case ControlKind::Spin: break;
            case ControlKind::OwnerDrawn:
                if (s && w->cursor().shape() != toolkitCursor(s->cursor)) w->setCursor(toolkitCursor(s->cursor));
                w->update();
                break;
        }
    }

    Dialog& m_dialog;
    std::vector<QWidget*> m_widgets;
    bool m_observing = true;
};

std::map<Dialog*, DialogWindow*>& windows() {
    static std::map<Dialog*, DialogWindow*> m;
    return m;
}

}  // namespace

namespace dialogshell {

void runModal(Dialog& dialog) {
    DialogWindow window(dialog, QApplication::activeWindow());
    window.setModal(true);
    if (dialog.isOpen()) window.exec();
    window.detach();
}

void create(Dialog& dialog) {
    auto* window = new DialogWindow(dialog, QApplication::activeWindow());
    window->setModal(false);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    windows()[&dialog] = window;
}

void show(Dialog& dialog, bool show) {
    auto it = windows().find(&dialog);
    if (it == windows().end()) return;
    it->second->setVisible(show);
}

void destroy(Dialog& dialog) {
    auto it = windows().find(&dialog);
    if (it == windows().end()) return;
    DialogWindow* window = it->second;
    windows().erase(it);
    window->detach();
    window->hide();
    window->deleteLater();  // the close may come from one of its own handlers
}

Surface render(Dialog& dialog) {
    DialogWindow window(dialog, nullptr);
    window.ensurePolished();
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    window.detach();
    Surface out(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) out.setRawAt(x, y, line[x] | 0xff000000u);
    }
    return out;
}

}  // namespace dialogshell

}  // namespace velk
