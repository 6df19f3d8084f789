// The .cad sheet file: one line of 8-bit text holding every saved slot, the
// sheet settings and the title block. Written by Save and Save As, read when a
// window is made by Open. Texts are kept as the bytes they are; numbers are
// plain decimals. The reader stops at the end of the text whatever the text
// says. A value is kept as the file holds it, so that Save writes it back
// unchanged; only the numbers that place or size the sheet and its items are
// brought into range. A file that is not whole through its end group, or that
// spells a number as the writer never does, is loaded as far as it goes and
// reported.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "model/Cdib.h"
#include "model/ConfigFile.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "model/WholeFile.h"
#include "platform/filedlg.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"
#include "render/Paint.h"

namespace velk {

namespace {

constexpr std::string_view kHeaderWord = "Velkarion";
constexpr std::string_view kRecordsEnd = "$$$";
constexpr std::string_view kSheetGroupEnd = "&&&";
constexpr std::string_view kEndGroup = "***$$$&&&";
constexpr char kSheetFilter[] = "Archivos Velkarion (*.cad)|*.cad|Todos los archivos (*.*) |*.*||";
constexpr char kUnsavedName[] = "*.cad";
constexpr char kDamagedMessage[] = "El archivo está deteriorado: pueden faltar elementos";
constexpr char kOverfullMessage[] =
    "El archivo contiene más elementos de los que caben en una hoja: solo se han cargado los primeros 999";
constexpr char kUnknownTypesMessage[] =
    "El archivo contiene elementos de un tipo desconocido: se conservan, pero no se dibujan ni se simulan";

// Terminal names and their flags in a record: eight, nine for the autotransformer.
int savedTerminals(int type) { return type == kTypeAutotransformer ? 9 : 8; }


// --- the numbers of a record after its texts, in file order ---------------------------

struct Range {
    long long low, high;
};
constexpr Range kAnyInt{std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
// The colour column holds red, green and blue in its low bytes; a higher byte is
// kept for Save and left out when drawing.
constexpr Range kAnyColor{0, std::numeric_limits<Color>::max()};
constexpr Range kCoordinate{-kMaxCoordinate, kMaxCoordinate};

enum RecordNumber {
    kNumX, kNumY, kNumX2, kNumY2, kNumBoxX1, kNumBoxY1, kNumBoxX2, kNumBoxY2, kNumColor,
    kNumOrientation, kNumVariant, kNumLabelVisible, kNumLabel2Visible, kNumLink0, kNumLink1,
    kRecordNumberCount
};
// What each number may hold once read. Positions and boxes are limited because
// they are scaled to pixels; every other value is kept as read (an orientation
// code outside 0 to 7 draws its symbol untransformed and without texts).
constexpr Range kRecordNumberRanges[kRecordNumberCount] = {
    kCoordinate, kCoordinate, kCoordinate, kCoordinate,  // position, second point
    kCoordinate, kCoordinate, kCoordinate, kCoordinate,  // box offsets
    kAnyColor,                                           // colour
    kAnyInt,                                             // orientation
    kAnyInt, kAnyInt, kAnyInt, kAnyInt, kAnyInt,         // reserved, shown flags, links
};

long long recordNumber(const CVelkarionView& v, int i, int field) {
    switch (field) {
        case kNumX: return v.m_x[i];
        case kNumY: return v.m_y[i];
        case kNumX2: return v.m_x2[i];
        case kNumY2: return v.m_y2[i];
        case kNumBoxX1: return v.m_boxX1[i];
        case kNumBoxY1: return v.m_boxY1[i];
        case kNumBoxX2: return v.m_boxX2[i];
        case kNumBoxY2: return v.m_boxY2[i];
        case kNumColor: return v.m_color[i];
        case kNumOrientation: return v.m_orientation[i];
        case kNumVariant: return v.m_variant[i];
        case kNumLabelVisible: return v.m_labelVisible[i];
        case kNumLabel2Visible: return v.m_label2Visible[i];
        case kNumLink0: return v.m_terminalLink[i][0];
        case kNumLink1: return v.m_terminalLink[i][1];
    }
    return 0;
}

// The value is within the field's range already (the colour's is wider than an int).
void setRecordNumber(CVelkarionView& v, int i, int field, long long value) {
    const int n = static_cast<int>(value);
    switch (field) {
        case kNumX: v.m_x[i] = n; break;
        case kNumY: v.m_y[i] = n; break;
        case kNumX2: v.m_x2[i] = n; break;
        case kNumY2: v.m_y2[i] = n; break;
        case kNumBoxX1: v.m_boxX1[i] = n; break;
        case kNumBoxY1: v.m_boxY1[i] = n; break;
        case kNumBoxX2: v.m_boxX2[i] = n; break;
        case kNumBoxY2: v.m_boxY2[i] = n; break;
        case kNumColor: v.m_color[i] = static_cast<Color>(value); break;
        case kNumOrientation: v.m_orientation[i] = n; break;
        case kNumVariant: v.m_variant[i] = n; break;
        case kNumLabelVisible: v.m_labelVisible[i] = n; break;
        case kNumLabel2Visible: v.m_label2Visible[i] = n; break;
        case kNumLink0: v.m_terminalLink[i][0] = n; break;
        case kNumLink1: v.m_terminalLink[i][1] = n; break;
    }
}

// --- the sheet group: nine numbers, then the page height and width ---------------------

// The page format sizes the sheet and the zoom everything on it, so they are
// brought into range; the flags and the title block's kind are kept as read.
struct SheetNumber {
    int SheetDocument::*field;  // nullptr: the zoom, kept as a double
    Range range;
};
const SheetNumber kSheetNumbers[] = {
    {&SheetDocument::m_pageFormat, {0, 4}},
    {&SheetDocument::m_showFrame, kAnyInt},
    {&SheetDocument::m_showTerminalRefs, kAnyInt},
    {&SheetDocument::m_titleBlockKind, kAnyInt},
    {nullptr, {1, 20}},
    {&SheetDocument::m_refsVertical, kAnyInt},
    {&SheetDocument::m_showGrid, kAnyInt},
    {&SheetDocument::m_showConnectionSymbols, kAnyInt},
    {&SheetDocument::m_showWireLabels, kAnyInt},
};
constexpr Range kZoomRange{1, 20};
// The user page's sides as config.cfg keeps them too, 0 included: what one file
// takes, the other takes unchanged.
constexpr Range kPageWidthRange{kPageSideMin, kPageWidthMax};
constexpr Range kPageHeightRange{kPageSideMin, kPageHeightMax};
constexpr std::size_t kPageHeightWidth = 3;  // the page height is padded with blanks to three characters

// --- the title block: ten texts at fixed widths, then fourteen one-digit flags ---------

struct TitleField {
    int width;       // characters in the file
    int readLength;  // characters kept: the last field keeps a blank before the flags
};
constexpr TitleField kTitleFields[kTitleTextCount] = {
    {11, 11}, {11, 11}, {11, 11}, {11, 11}, {25, 25}, {25, 25}, {11, 11}, {11, 11}, {11, 11}, {21, 20},
};

// --- writing -------------------------------------------------------------------------------

// The characters that separate the fields of a record and the parts of the file.
// A text of a record ends at its own delimiter; one holding another means a
// delimiter was lost or added and the fields after it have moved. The writer never
// writes them inside a text, as text entry never takes them.
bool isDelimiter(char c) { return c == '*' || c == '#' || c == '$'; }
bool isWrittenText(std::string_view field) { return std::none_of(field.begin(), field.end(), isDelimiter); }


void putNumber(std::string& out, char lead, long long value) {
    out += lead;
    out += std::to_string(value);
}

// A text of a record, without the characters that would end it early or open a
// field of their own: `keep` is the delimiter the field may hold. A damaged file
// can load a text holding one; written back it would move every field after it,
// so the file is written as text entry would have taken the text.
void putText(std::string& out, char lead, const std::string& text, char keep = '\0') {
    out += lead;
    if (std::none_of(text.begin(), text.end(), isDelimiter)) {
        out += text;
        return;
    }
    for (const char c : text)
        if (!isDelimiter(c) || c == keep) out += c;
}

// The zoom as the whole number the file keeps, whatever the document holds.
int wholeZoom(double zoom) {
    if (!(zoom >= kZoomRange.low)) return static_cast<int>(kZoomRange.low);
    if (zoom > kZoomRange.high) return static_cast<int>(kZoomRange.high);
    return static_cast<int>(zoom);
}

// --- reading -------------------------------------------------------------------------------

long long clampTo(long long value, Range range) { return std::min(std::max(value, range.low), range.high); }
bool isWithin(long long value, Range range) { return value >= range.low && value <= range.high; }

// A decimal as the file holds it, into `value`: leading blanks skipped, an optional
// sign, then digits up to the first other character; no digits give 0. Saturates
// instead of overflowing. True when the field is spelt as the writer spells it:
// "0", or digits that do not begin with 0 after an optional minus, with blanks
// before them only up to a padded field's width. Anything else ("0000", "-0",
// "+5", " 5") is a sign of damage: a byte changed inside a number can leave one
// that reads well. One pass over the field: a sheet holds some forty thousand.
bool readNumber(std::string_view field, long long& value, std::size_t paddedWidth = 0) {
    constexpr long long kLimit = 1000000000000LL;
    const char* p = field.data();
    const char* const end = p + field.size();
    while (p != end && *p == ' ') ++p;
    const std::size_t numberLength = static_cast<std::size_t>(end - p);
    const bool sign = p != end && (*p == '-' || *p == '+');
    const bool negative = sign && *p == '-';
    if (sign) ++p;
    const char* const digits = p;
    long long v = 0;
    for (; p != end && *p >= '0' && *p <= '9'; ++p) v = std::min(kLimit, v * 10 + (*p - '0'));
    value = negative ? -v : v;
    if (p != end || p == digits) return false;
    if (*digits == '0' && (p - digits > 1 || sign)) return false;
    return (!sign || negative) && field.size() == std::max(paddedWidth, numberLength);
}

// Walks the file's text; nothing here reads outside it.
class Cursor {
public:
    Cursor(const std::string& text, std::size_t pos) : m_text(text), m_pos(pos) {}
    char peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }
    std::size_t pos() const { return m_pos; }
    // The text up to `stop`, moving past it. False when no `stop` follows.
    bool take(char stop, std::string_view& field) {
        const std::size_t end = m_text.find(stop, m_pos);
        if (end == std::string::npos) return false;
        field = std::string_view(m_text).substr(m_pos, end - m_pos);
        m_pos = end + 1;
        return true;
    }
    // The text up to the first `stop` or `other`, or the end, stopping on the delimiter.
    std::string_view takeUpTo(char stop, char other) {
        std::size_t end = m_pos;
        while (end < m_text.size() && m_text[end] != stop && m_text[end] != other) ++end;
        const std::string_view field = std::string_view(m_text).substr(m_pos, end - m_pos);
        m_pos = end;
        return field;
    }
    bool skipPast(std::string_view word) {
        const std::size_t at = m_text.find(word, m_pos);
        if (at == std::string::npos) return false;
        m_pos = at + word.size();
        return true;
    }
    // The text up to `word`, moving past it.
    bool takeUntil(std::string_view word, std::string_view& field) {
        const std::size_t at = m_text.find(word, m_pos);
        if (at == std::string::npos) return false;
        field = std::string_view(m_text).substr(m_pos, at - m_pos);
        m_pos = at + word.size();
        return true;
    }
    void skip(std::size_t n) { m_pos = std::min(m_text.size(), m_pos + n); }

private:
    const std::string& m_text;
    std::size_t m_pos;
};

struct Record {
    int type = 0;
    std::string label, label2;
    std::string names[kTerminalCount];
    int shown[kTerminalCount] = {};
    long long numbers[kRecordNumberCount] = {};
    std::string param;
};

// The writer saves slots of type 1 and above, and companion slots; a record of
// another type (0 is a free slot) would be dropped by the next Save.
bool isWrittenType(long long type) { return type >= 1 || type == kTypeCompanionSlot; }


// One record, the cursor on its leading "*". False when the text ends inside it;
// `sound` turns false when a field is not what the writer puts there.
bool readRecord(Cursor& c, Record& r, bool& sound) {
    std::string_view field;
    c.skip(1);
    // A number the column cannot hold was not written by the writer either.
    auto number = [&](char stop, long long& value, Range column = kAnyInt) {
        if (!c.take(stop, field)) return false;
        const bool written = readNumber(field, value);
        sound = sound && written && isWithin(value, column);
        return true;
    };
    auto text = [&](char stop, std::string& value) {
        if (!c.take(stop, field)) return false;
        sound = sound && isWrittenText(field);
        value = field;
        return true;
    };
    long long value = 0;
    if (!number('*', value)) return false;  // the identifier: a loaded slot takes its index
    if (!number('#', value)) return false;
    sound = sound && isWrittenType(value);
    r.type = static_cast<int>(clampTo(value, kAnyInt));
    if (!text('#', r.label)) return false;
    if (!text('#', r.label2)) return false;
    const int terminals = savedTerminals(r.type);
    for (int k = 0; k < terminals; ++k)
        if (!text(k == terminals - 1 ? '*' : '#', r.names[k])) return false;
    for (int k = 0; k < terminals; ++k) {
        if (!number('*', value)) return false;
        r.shown[k] = static_cast<int>(clampTo(value, kAnyInt));
    }
    for (int n = 0; n < kRecordNumberCount; ++n) {
        if (!number(n == kNumLink1 ? '#' : '*', value, n == kNumColor ? kAnyColor : kAnyInt)) return false;
        r.numbers[n] = clampTo(value, kRecordNumberRanges[n]);
    }
    // A "#" in the parameter text reads back as it was written; "*" and "$" end it.
    r.param = c.takeUpTo('*', '$');
    return true;
}

bool holdsUnknownTypes(const CVelkarionView& v) {
    for (int i = 0; i < v.m_componentCount; ++i)
        if (v.m_type[i] >= 1 && !isKnownTypeCode(v.m_type[i])) return true;
    return false;
}

// After the title-block flags: the end group once or more, and at most a line break.
bool endsWithEndGroups(std::string_view rest) {
    int groups = 0;
    while (rest.substr(0, kEndGroup.size()) == kEndGroup) {
        rest.remove_prefix(kEndGroup.size());
        ++groups;
    }
    return groups > 0 && rest.find_first_not_of("\r\n") == std::string_view::npos;
}

}  // namespace

// --- composing the file ----------------------------------------------------------------------

bool CVelkarionView::IsSavedSlot(int i) const {
    return (m_type[i] >= 1 || m_type[i] == kTypeCompanionSlot) && m_deleted[i] == 0;
}

std::string CVelkarionView::ComposeSheetText(int endGroups) const {
    static const SheetDocument kDefaults;
    const SheetDocument& doc = GetDocument() ? *GetDocument() : kDefaults;
    std::string out;
    out.reserve(512 + static_cast<std::size_t>(m_componentCount) * 160);
    out += kHeaderWord;
    // The identifier written is the index the record gets when read back, so a
    // sheet read and saved again gives the same bytes.
    int identifier = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        if (!IsSavedSlot(i)) continue;
        putNumber(out, '*', identifier++);
        putNumber(out, '*', m_type[i]);
        putText(out, '#', m_label[i]);
        putText(out, '#', m_label2[i]);
        const int terminals = savedTerminals(m_type[i]);
        for (int k = 0; k < terminals; ++k) putText(out, '#', m_terminalName[i][k]);
        for (int k = 0; k < terminals; ++k) putNumber(out, '*', m_terminalNameVisible[i][k]);
        for (int n = 0; n < kRecordNumberCount; ++n) putNumber(out, '*', recordNumber(*this, i, n));
        // A "#" in the parameter text reads back as written: only "*" and "$" end it.
        putText(out, '#', m_paramText[i], '#');
    }
    out += kRecordsEnd;

