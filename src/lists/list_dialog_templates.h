// The templates of the week, month and year lists and of the search list, and their control ids.
#pragma once

#include "lists/list_rows.h"
#include "platform/dialog.h"

namespace sb::lists {

namespace list_dialog {
constexpr int numberField = 201;
constexpr int showButton = 202;
constexpr int nextButton = 203;
constexpr int previousButton = 204;
constexpr int list = 205;
constexpr int weight = 206;
constexpr int helpButton = 207;
constexpr int closeButton = 208;
constexpr int printButton = 209;
constexpr int htmlButton = 210;
constexpr int swimKm = 211;
constexpr int swimHours = 212;
constexpr int swimCount = 213;
constexpr int bikeKm = 214;
constexpr int bikeHours = 215;
constexpr int bikeCount = 216;
constexpr int runKm = 217;
constexpr int runHours = 218;
constexpr int runCount = 219;
constexpr int otherHours = 220;
constexpr int otherCount = 221;
constexpr int allHours = 222;
constexpr int allCount = 223;
constexpr int helpTopic = 31;
}  // namespace list_dialog

namespace search_dialog {
constexpr int list = 201;
constexpr int helpButton = 202;
constexpr int printButton = 203;
constexpr int closeButton = 204;
constexpr int htmlButton = 205;
constexpr int typeList = 206;
constexpr int searchButton = 207;
constexpr int helpTopic = 31;
}  // namespace search_dialog

// LISTE_WOCHE, LISTE_MONAT or LISTE_JAHR.
const platform::DialogTemplate& listTemplate(ListKind kind);
const platform::DialogTemplate& searchTemplate();

}  // namespace sb::lists
