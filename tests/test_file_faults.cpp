// Files under faults and bad input: damaged sheets load what they hold and say
// so, saves never leave a broken or half-written file and keep links, picture
// names that would break the sheet file are refused, and extreme settings do not
// stall printing.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "file_test_support.h"
#include "model/Cdib.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/dc.h"
#include "platform/filedlg.h"
#include "platform/print.h"
#include "platform/surface.h"
#include "platform/text1250.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

namespace velk {
namespace {

namespace fs = std::filesystem;
using filetest::Answers;
using filetest::fixturePath;
using filetest::readBytes;
using filetest::ScratchFolder;
using filetest::Sheet;
using filetest::writeBytes;

const std::string kDamaged = cp1250("El archivo está deteriorado: pueden faltar elementos");
const char kCannotSave[] = "No se puede guardar el archivo";
const char kEndGroup[] = "***$$$&&&";

std::string examplePath() { return fixturePath("../../examples/self_holding.cad"); }

// The items a loaded sheet holds, as Save keeps them: live slots and the
// companion slots of inverter controls. An emptied slot is none.
int itemsOf(const CVelkarionView& v) { return filetest::savedItems(v); }

struct ReadResult {
    bool valid = false;
    bool complete = false;
    int count = 0;
    int items = 0;
    bool cleanTexts = true;  // no text holds a delimiter (only damage makes one)
    std::string saved;       // what Save writes afterwards
};

// One sheet serves every read, cleared as a new window's is: the tables below
// read thousands of copies. Pictures are looked for in `folder`.
ReadResult readText(const std::string& text, const std::string& folder = "/nonexistent/") {
    static Sheet* shared = new Sheet;
    Sheet& sheet = *shared;
    sheet.doc = filetest::TitledDocument();
    for (int i = 0; i < sheet.view.m_componentCount; ++i) sheet.view.clearSlot(i);
    sheet.view.m_componentCount = 0;
    ReadResult r;
    const CVelkarionView& v = sheet.view;
    CVelkarionView::SheetTextCheck check;
    r.valid = sheet.view.ReadSheetText(text, folder, &check);
    r.complete = check.complete;
    r.count = v.m_componentCount;
    r.items = itemsOf(v);
    auto clean = [](const std::string& t) { return t.find_first_of("*#$") == std::string::npos; };
    for (int i = 0; i < r.count; ++i) {
        r.cleanTexts = r.cleanTexts && clean(v.m_label[i]) && clean(v.m_label2[i]);
        for (int k = 0; k < kTerminalCount; ++k) r.cleanTexts = r.cleanTexts && clean(v.m_terminalName[i][k]);
    }
    r.saved = v.ComposeSheetText(2);
    return r;
}

// Every sheet the tests and the example rely on reads as complete, and so does
// what the writer makes of it; a text without its end group does not.
TEST(SheetFileDamage, WrittenSheetsReadComplete) {
    Answers answers;
    std::vector<std::string> paths{examplePath()};
    for (const auto& entry : fs::directory_iterator(VELK_FIXTURES))
        if (entry.path().extension() == ".cad") paths.push_back(entry.path().string());
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        const ReadResult first = readText(readBytes(path));
        EXPECT_TRUE(first.valid);
        EXPECT_TRUE(first.complete);
        EXPECT_TRUE(readText(first.saved).complete);
        EXPECT_FALSE(readText(first.saved.substr(0, first.saved.size() - 2 * sizeof(kEndGroup) + 2)).complete);
        EXPECT_TRUE(readText(first.saved + "\r\n").complete);
    }
}

// Damaged copies of the example: a zero byte in place of the first record's "*"
// used to open as an empty sheet without a word, and the next Save shrank the
// file; a copy cut short loads the records it holds. Both say so, and Save asks
// for a name instead of writing over the file.
TEST(SheetFileDamage, DamagedExampleIsToldAndNotSavedOver) {
    const std::string whole = readBytes(examplePath());
    ASSERT_GT(whole.size(), 2000u);
    const int items = readText(whole).count;
    struct Row {
        const char* name;
        std::string bytes;
        int count;
    };
    std::string zeroed = whole;
    zeroed[9] = '\0';
    const std::size_t fifthRecord = [&] {
        std::size_t at = 9;
        for (int n = 0; n < 5; ++n) at = whole.find("*" + std::to_string(n + 1) + "*", at + 1);
        return at;
    }();
    const Row rows[] = {
        {"byte 9 zeroed", zeroed, 0},
        {"cut inside the fifth record", whole.substr(0, fifthRecord + 5), 5},
        {"cut before the end group", whole.substr(0, whole.size() - 18), items},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Answers answers;
        ScratchFolder folder;
        const std::string path = folder.file("self_holding.cad");
        writeBytes(path, row.bytes);
        Sheet sheet;
        EXPECT_TRUE(sheet.view.LoadDrawing(path));
        EXPECT_EQ(answers.messages, std::vector<std::string>{kDamaged});
        EXPECT_EQ(sheet.view.m_componentCount, row.count);
        EXPECT_EQ(sheet.doc.sheetTitle(), "self_holding.cad");
        sheet.view.OnFileSave();  // asks for a name; cancelled
        ASSERT_EQ(answers.requests.size(), 1u);
        EXPECT_TRUE(answers.requests[0].save);
        EXPECT_EQ(readBytes(path), row.bytes);
    }
}

// Where each record's type code stands: a record begins with "*" right after the
// header or after the "#" of the parameter text before it, then comes its
// identifier and "*", and the code runs up to the next "#".
struct Span {
    std::size_t at, length;
};
std::vector<Span> typeFields(const std::string& text) {
    auto digitsFrom = [&](std::size_t p) {
        while (p < text.size() && text[p] >= '0' && text[p] <= '9') ++p;
        return p;
    };
    std::vector<Span> spans;
    for (std::size_t p = 9; p < text.size(); ++p) {
        if (text[p] != '*' || (p != 9 && text[p - 1] != '#')) continue;
        const std::size_t idEnd = digitsFrom(p + 1);
        if (idEnd == p + 1 || idEnd >= text.size() || text[idEnd] != '*') continue;
        const std::size_t type = idEnd + 1;
        const std::size_t end = digitsFrom(type < text.size() && text[type] == '-' ? type + 1 : type);
        if (end == type || end >= text.size() || text[end] != '#') continue;
        spans.push_back({type, end - type});
    }
    return spans;
}

// Each digit of each type code of the examples set to '0' and to '7', opened as a
// user opens a file: a code spelt with a leading zero is damage (8000 turned 0000
// used to open as 24 of 25 items and Save dropped the push button without
// asking); a well-formed code the program does not know (3003 turned 3703) is
// kept and written back, with a notice, since a newer file's items must survive;
// a code turned into another known one cannot be told apart. Save never writes
// fewer items than the window holds.
TEST(SheetFileDamage, AChangedDigitInATypeCodeIsToldAndNeverDropsAnItem) {
    const std::string unknownNotice =
        "El archivo contiene elementos de un tipo desconocido: se conservan, pero no se dibujan ni se simulan";
    enum class Outcome { Damaged, Unknown, Known };
    int rows = 0;
    for (const char* example : {"self_holding.cad", "motor_start.cad"}) {
        const std::string whole = readBytes(fixturePath((std::string("../../examples/") + example).c_str()));
        const std::vector<Span> fields = typeFields(whole);
        ASSERT_EQ(static_cast<int>(fields.size()), readText(whole).count) << example;
        for (const Span& field : fields) {
            for (std::size_t k = 0; k < field.length; ++k) {
                for (const char by : {'0', '7'}) {
                    std::string copy = whole;
                    if (copy[field.at + k] == by) continue;
                    copy[field.at + k] = by;
                    const std::string code = copy.substr(field.at, field.length);
                    const Outcome outcome = code[0] == '0'                  ? Outcome::Damaged
                                            : isKnownTypeCode(std::stoi(code)) ? Outcome::Known
                                                                               : Outcome::Unknown;
                    SCOPED_TRACE(std::string(example) + " byte " + std::to_string(field.at + k) + " set to '" + by +
                                 "': " + whole.substr(field.at, field.length) + " became " + code);
                    ++rows;
                    Answers answers;
                    ScratchFolder folder;
                    const std::string path = folder.file(example);
                    writeBytes(path, copy);
                    Sheet sheet;
                    ASSERT_TRUE(sheet.view.LoadDrawing(path));
                    // A wire's 4009 turned 0009 reads as a picture without a file: its
                    // own message comes first.
                    std::vector<std::string> told =
                        outcome == Outcome::Damaged   ? std::vector<std::string>{kDamaged}
                        : outcome == Outcome::Unknown ? std::vector<std::string>{unknownNotice}
                                                      : std::vector<std::string>{};
                    if (code == "0009") told.insert(told.begin(), "No se puede abrir el archivo");
                    EXPECT_EQ(answers.messages, told);
                    const int loaded = itemsOf(sheet.view);

                    answers.files.push_back(folder.file("saved.cad"));
                    sheet.view.OnFileSave();
                    EXPECT_EQ(answers.requests.size(), outcome == Outcome::Damaged ? 1u : 0u);
                    const std::string saved = outcome == Outcome::Damaged ? folder.file("saved.cad") : path;
                    if (outcome == Outcome::Unknown) {
                        EXPECT_NE(readBytes(saved).find("*" + code + "#"), std::string::npos);
                    }
                    Sheet back;
                    ASSERT_TRUE(back.view.LoadDrawing(saved));
                    EXPECT_EQ(itemsOf(back.view), loaded);
                }
            }
        }
    }
    EXPECT_GT(rows, 200);  // every record of both examples was found
}

// Prefixes and single-byte substitutions of the sheets: nothing crashes, a
// second save gives the same bytes as the first, and wherever Save would write
// fewer items than the whole file holds, the reader says the file is damaged (or
// a picture that could not be read said so). A '0' that turned a type code into
// "0000" emptied its slot and lost the item without a word.
TEST(SheetFileDamage, CutAndDamagedCopiesNeverLoseItemsSilently) {
    Answers answers;
    const char* fixtures[] = {"every_column.cad", "picture_item.cad", "../../examples/self_holding.cad"};
    const char substitutes[] = {'\0', '*', '#', '$', '&', ' ', '7', 'x', '0'};
    const std::string pictures = std::string(VELK_FIXTURES) + "/";
    int damagedCopies = 0;
    for (const char* name : fixtures) {
        SCOPED_TRACE(name);
        const std::string whole = readBytes(fixturePath(name));
        // The whole file's own picture messages (a missing bitmap) tell nothing of damage.
        std::size_t before = answers.messages.size();
        const std::string wholeSaved = readText(whole, pictures).saved;
        const std::size_t wholeMessages = answers.messages.size() - before;
        const int items = readText(wholeSaved, pictures).items;
        ASSERT_GT(items, 0);
        auto check = [&](const std::string& copy, const std::string& what) {
            before = answers.messages.size();
            const ReadResult r = readText(copy, pictures);
            if (!r.valid) return;
            damagedCopies += !r.complete;
            if (!r.cleanTexts) {
                ASSERT_FALSE(r.complete) << what;
            }
            // Whatever was loaded, what Save writes reads back whole, with the same
            // items, and writes the same bytes again.
            const bool told = !r.complete || answers.messages.size() - before > wholeMessages;
            const ReadResult again = readText(r.saved, pictures);
            ASSERT_TRUE(again.complete) << what;
            ASSERT_EQ(again.items, r.items) << what;
            ASSERT_EQ(again.saved, r.saved) << what;
            if (again.items < items) {
                ASSERT_TRUE(told) << what << ": " << again.items << " of " << items << " items saved";
            }
        };
        for (std::size_t n = 9; n < whole.size(); ++n) {
            const bool afterEndGroup = whole.compare(n - 9, 9, kEndGroup) == 0;
            const ReadResult r = readText(whole.substr(0, n));
            ASSERT_EQ(r.complete, afterEndGroup) << "prefix " << n;
            check(whole.substr(0, n), "prefix " + std::to_string(n));
        }
        for (std::size_t at = 0; at < whole.size(); ++at) {
            std::string copy = whole;
            const char by = substitutes[at % sizeof(substitutes)];
            if (copy[at] == by) continue;
            copy[at] = by;
            check(copy, "byte " + std::to_string(at) + " set to " + std::to_string(by));
        }
    }
    EXPECT_GT(damagedCopies, 0);
}

// A picture name with "$" ended the record list: every item after it was lost.
TEST(SheetFileDamage, PictureNameWithADelimiterIsToldOnLoad) {
    Answers answers;
    ScratchFolder folder;
    std::string text = readBytes(fixturePath("picture_item.cad"));
    text.replace(text.find("two_by_two.bmp"), 14, "plan$1.bmp");
    const std::string path = folder.file("plan.cad");
    writeBytes(path, text);
    Sheet sheet;
    EXPECT_TRUE(sheet.view.LoadDrawing(path));
    ASSERT_FALSE(answers.messages.empty());
    EXPECT_EQ(answers.messages.back(), kDamaged);
    EXPECT_EQ(sheet.view.m_filePath, "");
    EXPECT_EQ(sheet.doc.m_pageFormat, 1);  // the sheet group is still found
}

TEST(PictureImport, NamesHoldingTheFileDelimitersAreRefused) {
    struct Row {
        const char* name;
        bool taken;
    };
    const Row rows[] = {{"plan$1.bmp", false}, {"a*b.bmp", false}, {"no#1.bmp", false}, {"plan_1.bmp", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Answers answers;
        ScratchFolder folder;
        const std::string path = folder.file(row.name);
        writeBytes(path, readBytes(fixturePath("two_by_two.bmp")));
        answers.files.push_back(path);
        Sheet sheet;
        sheet.view.OnFileImportPicture();
        EXPECT_EQ(sheet.view.m_componentCount, row.taken ? 1 : 0);
        EXPECT_EQ(sheet.doc.isModified(), row.taken);
        EXPECT_EQ(answers.messages, row.taken ? std::vector<std::string>{}
                                              : std::vector<std::string>{"No se puede abrir el fichero"});
    }
}

// A folder name the program's 8-bit text cannot hold used to give only a beep.
TEST(FileDialogNames, ANameOutsideTheCharacterSetIsTold) {
    Answers answers;
    EXPECT_EQ(chosenPathBytes("/tmp/Ψ/plan.cad"), std::nullopt);
    EXPECT_EQ(answers.messages,
              std::vector<std::string>{cp1250("El nombre del archivo o de su carpeta contiene caracteres no válidos")});
    answers.messages.clear();
    EXPECT_EQ(chosenPathBytes("/tmp/Łódź/plan.cad"), cp1250("/tmp/Łódź/plan.cad"));
    EXPECT_TRUE(answers.messages.empty());
}

// --- saving under file-system faults --------------------------------------------------------

// A file-size limit for the process, with the signal that would end it ignored:
// writes beyond the limit then fail part-way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_handler = signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_previous{};
    sighandler_t m_handler = SIG_DFL;
};

int entriesIn(const std::string& folder) {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++n;
    return n;
}

TEST(SaveFaults, TheOldFileStaysAndTheUserIsTold) {
    const std::string old = "Velkarion old content";
    struct Row {
        const char* name;
        // Prepares the folder; gives the path Save writes to.
        std::function<std::string(const ScratchFolder&)> prepare;
        bool saved;
        rlim_t sizeLimit;  // bytes a file may grow to; 0 for no limit
        int newEntries;    // entries the save adds to the folder
        // Checks the folder after the save.
        std::function<void(const ScratchFolder&, const std::string& written)> check;
    };
    const std::vector<Row> rows = {
        {"read-only file",
         [&](const ScratchFolder& f) {
             writeBytes(f.file("plan.cad"), old);
             fs::permissions(f.file("plan.cad"), fs::perms::owner_read | fs::perms::group_read);
             return f.file("plan.cad");
         },
         false, 0, 0,
         [&](const ScratchFolder& f, const std::string&) {
             EXPECT_EQ(readBytes(f.file("plan.cad")), old);
             EXPECT_EQ(fs::status(f.file("plan.cad")).permissions(), fs::perms::owner_read | fs::perms::group_read);
         }},
        {"target is a folder",
         [&](const ScratchFolder& f) {
             fs::create_directory(f.file("plan.cad"));
             writeBytes(f.file("plan.cad/inside"), old);
             return f.file("plan.cad");
         },
         false, 0, 0,
         [&](const ScratchFolder& f, const std::string&) {
             EXPECT_TRUE(fs::is_directory(f.file("plan.cad")));
             EXPECT_EQ(readBytes(f.file("plan.cad/inside")), old);
         }},
        {"missing folder", [&](const ScratchFolder& f) { return f.file("absent/plan.cad"); }, false, 0, 0,
         [&](const ScratchFolder& f, const std::string&) { EXPECT_FALSE(fs::exists(f.file("absent"))); }},
        {"write failing part-way",
         [&](const ScratchFolder& f) {
             writeBytes(f.file("plan.cad"), old);
             return f.file("plan.cad");
         },
         false, 64, 0,
         [&](const ScratchFolder& f, const std::string&) { EXPECT_EQ(readBytes(f.file("plan.cad")), old); }},
        {"symbolic link to a file",
         [&](const ScratchFolder& f) {
             writeBytes(f.file("real.cad"), old);
             fs::create_symlink("real.cad", f.file("plan.cad"));
             return f.file("plan.cad");
         },
         true, 0, 0,
         [&](const ScratchFolder& f, const std::string& written) {
             EXPECT_TRUE(fs::is_symlink(f.file("plan.cad")));
             EXPECT_EQ(fs::read_symlink(f.file("plan.cad")), "real.cad");
             EXPECT_EQ(readBytes(f.file("real.cad")), written);
         }},
        {"dangling symbolic link",
         [&](const ScratchFolder& f) {
             fs::create_symlink(f.file("later.cad"), f.file("plan.cad"));
             return f.file("plan.cad");
         },
         true, 0, 1,
         [&](const ScratchFolder& f, const std::string& written) {
             EXPECT_TRUE(fs::is_symlink(f.file("plan.cad")));
             EXPECT_EQ(readBytes(f.file("later.cad")), written);
         }},
        {"dangling symbolic link into a missing folder",
         [&](const ScratchFolder& f) {
             fs::create_symlink("absent/later.cad", f.file("plan.cad"));
             return f.file("plan.cad");
         },
         false, 0, 0,
         [&](const ScratchFolder& f, const std::string&) {
             EXPECT_EQ(fs::read_symlink(f.file("plan.cad")), "absent/later.cad");
         }},
        {"loop of symbolic links",
         [&](const ScratchFolder& f) {
             fs::create_symlink("b.cad", f.file("plan.cad"));
             fs::create_symlink("plan.cad", f.file("b.cad"));
             return f.file("plan.cad");
         },
         false, 0, 0,
         [&](const ScratchFolder& f, const std::string&) { EXPECT_TRUE(fs::is_symlink(f.file("b.cad"))); }},
        // The saved name takes the new content; a second hard link keeps the old.
        {"second hard link",
         [&](const ScratchFolder& f) {
             writeBytes(f.file("plan.cad"), old);
             fs::create_hard_link(f.file("plan.cad"), f.file("other.cad"));
             return f.file("plan.cad");
         },
         true, 0, 0,
         [&](const ScratchFolder& f, const std::string& written) {
             EXPECT_EQ(readBytes(f.file("plan.cad")), written);
             EXPECT_EQ(readBytes(f.file("other.cad")), old);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Answers answers;
        ScratchFolder folder;
        Sheet sheet;
        sheet.view.m_filePath = row.prepare(folder);
        sheet.doc.setModified(true);
        const int entries = entriesIn(folder.path());
        {
            std::unique_ptr<FileSizeLimit> limit;
            if (row.sizeLimit > 0) limit = std::make_unique<FileSizeLimit>(row.sizeLimit);
            sheet.view.OnFileSave();
        }
        EXPECT_EQ(answers.messages, row.saved ? std::vector<std::string>{} : std::vector<std::string>{kCannotSave});
        EXPECT_EQ(sheet.doc.isModified(), !row.saved);
        EXPECT_TRUE(answers.requests.empty());
        row.check(folder, sheet.view.ComposeSheetText(2));
        // No temporary file is left behind.
        EXPECT_EQ(entriesIn(folder.path()), entries + row.newEntries);
    }
}

// --- extreme settings ------------------------------------------------------------------------

TEST(PrintScaleLimits, ScaleIsHeldToTheRangeThePrintPathDraws) {
    struct Row {
        float scale;
        double zoom;
    };
    const Row rows[] = {{999.99f, 50.0}, {5.0f, 50.0}, {4.5f, 45.0}, {1e30f, 50.0}, {-3.0f, 1.0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.scale);
        SheetDocument doc;
        doc.m_pageFormat = 1;
        doc.m_printScale = row.scale;
        EXPECT_NEAR(CVelkarionView::PrintZoomFor(doc), row.zoom, 1e-4);
    }
}

// A scale of 999.99 in the settings file kept Print preview busy for minutes.
// The reader now takes it as the dialog's largest scale, 5.
TEST(PrintScaleLimits, PreviewWithTheLargestScaleOfTheSettingsFileEnds) {
    testkit::Session session;
    session.writeFile("config.cfg", "Velkarion*1*1*0*1*0*0*1*0*  0*  0*999.99*2*1*234*333*1*2*  50$$$");
    CVelkarionView& view = session.openSheet(examplePath());
    ASSERT_FLOAT_EQ(session.document(view).m_printScale, 5.0f);
    int previews = 0;
    setPrintPreviewHandler([&](const std::vector<Surface>&) { ++previews; });
    const auto start = std::chrono::steady_clock::now();
    view.RunPrintCommand(ID_FILE_PRINT_PREVIEW);
    setPrintPreviewHandler(nullptr);
    EXPECT_EQ(previews, 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    EXPECT_EQ(session.document(view).m_zoom, 2.0);
}

// The search for a font's pixel size ends whatever cell a zoom asks for.
TEST(PrintScaleLimits, FontSizeSearchEndsForAnyCell) {
    testkit::Session session;
    Surface surface(40, 40);
    Dc dc(surface);
    for (int cell : {1, 16, 500, INT_MAX, -INT_MAX}) {
        SCOPED_TRACE(cell);
        Font font;
        font.height = cell;
        dc.selectFont(font);
        const Point extent = dc.textExtent("Ag");
        EXPECT_GT(extent.y, 0);
        EXPECT_LE(extent.y, 2 * 4096);
    }
}

}  // namespace
}  // namespace velk
