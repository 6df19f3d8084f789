// The table-driven dialog: control states, data exchange, handlers and runs.
#include "platform/dialog.h"

#include <QApplication>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/msgbox.h"
#include "platform/text1250.h"
#include "platform/window.h"

namespace velk {

namespace {

std::function<void(Dialog&)>& modalHandler() {
    static std::function<void(Dialog&)> h;
    return h;
}

std::vector<Dialog*>& modeless() {
    static std::vector<Dialog*> list;
    return list;
}

std::u32string toCodePoints(const std::string& utf8) {
    const QList<uint> ucs4 = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUcs4();
    std::u32string out;
    out.reserve(static_cast<std::size_t>(ucs4.size()));
    for (const uint c : ucs4) out.push_back(static_cast<char32_t>(c));
    return out;
}

std::string toUtf8(const std::u32string& text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

int characterCount(const std::string& utf8) { return static_cast<int>(toCodePoints(utf8).size()); }

// The Windows-1250 bytes of a control's text; characters without a byte are left
// out (typing never lets them in, only the program could have set them).
std::string toSheetBytes(const std::string& utf8) {
    std::string out;
    for (const char32_t c : toCodePoints(utf8)) {
        const int b = TextCodec1250::byteOf(c);
        if (b >= 0) out.push_back(static_cast<char>(b));
    }
    return out;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A whole number with optional blanks around it.
bool parseInteger(const std::string& text, int& value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE || v < INT32_MIN || v > INT32_MAX) return false;
    for (const char* p = end; *p; ++p)
        if (!isBlank(*p)) return false;
    for (const char* p = begin; p < end; ++p)
        if (!isBlank(*p) && *p != '+' && *p != '-' && (*p < '0' || *p > '9')) return false;
    value = static_cast<int>(v);
    return true;
}

bool parseNumber(const std::string& text, double& value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(begin, &end);
    if (end == begin || errno == ERANGE || !std::isfinite(v)) return false;
    for (const char* p = end; *p; ++p)
        if (!isBlank(*p)) return false;
    value = v;
    return true;
}

std::string format(const char* pattern, double a, double b, bool whole) {
    char buffer[160];
    if (whole)
        std::snprintf(buffer, sizeof buffer, pattern, static_cast<int>(a), static_cast<int>(b));
    else
        std::snprintf(buffer, sizeof buffer, pattern, a, b);
    return buffer;
}

std::string formatNumber(double v, int digits) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, v);
    return buffer;
}

const char* const kIntegerRangeMessage = "Wprowadź liczbę całkowitą z zakresu od %d do %d.";
const char* const kNumberRangeMessage = "Wprowadź liczbę z zakresu od %g do %g.";
const char* const kLengthMessage = "Wprowadź nie więcej niż %d znaków.";

bool isEditKind(ControlKind k) {
    return k == ControlKind::Edit || k == ControlKind::IntEdit || k == ControlKind::FloatEdit;
}

bool takesFocus(ControlKind k) {
    return k != ControlKind::Static && k != ControlKind::GroupBox && k != ControlKind::OwnerDrawn &&
           k != ControlKind::Spin;
}

}  // namespace

// --- data exchange ----------------------------------------------------------------------

bool DataExchange::skip(int id) const {
    if (failed()) return true;
    if (!m_dialog.row(id)) return true;
    return m_mode == Mode::Show && m_dialog.m_keepShown.count(id) > 0;
}

void DataExchange::fail(int id, std::string message) {
    m_failedId = id;
    m_failure = std::move(message);
}

bool DataExchange::checkLength(int id, const std::string& utf8) {
    const ControlRow* r = m_dialog.row(id);
    if (m_mode != Mode::Check || !r || r->limit <= 0 || characterCount(utf8) <= r->limit) return true;
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, kLengthMessage, r->limit);
    fail(id, buffer);
    return false;
}

void DataExchange::text(int id, std::string& member) {
    if (skip(id)) return;
    if (m_mode == Mode::Show) {
        m_dialog.setText(id, member);
        return;
    }
    const std::string shown = m_dialog.text(id);
    if (m_mode == Mode::Check) {
        checkLength(id, shown);
        return;
    }
    member = shown;
}

