// The document template: one kind of document with its frame and view
// classes, its menu and accelerators, and the names from its template
// string ("\nQSC\n..." fields: window title, document name, new-file name,
// filter name, filter extension, file-type id, file-type name).
#pragma once

#include "command.h"
#include "guards.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Document;
class MdiChildWindow;
class View;

class DocTemplate : public CommandTarget {
public:
    using MakeDocument = std::function<std::unique_ptr<Document>()>;
    using MakeFrame = std::function<MdiChildWindow*()>;  // made with new, given to its window
    using MakeView = std::function<View*()>;             // made with new, given to its window

    DocTemplate(UINT resourceId, MakeDocument makeDocument, MakeFrame makeFrame, MakeView makeView);
    ~DocTemplate() override;

    // Loads the menu, the accelerators and the template string.
    bool LoadResources();

    HMENU Menu() const { return menu_.Get(); }
    HACCEL Accelerators() const { return accelerators_.Get(); }
    // Field 1 to 6 of the template string after the window title.
    std::wstring DocumentName() const { return Field(1); }
    std::wstring FilterName() const { return Field(3); }
    std::wstring FilterExtension() const { return Field(4); }

    // A new untitled document (path empty) or the document read from
    // `path`, in a new active frame; null, after the user was told, on failure.
    Document* OpenDocumentFile(const std::wstring& path);
    // Another frame and view on a document that is open already.
    MdiChildWindow* CreateNewFrame(Document* document);

    const std::vector<std::unique_ptr<Document>>& Documents() const { return documents_; }
    // The document of this template whose file is `path`, or null.
    Document* FindDocument(const std::wstring& path) const;

    // Closes every document; false if the user cancelled a save prompt.
    bool SaveAllModified() const;
    void CloseAllDocuments();

    bool QueryCommand(UINT id, CommandState* state) override;
    void ExecuteCommand(UINT id) override;

private:
    friend class Document;
    void RemoveDocument(Document* document);
    std::wstring Field(size_t index) const;

    UINT resourceId_;
    MakeDocument makeDocument_;
    MakeFrame makeFrame_;
    MakeView makeView_;
    OwnedMenu menu_;
    OwnedAccelerators accelerators_;
    std::vector<std::wstring> fields_;
    std::vector<std::unique_ptr<Document>> documents_;
    int untitledCount_ = 0;
};