    for (const SheetNumber& s : kSheetNumbers)
        putNumber(out, '*', s.field ? doc.*s.field : wholeZoom(doc.m_zoom));
    std::string height = std::to_string(doc.m_pageHeight);
    if (height.size() < 3) height.insert(0, 3 - height.size(), ' ');
    out += '*';
    out += height;
    out += "*3";  // a constant: the width's digits follow it
    out += std::to_string(doc.m_pageWidth);
    out += kSheetGroupEnd;

    for (int t = 0; t < kTitleTextCount; ++t) {
        const TitleField& f = kTitleFields[t];
        const std::string text = doc.m_titleText[t].substr(0, static_cast<std::size_t>(f.readLength));
        out += '*';
        out += text;
        out.append(static_cast<std::size_t>(f.width) - text.size(), ' ');
    }
    for (int r = 0; r < kTitleRowCount; ++r) putNumber(out, '*', doc.m_titleShow[r]);
    for (int r = 0; r < kTitleRowCount; ++r) putNumber(out, '*', doc.m_titleAlign[r]);
    for (int g = 0; g < endGroups; ++g) out += kEndGroup;
    return out;
}

// --- reading the file --------------------------------------------------------------------------

// A file is complete when every part stands where the writer puts it, through
// the end group. Reading goes on past damage as far as the text allows, so that
// a damaged file gives what it still holds.
bool CVelkarionView::ReadSheetText(const std::string& text, const std::string& folder, SheetTextCheck* check) {
    SheetDocument* doc = GetDocument();
    SheetTextCheck unasked;
    SheetTextCheck& found = check ? *check : unasked;
    found = SheetTextCheck();
    bool& sound = found.complete;
    if (text.compare(0, kHeaderWord.size(), kHeaderWord) != 0) return false;
    Cursor c(text, kHeaderWord.size());
    bool fieldsSound = true;

    for (int j = 0; c.peek() == '*'; ++j) {
        Record r;
        if (!readRecord(c, r, fieldsSound)) return true;  // the text ends inside a record
        if (j >= kMaxPlacedItems) {  // later records are read past, not kept
            found.overfull = true;
            continue;
        }
        clearSlot(j);
        m_componentId[j] = j;
        m_type[j] = r.type;
        m_label[j] = std::move(r.label);
        m_label2[j] = std::move(r.label2);
        for (int k = 0; k < savedTerminals(r.type); ++k) {
            m_terminalName[j][k] = std::move(r.names[k]);
            m_terminalNameVisible[j][k] = r.shown[k];
        }
        for (int n = 0; n < kRecordNumberCount; ++n) setRecordNumber(*this, j, n, r.numbers[n]);
        m_paramText[j] = std::move(r.param);
        m_deleted[j] = 0;
        m_componentCount = j + 1;
        if (r.type == kTypePicture) LoadPictureOfSlot(j, folder);
    }
    // The records end where the sheet group's "$$$" begins; anything else there is
    // damage, and the group is looked for at its delimiter further on.
    const bool recordsEnd = text.compare(c.pos(), kRecordsEnd.size(), kRecordsEnd) == 0;
    if (!doc || !c.skipPast(kRecordsEnd) || c.peek() != '*') return true;
    fieldsSound = fieldsSound && recordsEnd;

    std::string_view field;
    c.skip(1);
    auto sheetNumber = [&](std::string_view written, Range range, std::size_t paddedWidth = 0) {
        long long value = 0;
        const bool spelt = readNumber(written, value, paddedWidth);
        fieldsSound = fieldsSound && spelt && isWithin(value, kAnyInt);
        return static_cast<int>(clampTo(value, range));
    };
    for (const SheetNumber& s : kSheetNumbers) {
        if (!c.take('*', field)) return true;
        const int value = sheetNumber(field, s.range);
        if (s.field)
            doc->*s.field = value;
        else
            doc->m_zoom = value;
    }
    if (!c.take('*', field)) return true;
    doc->m_pageHeight = sheetNumber(field, kPageHeightRange, kPageHeightWidth);
    fieldsSound = fieldsSound && c.peek() == '3';
    c.skip(1);  // the constant 3 written before the width
    if (!c.takeUntil(kSheetGroupEnd, field)) return true;
    doc->m_pageWidth = sheetNumber(field, kPageWidthRange);

    // Title texts by position: each after its "*", at its field width.
    std::size_t at = c.pos();
    for (int t = 0; t < kTitleTextCount; ++t) {
        const std::size_t start = at + 1;
        if (start >= text.size()) return true;
        fieldsSound = fieldsSound && text[at] == '*';
        std::string value = text.substr(start, static_cast<std::size_t>(kTitleFields[t].readLength));
        value.erase(value.find_last_not_of(' ') + 1);
        doc->m_titleText[t] = std::move(value);
        at = start + static_cast<std::size_t>(kTitleFields[t].width);
    }
    std::size_t expected = at;  // where the writer puts the next flag's "*"
    for (int f = 0; f < 2 * kTitleRowCount; ++f) {
        const std::size_t star = text.find('*', std::min(at, text.size()));
        if (star == std::string::npos) return true;
        const std::string_view digit = std::string_view(text).substr(star + 1, 1);
        long long value = 0;
        const bool spelt = readNumber(digit, value);
        fieldsSound = fieldsSound && star == expected && spelt;
        expected = star + 2;
        // One digit each, kept as read: the drawing shows a row only for 1 and
        // draws an alignment it does not know like left.
        const int flag = static_cast<int>(value);
        if (f < kTitleRowCount)
            doc->m_titleShow[f] = flag;
        else
            doc->m_titleAlign[f - kTitleRowCount] = flag;
        at = star + 1;
    }
    sound = fieldsSound && expected <= text.size() && endsWithEndGroups(std::string_view(text).substr(expected));
    return true;
}

