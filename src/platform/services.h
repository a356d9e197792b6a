// The common services every feature calls: message boxes, file dialogs, the wait cursor and help.
// Texts crossing this interface are UTF-8; the Qt implementation shows them, the headless one answers
// from a script and records every call.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sb::platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Exclamation, Question, Stop };
enum class Answer { Ok, Cancel, Yes, No };

struct FileFilter {
    std::string description;  // "Saisonbuch (*.sb3)"
    std::string patterns;     // "*.sb3", several separated by ';'
};

struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;
    std::string proposedName;
    std::string defaultExtension;  // without the dot
};

class Services {
public:
    virtual ~Services() = default;
    virtual Answer messageBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> openFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileName(const FileDialogRequest& request) = 0;
    virtual void setWaitCursor(bool waiting) = 0;
};

// Holds the wait cursor for the lifetime of a scope, so every return path restores the arrow.
class WaitCursor {
public:
    explicit WaitCursor(Services& services) : services_(services) { services_.setWaitCursor(true); }
    ~WaitCursor() { services_.setWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    Services& services_;
};

}  // namespace sb::platform