void DataExchange::sheetText(int id, std::string& member) {
    if (skip(id)) return;
    if (m_mode == Mode::Show) {
        m_dialog.setText(id, TextCodec1250::toUtf8(member));
        return;
    }
    const std::string shown = m_dialog.text(id);
    if (m_mode == Mode::Check) {
        checkLength(id, shown);
        return;
    }
    member = toSheetBytes(shown);
}

void DataExchange::integer(int id, int& member) {
    if (skip(id)) return;
    if (m_mode == Mode::Show) {
        m_dialog.setText(id, std::to_string(member));
        return;
    }
    const ControlRow* r = m_dialog.row(id);
    int value = 0;
    const bool ranged = r->kind == ControlKind::IntEdit;
    const bool ok = parseInteger(m_dialog.text(id), value) &&
                    (!ranged || (value >= static_cast<int>(r->minimum) && value <= static_cast<int>(r->maximum)));
    switch (m_mode) {
        case Mode::Check:
            if (!ok) fail(id, format(kIntegerRangeMessage, r->minimum, r->maximum, true));
            break;
        case Mode::Take: member = value; break;
        case Mode::TakeQuietly:
            if (ok)
                member = value;
            else
                m_dialog.m_keepShown.insert(id);
            break;
        case Mode::Show: break;
    }
}

void DataExchange::number(int id, double& member) {
    if (skip(id)) return;
    if (m_mode == Mode::Show) {
        m_dialog.setText(id, formatNumber(member, 15));
        return;
    }
    const ControlRow* r = m_dialog.row(id);
    double value = 0;
    const bool ranged = r->kind == ControlKind::FloatEdit;
    const bool ok = parseNumber(m_dialog.text(id), value) && (!ranged || (value >= r->minimum && value <= r->maximum));
    switch (m_mode) {
        case Mode::Check:
            if (!ok) fail(id, format(kNumberRangeMessage, r->minimum, r->maximum, false));
            break;
        case Mode::Take: member = value; break;
        case Mode::TakeQuietly:
            if (ok)
                member = value;
            else
                m_dialog.m_keepShown.insert(id);
            break;
        case Mode::Show: break;
    }
}

void DataExchange::number(int id, float& member) {
    if (skip(id)) return;
    if (m_mode == Mode::Show) {
        // Six digits, so that a float shows as it was typed.
        m_dialog.setText(id, formatNumber(member, 6));
        return;
    }
    double value = member;
    number(id, value);
    member = static_cast<float>(value);
}

void DataExchange::check(int id, int& member) {
    if (skip(id)) return;
    if (m_mode == Mode::Show)
        m_dialog.setChecked(id, member);
    else if (m_mode != Mode::Check)
        member = m_dialog.checked(id);
}

void DataExchange::radio(int id, int& member) {
    if (skip(id)) return;
    if (m_mode == Mode::Show)
        m_dialog.setChecked(id, member == 0 ? 1 : 0);
    else if (m_mode != Mode::Check)
        member = m_dialog.checked(id) ? 0 : -1;
}

void DataExchange::selection(int id, int& member) {
    if (skip(id)) return;
    if (m_mode == Mode::Show)
        m_dialog.setSelection(id, member);
    else if (m_mode != Mode::Check)
        member = m_dialog.selection(id);
}

void DataExchange::position(int id, int& member) {
    if (skip(id)) return;
    if (m_mode == Mode::Show)
        m_dialog.setPosition(id, member);
    else if (m_mode != Mode::Check)
        member = m_dialog.position(id);
}

// --- the dialog -----------------------------------------------------------------------------

Dialog::Dialog(const DialogTemplate& tmpl) : m_template(tmpl), m_result(static_cast<int>(DialogResult::Cancel)) {
    m_states.resize(tmpl.count);
    for (std::size_t i = 0; i < tmpl.count; ++i) {
        const ControlRow& r = tmpl.rows[i];
        ControlState& s = m_states[i];
        s.visible = (r.flags & kHidden) == 0;
        s.enabled = (r.flags & kDisabled) == 0;
        s.readOnly = (r.flags & kReadOnly) != 0;
        if (!isEditKind(r.kind) && r.text) s.text = r.text;
        if (r.kind == ControlKind::Trackbar || r.kind == ControlKind::Spin) {
            s.minimum = static_cast<int>(r.minimum);
            s.maximum = static_cast<int>(r.maximum);
            s.position = s.minimum;
        }
    }
}