bool CVelkarionView::LoadDrawing(const std::string& path) {
    SheetDocument* doc = GetDocument();
    clearAllSlots();
    m_componentCount = 0;
    m_netCounter = 1;
    m_bundleCounter = 1;
    if (doc) doc->forgetPictures();
    m_filePath = path;
    m_openedFolder = wholeFolderOf(path);

    std::string text;
    const ReadResult read = readWholeFileUpTo(path, kMaxSheetFileBytes, text);
    if (read != ReadResult::Ok) {
        // No sheet is that large: it is not read at all, so it costs no memory.
        messageBox(read == ReadResult::TooLarge ? "El archivo no es valido" : "No se puede abrir el archivo");
        m_filePath.clear();  // a later Save must ask, not overwrite what could not be read
        return false;
    }
    SheetTextCheck check;
    const bool valid = ReadSheetText(text, folderOf(path), &check);
    if (!valid) {
        messageBox("El archivo no es valido");
        m_filePath.clear();
    } else if (!check.complete) {
        // What could be read stays; Save then asks for a name instead of replacing
        // the damaged file with the part that was read.
        messageBox(cp1250(kDamagedMessage));
        m_filePath.clear();
    } else {
        if (check.overfull) {
            // Likewise for the items past the last slot: Save must not write the
            // file back without them.
            messageBox(cp1250(kOverfullMessage));
            m_filePath.clear();
        }
        if (holdsUnknownTypes(*this)) {
            // A newer file's items: Save writes them back as they were read, so the
            // path stays, but the user learns why they do not show.
            messageBox(kUnknownTypesMessage);
        }
    }
    const std::string name = bareFileName(path);
    if (doc) {
        doc->setSheetTitle(name);
        doc->m_titleText[kTitleTextCount - 1] = name;
    }
    g_currentTool = 0;
    g_itemPicked = 0;
    m_floatingBlock = 0;
    m_rubberBandActive = 0;
    m_selectionValid = 0;
    ApplyLoadedZoom();
    return valid;
}

