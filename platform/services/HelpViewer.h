#pragma once
// The help viewer: one window per help file with its contents and keyword
// index beside the shown topic, topic pop-ups, a button bar that help macros
// can extend, printing of topics, and the macro language through which help
// files and the help-link library drive it. It serves the help commands of
// WinHelp (platform/services/Services.h).
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class HelpFile;

class HelpViewer {
public:
    HelpViewer();
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    // Reads the file and runs its start macros; shows nothing yet. False with
    // a German message in error when the file cannot be read.
    bool Open(const std::filesystem::path& file, std::string* error = nullptr);
    const std::filesystem::path& FilePath() const;
    const HelpFile& File() const;

    // The help commands (HELP_CONTEXT, HELP_CONTEXTPOPUP, HELP_CONTENTS,
    // HELP_FINDER, HELP_HELPONHELP, HELP_QUIT; and with a text HELP_KEY,
    // HELP_PARTIALKEY, HELP_COMMAND). False when the command did not show.
    bool Command(uint32_t command, uint32_t data);
    bool Command(uint32_t command, std::string_view text);

    // An unknown context shows the contents with a note saying so.
    void ShowContext(uint32_t context);
    void ShowTopic(int index);
    void ShowContents(std::string_view note = {});
    bool ShowPopup(int index);
    // The index tab with the key filled in; a key that names one topic
    // shows that topic (exact keys only).
    void ShowIndex(std::string_view key, bool partial);
    // Runs a macro; false when it is malformed or a call of it failed.
    bool RunMacro(std::string_view macro);
    // Ends the viewer: tells its libraries and hides the window.
    void Close();
    // Ended by Close (or the user's close) and not opened since: the next
    // request starts it afresh, with its start macros.
    bool IsEnded() const;

    // What is shown.
    bool IsShown() const;
    int CurrentTopic() const;            // index into File().Topics(), -1 none
    uint32_t CurrentTopicNumber() const; // the viewer's number of the topic: index + 1, 0 none
    std::string Note() const;            // the note above the topic, empty when none
    int PopupTopic() const;              // the topic in the open pop-up, -1 none
    bool IndexShown() const;
    std::string IndexKey() const;
    bool ButtonEnabled(std::string_view id) const; // false also when there is no such button
    bool IsOnTop() const;

    // A request of the help-link library: neither take the focus nor come to
    // the front while a navigator works beside the viewer.
    void SetPassive(bool passive);
    bool IsPassive() const;
    // The navigator's requests on the viewer's window, which belongs to
    // another program there: to the front without the activation, or hidden
    // until the next topic is shown.
    void RaiseWindow();
    void HideWindow();
    // Printed topics go into this PDF file instead of the printer.
    void SetPrintFile(const std::filesystem::path& pdf);
    // Called when the window was closed by the user or by a macro.
    void SetClosedHandler(std::function<void()> handler);

    // Saves a picture of the window (and of an open pop-up below it).
    bool SaveImage(const std::filesystem::path& png) const;

    // The handle the libraries know the viewer by; 0 never names a viewer.
    uint32_t Handle() const;
    static HelpViewer* FromHandle(uint32_t handle);

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};
