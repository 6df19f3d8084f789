// The sheet document and its reading of "config.cfg".
#include "app/VelkarionDoc.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "model/VelkarionView.h"
#include "platform/app.h"
#include "platform/frame.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"
#include "render/Clock.h"

namespace velk {

namespace {

constexpr const char* kConfigHeader = "Velkarion";
constexpr std::size_t kConfigHeaderLength = 9;

// Where each setting stands in the one line of "config.cfg": its first column,
// its width, and the field it goes to (one of the three targets).
struct ConfigField {
    std::size_t column;
    std::size_t width;
    int SheetDocument::*intField;
    float SheetDocument::*floatField;
    int* global;
};

const ConfigField kConfigFields[] = {
    {10, 1, &SheetDocument::m_pageFormat, nullptr, nullptr},
    {12, 1, &SheetDocument::m_showFrame, nullptr, nullptr},
    {14, 1, &SheetDocument::m_refsVertical, nullptr, nullptr},
    {16, 1, &SheetDocument::m_showTerminalRefs, nullptr, nullptr},
    {18, 1, &SheetDocument::m_showConnectionSymbols, nullptr, nullptr},
    {20, 1, &SheetDocument::m_showWireLabels, nullptr, nullptr},
    {22, 1, &SheetDocument::m_autoJunction, nullptr, nullptr},
    {24, 1, &SheetDocument::m_guideLines, nullptr, nullptr},
    {26, 3, &SheetDocument::m_printOffsetX, nullptr, nullptr},
    {30, 3, &SheetDocument::m_printOffsetY, nullptr, nullptr},
    {34, 6, nullptr, &SheetDocument::m_printScale, nullptr},
    {41, 1, &SheetDocument::m_printLineWidth, nullptr, nullptr},
    {43, 1, &SheetDocument::m_printInColor, nullptr, nullptr},
    {45, 3, &SheetDocument::m_pageWidth, nullptr, nullptr},
    {49, 3, &SheetDocument::m_pageHeight, nullptr, nullptr},
    {53, 1, &SheetDocument::m_showZoneRefs, nullptr, nullptr},
    {55, 1, &SheetDocument::m_titleBlockKind, nullptr, nullptr},
    {57, 4, nullptr, nullptr, &g_simSpeed},
};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The start of the number in a field: after leading blanks and a plus sign (a minus
// sign stays for the conversion). Nullptr when no digit follows.
const char* numberStart(const char* p, const char* end) {
    while (p < end && isBlank(*p)) ++p;
    const char* sign = p;
    if (p < end && (*p == '+' || *p == '-')) ++p;
    const bool digit = p < end && *p >= '0' && *p <= '9';
    const bool pointDigit = p + 1 < end && *p == '.' && p[1] >= '0' && p[1] <= '9';
    if (!digit && !pointDigit) return nullptr;
    return *sign == '+' ? sign + 1 : sign;
}

// A decimal integer as the field spells it: 0 when it holds no digits or a number
// that would not fit.
int fieldInt(const std::string& field) {
    const char* end = field.data() + field.size();
    const char* p = numberStart(field.data(), end);
    if (!p) return 0;
    int value = 0;
    const auto r = std::from_chars(p, end, value);
    return r.ec == std::errc() ? value : 0;
}

float fieldFloat(const std::string& field) {
    const char* end = field.data() + field.size();
    const char* p = numberStart(field.data(), end);
    if (!p) return 0.0f;
    double value = 0.0;
    const auto r = std::from_chars(p, end, value, std::chars_format::fixed | std::chars_format::scientific);
    if (r.ec != std::errc() || !std::isfinite(value) || std::fabs(value) > FLT_MAX) return 0.0f;
    return static_cast<float>(value);
}

std::optional<std::string> readFile(const char* name) {
    std::ifstream in(name, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

CVelkarionDoc::CVelkarionDoc() = default;
CVelkarionDoc::~CVelkarionDoc() = default;

bool CVelkarionDoc::OnNewDocument() {
    if (!Document::onNewDocument()) return false;
    const std::optional<std::string> text = readFile(kConfigFileName);
    if (!text) return true;  // no settings file: the defaults, silently
    if (!ReadConfiguration(*text)) messageBox(cp1250("El archivo de configuración no es valido"));
    return true;
}

bool CVelkarionDoc::ReadConfiguration(const std::string& text) { return readConfiguration(text, *this); }

bool readConfiguration(const std::string& text, SheetDocument& doc) {
    if (text.size() < kConfigHeaderLength || text.compare(0, kConfigHeaderLength, kConfigHeader) != 0) return false;
    for (const ConfigField& f : kConfigFields) {
        // A field that starts past the end of a short file keeps its value; one cut
        // short by the end is read as far as it goes.
        if (f.column >= text.size()) continue;
        const std::string field = text.substr(f.column, f.width);
        if (f.intField) doc.*f.intField = fieldInt(field);
        if (f.floatField) doc.*f.floatField = fieldFloat(field);
        if (f.global) *f.global = fieldInt(field);
    }
    return true;
}

CVelkarionView* CVelkarionDoc::firstView() const {
    for (MdiChild* f : frames())
        if (auto* v = dynamic_cast<CVelkarionView*>(f->view())) return v;
    return nullptr;
}

bool CVelkarionDoc::saveForClose() {
    // The view's own Save: never an empty archive over the sheet's file. Each window
    // holds its own sheet; the active one (the window being closed) is saved.
    CVelkarionView* view = firstView();
    for (MdiChild* f : frames())
        if (f->isActive())
            if (auto* active = dynamic_cast<CVelkarionView*>(f->view())) view = active;
    if (!view) return false;
    view->OnFileSave();
    return !isModifiedFlag();
}

void CVelkarionDoc::setSheetTitle(const std::string& title) {
    setTitle(title);
    // The sheet the window now shows goes to the top of the recent files.
    const CVelkarionView* view = firstView();
    Application* app = Application::instance();
    if (!view || !app || view->m_filePath.empty()) return;
    std::error_code ec;
    const std::filesystem::path whole = std::filesystem::absolute(view->m_filePath, ec);
    if (!ec) app->addToRecentFiles(whole.lexically_normal().string());
}

}  // namespace velk
