// A document: the data behind one or more views, its title, its file and
// whether it has changed since it was last saved. Opening and saving go
// through the first view, which holds the bytes.
#pragma once

#include "command.h"
#include "text_encoding.h"

#include <string>
#include <vector>

class DocTemplate;
class View;

// The commands a document takes.
constexpr UINT kCommandClose = 0xE102;   // 57602
constexpr UINT kCommandSave = 0xE103;    // 57603
constexpr UINT kCommandSaveAs = 0xE104;  // 57604

class Document : public CommandTarget {
public:
    virtual ~Document() = default;

    DocTemplate* Template() const { return template_; }
    const std::wstring& Title() const { return title_; }
    // Keeps the first line of `title`, without control characters.
    void SetTitle(const std::wstring& title);
    const std::wstring& PathName() const { return path_; }
    // Names the document after its file and puts the file on the recent list.
    void SetPathName(const std::wstring& path);

    // The encoding the document was read in, and is saved in: Shift-JIS
    // for a new one.
    TextEncoding Encoding() const { return encoding_; }
    void SetEncoding(TextEncoding encoding) { encoding_ = encoding; }

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true) { modified_ = modified; }

    const std::vector<View*>& Views() const { return views_; }
    View* FirstView() const { return views_.empty() ? nullptr : views_.front(); }

    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::wstring& path);
    // Saving in Shift-JIS a text with characters it cannot keep asks first;
    // false, with nothing written, when the user says no.
    virtual bool OnSaveDocument(const std::wstring& path);

    // Asks whether to save a modified document; false when the user chose
    // to cancel or the save failed, so that nothing is closed.
    bool SaveModified();
    // Saves under `path`, or asks for a name and an encoding when it is empty.
    bool DoSave(const std::wstring& path);
    bool DoFileSave();
    // Closes every frame of the document; the last one deletes it.
    void OnCloseDocument();

    bool QueryCommand(UINT id, CommandState* state) override;
    void ExecuteCommand(UINT id) override;

private:
    friend class DocTemplate;
    friend class View;
    friend class MdiChildWindow;
    void AddView(View* view);
    void RemoveView(View* view);  // the template deletes the document with its last view
    void UpdateFrameTitles() const;

    DocTemplate* template_ = nullptr;
    std::wstring title_;
    std::wstring path_;
    bool modified_ = false;
    TextEncoding encoding_ = TextEncoding::ShiftJis;
    std::vector<View*> views_;
};
