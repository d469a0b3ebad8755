// The application object: start-up, the message loop with accelerators,
// the pre-translation chain and idle-time command states, the profile and
// its recent-file list, the document templates, and the commands that
// belong to no document (new, open, recent files).
#pragma once

#include "command.h"
#include "printer_settings.h"
#include "profile.h"
#include "recent_files.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class DocTemplate;
class Document;
class MdiFrameWindow;

constexpr UINT kCommandNew = 0xE100;   // 57600
constexpr UINT kCommandOpen = 0xE101;  // 57601
constexpr UINT kCommandPrintSetup = 0xE106;  // 57606

// The framework's standard messages, in the string table.
constexpr UINT kOpenFailedMessage = 0xF101;    // 61697
constexpr UINT kSaveFailedMessage = 0xF102;    // 61698
constexpr UINT kSaveChangesMessage = 0xF103;   // 61699, "%1" is the document's title
constexpr UINT kApplicationNameId = 0xE000;    // 57344
// Ours: a file too large for an edit view ("%1" is its path).
constexpr UINT kFileTooLargeMessage = 0xF1F0;
// Ours: saving in Shift-JIS would lose characters; go on? ("%1" is the path).
constexpr UINT kShiftJisLosesMessage = 0xF1F1;

class Application : public CommandTarget {
public:
    Application();
    ~Application() override;

    static Application* Current();

    virtual bool InitInstance() = 0;
    virtual int ExitInstance() { return 0; }
    // Runs InitInstance, then the message loop until WM_QUIT.
    int Run();

    void SetRegistryKey(const wchar_t* company);
    // The recent-file list and the print preview's page count; the latter
    // is written back by SaveStdProfileSettings, at exit.
    void LoadStdProfileSettings(int recentFiles);
    void SaveStdProfileSettings() const;
    const Profile& GetProfile() const { return profile_; }
    RecentFileList* RecentFiles() const { return recentFiles_.get(); }
    const std::wstring& Name() const { return name_; }

    void AddDocTemplate(std::unique_ptr<DocTemplate> docTemplate);
    DocTemplate* FirstTemplate() const;
    Document* OpenDocumentFile(const std::wstring& path);
    void AddToRecentFiles(const std::wstring& path);
    bool SaveAllModified() const;
    void CloseAllDocuments() const;

    // The printer that printing and the preview use, and its settings.
    PrinterSettings& Printer() { return printer_; }
    // Fills a print dialog's data with that printer; false without a printer.
    bool GetPrinterDeviceDefaults(PRINTDLGA* dialog);
    // The print dialog over the main frame; the printer and settings the
    // user chose are kept. False when cancelled or when it failed.
    bool DoPrintDialog(PRINTDLGA* dialog);
    // Pages side by side in the print preview: 2 for two, one otherwise.
    int PreviewPages() const { return previewPages_; }
    void SetPreviewPages(int pages) { previewPages_ = pages; }

    MdiFrameWindow* MainFrame() const { return mainFrame_; }
    void SetMainFrame(MdiFrameWindow* frame) { mainFrame_ = frame; }
    // The main frame's window, the owner of the program's dialogs; null without one.
    HWND MainWindow() const;

    // The standard message box: the application's name as its caption.
    virtual int ShowMessage(const std::wstring& text, UINT type) const;
    int ShowMessage(UINT stringId, UINT type, const std::wstring& argument = {}) const;

    bool QueryCommand(UINT id, CommandState* state) override;
    void ExecuteCommand(UINT id) override;

protected:
    virtual void OnIdle();

private:
    bool PreTranslate(MSG* message) const;
    void OpenRecentFile(size_t index);
    void PrintSetup();

    std::wstring name_;
    Profile profile_;
    std::unique_ptr<RecentFileList> recentFiles_;
    std::vector<std::unique_ptr<DocTemplate>> templates_;
    PrinterSettings printer_;
    int previewPages_ = 0;
    MdiFrameWindow* mainFrame_ = nullptr;
};

// A string resource of this program, empty when it is missing.
std::wstring LoadString(UINT id);
// The part of a "prompt\ntip" string before or after its newline.
std::wstring PromptPart(const std::wstring& text);
std::wstring TipPart(const std::wstring& text);