// The zoom step of the loader, as one zoom step up from one below: the zoom is a
// whole number, the step below is remembered for Zoom previous, and the scroll
// area follows the page format. Done here rather than through Zoom + so that a
// sheet saved at zoom 1 comes back at 1.
void CVelkarionView::ApplyLoadedZoom() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    const Point scroll = scrollPosition();
    doc->m_zoom = wholeZoom(doc->m_zoom);
    doc->m_prevZoom = std::max(doc->m_zoom - 1.0, static_cast<double>(kZoomRange.low));
    doc->m_savedScrollX = scroll.x;
    doc->m_savedScrollY = scroll.y;
    SetPageScrollSizes();
    g_viewOnlyRepaint = 1;
    BeginToolPlacement();
    invalidate(true);
}

void CVelkarionView::OpenDrawing() {
    FileDialogRequest request;
    request.save = false;
    request.filter = kSheetFilter;
    request.initialName = m_filePath;
    request.confirmOverwrite = true;
    const std::optional<std::string> chosen = runFileDialog(request);
    if (!chosen) return;
    LoadDrawing(*chosen);
}

// --- saving ------------------------------------------------------------------------------------

bool CVelkarionView::WriteDrawing(int endGroups) {
    if (writeWholeFile(m_filePath, ComposeSheetText(endGroups)) != WriteResult::Ok) {
        messageBox("No se puede guardar el archivo");
        return false;
    }
    return true;
}

void CVelkarionView::OnFileSave() {
    if (m_filePath.empty() || m_filePath == kUnsavedName) {
        OnFileSaveAs();
        return;
    }
    if (!WriteDrawing(2)) return;
    if (SheetDocument* doc = GetDocument()) doc->setModified(false);
}

void CVelkarionView::OnFileSaveAs() {
    FileDialogRequest request;
    request.save = true;
    request.filter = kSheetFilter;
    request.initialName = m_filePath.empty() ? std::string(kUnsavedName) : m_filePath;
    // A name typed without an extension is saved as a sheet, where Open lists it.
    request.defaultExt = "cad";
    request.confirmOverwrite = true;
    const std::optional<std::string> chosen = runFileDialog(request);
    if (!chosen) return;
    const std::string previous = m_filePath;
    m_filePath = *chosen;
    // The file keeps the title block's file name from before: it is updated after writing.
    if (!WriteDrawing(1)) {
        m_filePath = previous;
        return;
    }
    const std::string name = bareFileName(m_filePath);
    if (SheetDocument* doc = GetDocument()) {
        doc->setSheetTitle(name);
        doc->m_titleText[kTitleTextCount - 1] = name;
        doc->setModified(false);
    }
    invalidate();
}

}  // namespace velk