Dialog::~Dialog() {
    if (m_open && !m_modal) destroy();
}

const ControlRow* Dialog::row(int id) const {
    for (std::size_t i = 0; i < m_template.count; ++i)
        if (m_template.rows[i].id == id && id != IDC_STATIC) return &m_template.rows[i];
    return nullptr;
}

ControlState* Dialog::mutableState(int id) {
    for (std::size_t i = 0; i < m_template.count; ++i)
        if (m_template.rows[i].id == id && id != IDC_STATIC) return &m_states[i];
    return nullptr;
}

const ControlState* Dialog::state(int id) const { return const_cast<Dialog*>(this)->mutableState(id); }

void Dialog::changed(int id) {
    if (m_observer) m_observer->controlChanged(id);
}

bool Dialog::OnInitDialog() {
    showValues();
    return true;
}

void Dialog::OnOK() {
    if (takeValues()) endDialog(DialogResult::Ok);
}

void Dialog::OnCancel() { endDialog(DialogResult::Cancel); }

void Dialog::open(bool modal) {
    m_open = true;
    m_modal = modal;
    m_result = static_cast<int>(DialogResult::Cancel);
    m_keepShown.clear();
    m_focus = 0;
    if (OnInitDialog() && m_focus == 0) {
        for (std::size_t i = 0; i < m_template.count; ++i) {
            const ControlRow& r = m_template.rows[i];
            const ControlState& s = m_states[i];
            // A read-only line (a dialog's title line) shows a text but takes no input:
            // typing must go where it lands.
            if (r.id != IDC_STATIC && takesFocus(r.kind) && s.visible && s.enabled && !s.readOnly) {
                setFocus(r.id);
                break;
            }
        }
    }
}

void Dialog::close() {
    m_open = false;
    m_windowVisible = false;
    if (m_observer) m_observer->closed();
}

DialogResult Dialog::runModal() {
    open(true);
    if (m_open) {
        m_windowVisible = true;
        if (modalHandler())
            modalHandler()(*this);
        else if (qApp)
            dialogshell::runModal(*this);
    }
    if (m_open) {
        m_result = static_cast<int>(DialogResult::Cancel);
        close();
    }
    return result();
}

bool Dialog::create() {
    if (m_open) return false;
    open(false);
    modeless().push_back(this);
    if (!dialogsHeadless() && qApp) dialogshell::create(*this);
    return true;
}

void Dialog::showWindow(bool show) {
    if (!m_open) return;
    m_windowVisible = show;
    if (!m_modal && !dialogsHeadless() && qApp) dialogshell::show(*this, show);
}

void Dialog::destroy() {
    if (!m_open || m_modal) return;
    auto& list = modeless();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    m_open = false;
    m_windowVisible = false;
    if (!dialogsHeadless() && qApp) dialogshell::destroy(*this);
    m_observer = nullptr;
}

void Dialog::endDialog(DialogResult r) {
    if (!m_open) return;
    m_result = static_cast<int>(r);
    if (m_modal)
        close();
    else
        destroy();
}

DialogResult Dialog::result() const { return static_cast<DialogResult>(m_result); }

bool Dialog::takeValues() {
    DataExchange check(*this, DataExchange::Mode::Check);
    DoDataExchange(check);
    if (check.failed()) {
        reportFailure(check.failure());
        setFocus(check.failedId());
        return false;
    }
    DataExchange take(*this, DataExchange::Mode::Take);
    DoDataExchange(take);
    m_keepShown.clear();
    return true;
}

void Dialog::reportFailure(const std::string& utf8) {
    std::string bytes;
    if (!TextCodec1250::fromUtf8(utf8, bytes)) bytes = toSheetBytes(utf8);
    messageBox(bytes, BoxButtons::Ok, BoxIcon::Warning);
}

bool Dialog::checkNumber(int id) {
    const ControlRow* r = row(id);
    if (!r || (r->kind != ControlKind::IntEdit && r->kind != ControlKind::FloatEdit)) return true;
    DataExchange check(*this, DataExchange::Mode::Check);
    if (r->kind == ControlKind::IntEdit) {
        int value = 0;
        check.integer(id, value);
    } else {
        double value = 0;
        check.number(id, value);
    }
    if (!check.failed()) return true;
    reportFailure(check.failure());
    return false;
}

