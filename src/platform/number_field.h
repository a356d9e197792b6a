// Numbers typed into dialog fields that the program checks with a message of its own: a comma counts
// as the decimal point, an emptied field means 0, and text that is no number is refused, so a slip of
// the finger is reported like an out-of-range value instead of being read as 0.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/dialog.h"
#include "platform/services.h"

namespace sb::platform {

// Empty (blanks only), or an optional sign, digits with at most one decimal point, and blanks around.
bool isNumberText(std::string_view text);

// The field's text cut to maxCharacters with commas as dots, read with atof (numberField) or atoi
// (integerField); nothing when it is no number.
std::optional<double> numberField(const DialogHost& host, int id, int maxCharacters);
std::optional<int> integerField(const DialogHost& host, int id, int maxCharacters);

// Reports an input error in field `id` (title "Eingabefehler" unless the dialog has its own) and puts
// the cursor into that field, so the user can mend it at once: a field a damaged file filled while the
// dialog kept it disabled is enabled for that, or the value could never be corrected.
void rejectField(DialogHost& host, int id, const std::string& message, Icon icon = Icon::Exclamation,
                 const std::string& title = "Eingabefehler");

}  // namespace sb::platform
