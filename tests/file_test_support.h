#pragma once
// Shared pieces of the file tests: a scratch folder that goes away with the
// test, the message boxes and file dialogs answered and recorded, and a sheet
// (document and view) built without windows.
#include <gtest/gtest.h>

#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "model/SheetDocument.h"
#include "model/VelkarionView.h"
#include "platform/dialog.h"
#include "platform/filedlg.h"
#include "platform/msgbox.h"

namespace velk::filetest {

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string fixturePath(const char* name) { return std::string(VELK_FIXTURES) + "/" + name; }
// A fixture sheet's bytes, as the reader is given them.
inline std::string fixtureText(const std::string& name) { return readBytes(fixturePath(name.c_str())); }

// The sheet group and title block of a default document with empty title texts.
inline const std::string kDefaultTail =
    "*1*1*1*2*2*0*1*0*0*333*3234&&&"
    "*           *           *           *           "
    "*                         *                         "
    "*           *           *           *                     "
    "*1*1*1*1*1*1*1*1*1*1*1*1*1*1";

// A whole sheet file of `count` text items, item i at x = i reading "L<i>", at zoom 5.
inline std::string sheetOfTexts(int count) {
    std::string text = "Velkarion";
    for (int i = 0; i < count; ++i)
        text += "*" + std::to_string(i) + "*8##########*0*0*0*0*0*0*0*0*" + std::to_string(i) +
                "*0*0*0*0*0*0*0*0*0*0*0*0*0*0#L" + std::to_string(i);
    std::string tail = kDefaultTail;
    tail.replace(0, 10, "*1*1*1*2*5");
    return text + "$$$" + tail + "***$$$&&&***$$$&&&";
}

class ScratchFolder {
public:
    ScratchFolder() {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("velk_file_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    std::string path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

// Records every message box (answered Ok) and answers the file dialogs from a
// queue (an empty answer cancels), recording each request. A chosen file makes
// its folder the current directory; the one before comes back at the end. The
// picture dialog is answered as a user does: "Wybierz obraz", then OK; other
// table-driven dialogs go to the handler that was there before, or are cancelled.
class Answers {
public:
    Answers() : m_previousDir(std::filesystem::current_path()) {
        setMessageBoxHandler([this](const BoxRecord& box) {
            messages.push_back(box.text);
            return BoxAnswer::Ok;
        });
        setFileDialogHandler([this](const FileDialogRequest& request) -> std::optional<std::string> {
            requests.push_back(request);
            if (files.empty()) return std::nullopt;
            std::optional<std::string> answer = files.front();
            files.pop_front();
            return answer;
        });
        m_previousDialogHandler = setModalDialogHandler([this](Dialog& dialog) {
            if (dialog.resourceId() == kPictureDialog) {
                dialog.userClick(kChoosePicture);
                dialog.userClick(IDOK);
            } else if (m_previousDialogHandler) {
                m_previousDialogHandler(dialog);
            } else {
                dialog.pressEscape();
            }
        });
    }
    ~Answers() {
        setModalDialogHandler(std::move(m_previousDialogHandler));
        setMessageBoxHandler(nullptr);
        setFileDialogHandler(nullptr);
        std::error_code ec;
        std::filesystem::current_path(m_previousDir, ec);
    }
    std::vector<std::string> messages;
    std::vector<FileDialogRequest> requests;
    std::deque<std::optional<std::string>> files;

private:
    static constexpr int kPictureDialog = 223;
    static constexpr int kChoosePicture = 1100;
    std::filesystem::path m_previousDir;
    std::function<void(Dialog&)> m_previousDialogHandler;
};

class TitledDocument : public SheetDocument {
public:
    void setSheetTitle(const std::string& title) override { m_shownTitle = title; }
    std::string sheetTitle() const override { return m_shownTitle; }
    std::string m_shownTitle = "Velkar1";
};

// The items Save would write: the live slots below the count, companions included.
inline int savedItems(const CVelkarionView& v) {
    int items = 0;
    for (int i = 0; i < v.m_componentCount; ++i) items += v.IsSavedSlot(i);
    return items;
}

// A sheet as a fresh window has it after its initial update, without the window.
struct Sheet {
    TitledDocument doc;
    CVelkarionView view;
    Sheet() {
        view.setDocument(&doc);
        view.clearAllSlots();
        view.m_netCounter = 1;
        view.m_bundleCounter = 1;
    }
};

}  // namespace velk::filetest
