#pragma once
// The document of a sheet window: the sheet's display, page, print and
// title-block settings, read from "config.cfg" when the document is made.
#include <string>

#include "model/SheetDocument.h"
#include "platform/document.h"

namespace velk {

class CVelkarionView;

class CVelkarionDoc : public Document, public SheetDocument {
public:
    CVelkarionDoc();
    ~CVelkarionDoc() override;

    // The framework's new-document step, then "config.cfg" of the working directory.
    bool OnNewDocument();
    // The framework's archive never reads or writes a sheet: the view does.
    void Serialize() {}
    // Applies the text of a settings file: false (and nothing taken) when its
    // header word is wrong. Fields beyond the end of a short text keep their values.
    bool ReadConfiguration(const std::string& text);

    // The first view of the document.
    CVelkarionView* firstView() const;

    bool onNewDocument() override { return OnNewDocument(); }
    bool saveForClose() override;
    std::string sheetTitle() const override { return title(); }
    void setSheetTitle(const std::string& title) override;
    void setModified(bool modified) override { setModifiedFlag(modified); }
    bool isModified() const override { return isModifiedFlag(); }
    void updateAllViews() override { Document::updateAllViews(); }
};

// The settings of a settings file's text applied to `doc` (and the simulation
// speed): false, and nothing taken, when the header word is wrong.
bool readConfiguration(const std::string& text, SheetDocument& doc);

// The settings file every new document reads, by its bare name.
constexpr const char* kConfigFileName = "config.cfg";

}  // namespace velk