void Dialog::takeValuesQuietly() {
    m_keepShown.clear();
    DataExchange take(*this, DataExchange::Mode::TakeQuietly);
    DoDataExchange(take);
}

void Dialog::showValues() {
    DataExchange show(*this, DataExchange::Mode::Show);
    DoDataExchange(show);
    m_keepShown.clear();
}

// --- controls --------------------------------------------------------------------------------

std::string Dialog::text(int id) const {
    const ControlState* s = state(id);
    return s ? s->text : std::string();
}

void Dialog::setText(int id, const std::string& utf8) {
    ControlState* s = mutableState(id);
    if (!s || s->text == utf8) return;
    s->text = utf8;
    changed(id);
}

int Dialog::checked(int id) const {
    const ControlState* s = state(id);
    return s ? s->checked : 0;
}

void Dialog::setChecked(int id, int checked) {
    ControlState* s = mutableState(id);
    if (!s || s->checked == checked) return;
    s->checked = checked;
    changed(id);
}

bool Dialog::isVisible(int id) const {
    const ControlState* s = state(id);
    return s && s->visible;
}

void Dialog::showControl(int id, bool show) {
    ControlState* s = mutableState(id);
    if (!s || s->visible == show) return;
    s->visible = show;
    changed(id);
}

bool Dialog::isEnabled(int id) const {
    const ControlState* s = state(id);
    return s && s->enabled;
}

void Dialog::enableControl(int id, bool enable) {
    ControlState* s = mutableState(id);
    if (!s || s->enabled == enable) return;
    s->enabled = enable;
    changed(id);
}

bool Dialog::isReadOnly(int id) const {
    const ControlState* s = state(id);
    return s && s->readOnly;
}

void Dialog::setReadOnly(int id, bool readOnly) {
    ControlState* s = mutableState(id);
    if (!s || s->readOnly == readOnly) return;
    s->readOnly = readOnly;
    changed(id);
}

void Dialog::setFocus(int id) {
    if (!row(id)) return;
    m_focus = id;
    if (m_observer) m_observer->focusChanged(id);
}

int Dialog::addItem(int id, const std::string& utf8) {
    ControlState* s = mutableState(id);
    if (!s) return -1;
    // Sorted as the list shows it: case-insensitive, by character.
    const QString key = QString::fromStdString(utf8);
    auto at = std::upper_bound(s->items.begin(), s->items.end(), key, [](const QString& k, const std::string& item) {
        return QString::compare(k, QString::fromStdString(item), Qt::CaseInsensitive) < 0;
    });
    const int index = static_cast<int>(at - s->items.begin());
    s->items.insert(at, utf8);
    if (s->selection >= index) ++s->selection;
    changed(id);
    return index;
}

void Dialog::clearItems(int id) {
    ControlState* s = mutableState(id);
    if (!s) return;
    s->items.clear();
    s->selection = -1;
    changed(id);
}

int Dialog::itemCount(int id) const {
    const ControlState* s = state(id);
    return s ? static_cast<int>(s->items.size()) : 0;
}

std::string Dialog::itemText(int id, int index) const {
    const ControlState* s = state(id);
    if (!s || index < 0 || index >= static_cast<int>(s->items.size())) return std::string();
    return s->items[static_cast<std::size_t>(index)];
}

int Dialog::selection(int id) const {
    const ControlState* s = state(id);
    return s ? s->selection : -1;
}

void Dialog::setSelection(int id, int index) {
    ControlState* s = mutableState(id);
    if (!s) return;
    if (index < 0 || index >= static_cast<int>(s->items.size())) index = -1;
    if (s->selection == index) return;
    s->selection = index;
    changed(id);
}

void Dialog::setRange(int id, int minimum, int maximum) {
    ControlState* s = mutableState(id);
    if (!s) return;
    s->minimum = minimum;
    s->maximum = maximum;
    s->position = std::clamp(s->position, std::min(minimum, maximum), std::max(minimum, maximum));
    changed(id);
}

void Dialog::setPosition(int id, int position) {
    ControlState* s = mutableState(id);
    if (!s) return;
    const int p = std::clamp(position, std::min(s->minimum, s->maximum), std::max(s->minimum, s->maximum));
    if (s->position == p) return;
    s->position = p;
    changed(id);
}

