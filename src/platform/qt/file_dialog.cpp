// Open and save dialogs: Qt's own (not the desktop's), so they are German and behave the same
// everywhere; the open dialog accepts only existing files.
#include <QFileDialog>
#include <QStringList>

#include "platform/qt/common_dialogs.h"
#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

// Callers keep chosen paths in buffers of 1024 characters, terminator included.
constexpr qsizetype pathBufferSize = 1024;

bool isPattern(const std::string& name) {
    return name.find_first_of("*?") != std::string::npos;
}

}  // namespace

QString nameFilterOf(const FileFilter& filter) {
    QString patterns = toQString(filter.patterns);
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    return toQString(filter.description) + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

std::optional<std::string> runFileDialog(QWidget* owner, const FileDialogRequest& request, bool save,
                                         unsigned& error) {
    error = dialog_error::none;
    QFileDialog dialog(owner, toQString(request.title));
    // The descriptions already say what they hold; Qt shows them without the appended patterns.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails |
                      QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const FileFilter& filter : request.filters) filters << nameFilterOf(filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(toQString(request.defaultExtension));
    // A proposal such as "*.sb3;*.sb2" only narrows the list, which the type filters already do.
    if (!request.proposedName.empty() && !isPattern(request.proposedName)) {
        dialog.selectFile(toQPath(request.proposedName));
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) {
        error = dialog_error::invalidFileName;
        return std::nullopt;
    }
    std::string path = fromQPath(chosen.front());
    if (qsizetype(path.size()) >= pathBufferSize) {
        error = dialog_error::bufferTooSmall;
        return std::nullopt;
    }
    return path;
}

std::vector<std::string> runMultiFileDialog(QWidget* owner, const FileDialogRequest& request, bool folder,
                                            unsigned& error) {
    error = dialog_error::none;
    QFileDialog dialog(owner, toQString(request.title));
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails |
                      (folder ? QFileDialog::ShowDirsOnly : QFileDialog::Options()));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(folder ? QFileDialog::Directory : QFileDialog::ExistingFiles);
    QStringList filters;
    for (const FileFilter& filter : request.filters) filters << nameFilterOf(filter);
    if (!filters.isEmpty() && !folder) dialog.setNameFilters(filters);
    if (!request.proposedName.empty()) dialog.setDirectory(toQPath(request.proposedName));
    std::vector<std::string> paths;
    if (dialog.exec() != QDialog::Accepted) return paths;
    for (const QString& chosen : dialog.selectedFiles())
        if (!chosen.isEmpty()) paths.push_back(fromQPath(chosen));
    return paths;
}

}  // namespace sb::platform::qt
