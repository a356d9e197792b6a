// The save flow of the list documents.
#include "lists/list_html_export.h"

#include "model/text_encoding.h"
#include "output/html_frame.h"
#include "output/output_target.h"
#include "platform/common_dialogs.h"

namespace sb::lists {

void saveListDocument(platform::Services& services, const ListContext& context,
                      const std::string& proposedName, const std::function<std::string()>& document) {
    platform::FileDialogRequest request;
    request.filters = {{"HTML-Datei  (*.htm)", "*.htm"}};
    request.proposedName = model::cp1252ToUtf8(proposedName);
    request.defaultExtension = "htm";
    const std::optional<std::string> path = services.saveFileName(request);
    if (!path) {
        platform::reportDialogError(services);
        return;
    }
    const std::string refusal =
        output::outputRefusal("Die Liste", *path, {context.year.currentFileName, context.settings.file.path});
    if (!refusal.empty()) {
        services.messageBox(refusal, "Fehler", platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    if (!platform::askOverwrite(services, *path)) return;
    if (!output::writeHtmlDocument(*path, document()))
        services.messageBox("Fehler beim Export der Datei", "Fehler", platform::Buttons::Ok,
                            platform::Icon::Exclamation);
}

}  // namespace sb::lists
