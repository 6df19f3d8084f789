#pragma once
// The document of the document/view framework: what one sheet holds besides its
// views, its title and its modified flag. A document lives while at least one
// window shows it.
#include <string>
#include <vector>

#include "platform/command.h"

namespace velk {

class MdiChild;

class Document : public CommandTarget {
public:
    Document();
    ~Document() override;
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // The framework's new-document step; false ends the creation of the window.
    virtual bool onNewDocument();

    const std::string& title() const { return m_title; }
    // Also the caption of every window of the document.
    virtual void setTitle(const std::string& title);

    bool isModifiedFlag() const { return m_modified; }
    void setModifiedFlag(bool modified) { m_modified = modified; }

    // Asked before the document's last window closes: a modified document asks
    // whether to save; false keeps the window open (Cancel, or a save that did
    // not clear the modified flag).
    virtual bool saveModified();
    // What the answer Yes runs. The default has no way to save: the window stays.
    virtual bool saveForClose() { return false; }

    // Every window of the document paints itself anew.
    void updateAllViews();

    const std::vector<MdiChild*>& frames() const { return m_frames; }
    void attachFrame(MdiChild* frame);
    void detachFrame(MdiChild* frame);

    // File Close: closes every window of the document (asking to save first).
    bool onCommand(int id) override;
    bool hasCommand(int id) const override;

private:
    std::string m_title;
    bool m_modified = false;
    std::vector<MdiChild*> m_frames;
};

}  // namespace velk
