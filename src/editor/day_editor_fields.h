// Reading and writing the day editor's fields: document texts are Windows-1252 and the dialog speaks
// UTF-8; every comma typed becomes a dot (the plan file separates its fields with commas); numbers are
// read and written with the C conversions whatever the process locale is.
#pragma once

#include <string>

#include "platform/dialog.h"

namespace sb::editor {

// The field's text as the document stores it: Windows-1252, at most maxCharacters bytes, commas as dots.
std::string fieldText(const platform::DialogHost& host, int id, int maxCharacters);
// atoi and atof of fieldText.
int fieldInt(const platform::DialogHost& host, int id, int maxCharacters);
double fieldNumber(const platform::DialogHost& host, int id, int maxCharacters);
// Shows a Windows-1252 document text.
void showDocumentText(platform::DialogHost& host, int id, const std::string& text);

// "%02d" and the stored time "hh:mm"; the other number texts come from fileio/c_numbers.h.
std::string formatTwoDigits(int value);
std::string formatDuration(int hours, int minutes);

}  // namespace sb::editor