int Dialog::position(int id) const {
    const ControlState* s = state(id);
    return s ? s->position : 0;
}

void Dialog::setPageSize(int id, int page) {
    if (ControlState* s = mutableState(id)) {
        s->pageSize = page;
        changed(id);
    }
}

void Dialog::setTickFrequency(int id, int every) {
    if (ControlState* s = mutableState(id)) {
        s->tickFrequency = every;
        changed(id);
    }
}

bool Dialog::setTick(int id, int position) {
    ControlState* s = mutableState(id);
    if (!s || position < std::min(s->minimum, s->maximum) || position > std::max(s->minimum, s->maximum))
        return false;
    auto at = std::lower_bound(s->ticks.begin(), s->ticks.end(), position);
    if (at == s->ticks.end() || *at != position) s->ticks.insert(at, position);
    changed(id);
    return true;
}

void Dialog::clearTicks(int id) {
    if (ControlState* s = mutableState(id)) {
        s->ticks.clear();
        changed(id);
    }
}

void Dialog::setButtonImages(int id, Surface up, Surface down) {
    if (ControlState* s = mutableState(id)) {
        s->upImage = std::move(up);
        s->downImage = std::move(down);
        changed(id);
    }
}

void Dialog::redraw(int id) { changed(id); }

void Dialog::setCursor(int id, CursorShape shape) {
    ControlState* s = mutableState(id);
    if (!s || s->cursor == shape) return;
    s->cursor = shape;
    changed(id);
}

CursorShape Dialog::cursor(int id) const {
    const ControlState* s = state(id);
    return s ? s->cursor : CursorShape::Arrow;
}

// --- handlers and user input -------------------------------------------------------------

void Dialog::on(int id, Notify n, std::function<void()> handler) { m_handlers.push_back({id, n, std::move(handler)}); }

void Dialog::notify(int id, Notify n) {
    for (std::size_t i = 0; i < m_handlers.size(); ++i)
        if (m_handlers[i].id == id && m_handlers[i].notify == n) {
            const std::function<void()> run = m_handlers[i].run;  // the handler may add handlers
            run();
        }
}

void Dialog::userEdit(int id, const std::string& utf8) {
    const ControlRow* r = row(id);
    ControlState* s = mutableState(id);
    // A simple combo box has an edit field on top of its list.
    const bool editable = isEditKind(r ? r->kind : ControlKind::Static) || (r && r->kind == ControlKind::SortedCombo);
    if (!r || !s || !editable || !s->enabled || s->readOnly || !s->visible) return;
    const std::u32string before = toCodePoints(s->text);
    const std::u32string typed = toCodePoints(utf8);
    // What the user put in is what lies between the common start and end.
    std::size_t head = 0;
    while (head < before.size() && head < typed.size() && before[head] == typed[head]) ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < typed.size() - head &&
           before[before.size() - 1 - tail] == typed[typed.size() - 1 - tail])
        ++tail;
    std::u32string inserted = typed.substr(head, typed.size() - head - tail);
    const std::size_t kept = head + tail;  // characters the user left as they were
    bool refused = false;
    if (r->flags & kSheetText) {
        const std::size_t n = inserted.size();
        inserted.erase(std::remove_if(inserted.begin(), inserted.end(),
                                      [](char32_t c) { return !isSheetTextCharacter(c); }),
                       inserted.end());
        refused = inserted.size() != n;
    }
    if (r->limit > 0) {
        const std::size_t room = kept >= static_cast<std::size_t>(r->limit) ? 0 : r->limit - kept;
        if (inserted.size() > room) {
            inserted.resize(room);
            refused = true;
        }
    }
    if (refused) messageBeep();
    const std::u32string after = before.substr(0, head) + inserted + before.substr(before.size() - tail);
    const std::string text = toUtf8(after);
    if (text == s->text) {
        changed(id);  // the window shows what it was typed into again
        return;
    }
    s->text = text;
    m_keepShown.erase(id);
    changed(id);
    notify(id, Notify::Changed);
}

