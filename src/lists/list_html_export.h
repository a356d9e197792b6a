// Saving a list document: the save dialog with the HTML filter and the proposed name, the refusal of the
// open plan's file and the settings, the question before an existing file is replaced, and the message
// when the file cannot be written.
#pragma once

#include <functional>
#include <string>

#include "lists/list_context.h"
#include "platform/services.h"

namespace sb::lists {

// `document` is made only once the user chose where it goes.
void saveListDocument(platform::Services& services, const ListContext& context,
                      const std::string& proposedName, const std::function<std::string()>& document);

}  // namespace sb::lists