void Dialog::userClick(int id) {
    const ControlRow* r = row(id);
    ControlState* s = mutableState(id);
    if (!r || !s || !s->enabled || !s->visible) return;
    switch (r->kind) {
        case ControlKind::CheckBox:
            s->checked = s->checked ? 0 : 1;
            changed(id);
            break;
        case ControlKind::Radio:
            s->checked = 1;
            changed(id);
            break;
        case ControlKind::PushButton:
        case ControlKind::BitmapButton: break;
        default: return;
    }
    setFocus(id);
    bool handled = false;
    for (const Handler& h : m_handlers)
        if (h.id == id && h.notify == Notify::Clicked) handled = true;
    if (!handled && id == IDOK)
        OnOK();
    else if (!handled && id == IDCANCEL)
        OnCancel();
    else
        notify(id, Notify::Clicked);
}

void Dialog::userSelect(int id, int index) {
    const ControlRow* r = row(id);
    ControlState* s = mutableState(id);
    if (!r || !s || r->kind != ControlKind::SortedCombo || !s->enabled) return;
    if (index < 0 || index >= static_cast<int>(s->items.size())) return;
    s->selection = index;
    s->text = s->items[static_cast<std::size_t>(index)];
    m_keepShown.erase(id);
    changed(id);
    notify(id, Notify::SelectionChanged);
}

void Dialog::userScroll(int id, int code, int pos) {
    const ControlRow* r = row(id);
    ControlState* s = mutableState(id);
    if (!r || !s || !s->enabled) return;
    const int low = std::min(s->minimum, s->maximum);
    const int high = std::max(s->minimum, s->maximum);
    if (r->kind == ControlKind::Trackbar) {
        int p = s->position;
        switch (code) {
            case kScrollLineUp: p -= 1; break;
            case kScrollLineDown: p += 1; break;
            case kScrollPageUp: p -= s->pageSize; break;
            case kScrollPageDown: p += s->pageSize; break;
            case kScrollThumbPosition:
            case kScrollThumbTrack: p = pos; break;
            case kScrollTop: p = low; break;
            case kScrollBottom: p = high; break;
            default: break;
        }
        s->position = std::clamp(p, low, high);
    } else if (r->kind == ControlKind::Spin) {
        const bool buddyNumber = r->buddy && (r->flags & kBuddyNumber);
        int p = s->position;
        int typed = 0;
        if (buddyNumber && parseInteger(text(r->buddy), typed)) p = typed;
        if (code == kScrollLineUp) ++p;
        if (code == kScrollLineDown) --p;
        s->position = std::clamp(p, low, high);
        if (buddyNumber) setText(r->buddy, std::to_string(s->position));
        code = kScrollThumbPosition;
    } else {
        return;
    }
    changed(id);
    m_scrollCode = code;
    m_scrollPosition = s->position;
    notify(id, Notify::Scrolled);
}

void Dialog::userMouse(int id, Notify n, Point p) {
    const ControlState* s = state(id);
    if (!s || !s->enabled || !s->visible) return;
    m_mousePoint = p;
    notify(id, n);
}

void Dialog::pressEnter() {
    int id = IDOK;
    for (std::size_t i = 0; i < m_template.count; ++i)
        if (m_template.rows[i].flags & kDefaultButton) id = m_template.rows[i].id;
    bool handled = false;
    for (const Handler& h : m_handlers)
        if (h.id == id && h.notify == Notify::Clicked) handled = true;
    if (handled)
        notify(id, Notify::Clicked);
    else if (id == IDOK)
        OnOK();
}

void Dialog::pressEscape() {
    bool handled = false;
    for (const Handler& h : m_handlers)
        if (h.id == IDCANCEL && h.notify == Notify::Clicked) handled = true;
    if (handled)
        notify(IDCANCEL, Notify::Clicked);
    else
        OnCancel();
}

void Dialog::pressCloseBox() { pressEscape(); }

// --- program-wide ----------------------------------------------------------------------------

std::function<void(Dialog&)> setModalDialogHandler(std::function<void(Dialog&)> handler) {
    std::function<void(Dialog&)> previous = std::move(modalHandler());
    modalHandler() = std::move(handler);
    return previous;
}

bool dialogsHeadless() { return static_cast<bool>(modalHandler()); }

std::vector<Dialog*> openModelessDialogs() { return modeless(); }

Surface renderDialog(Dialog& dialog) {
    if (!qApp) return Surface();
    return dialogshell::render(dialog);
}

}  // namespace velk
