// The list print dialog (LISTE_DRUCKEN) with the printer's name, the printer set-up and the two
// switches of section "Liste", and the printing of a list or the search list with the progress dialog
// while the list dialog that started it is disabled.
#pragma once

#include "lists/column_order.h"
#include "lists/list_context.h"
#include "lists/list_rows.h"
#include "platform/dialog.h"

namespace sb::lists {

namespace list_print_dialog {
constexpr int noPrintButton = 207;
constexpr int printButton = 206;
constexpr int summary = 208;
constexpr int printerName = 209;
constexpr int setupButton = 212;
constexpr int trainingFreeDays = 216;
constexpr int helpTopic = 15;
}  // namespace list_print_dialog

const platform::DialogTemplate& listPrintTemplate();

struct ListPrintRequest {
    ListKind kind = ListKind::Week;
    int number = 1;
    ColumnOrder order;
};

// Opened from a list dialog, which is the printout's owner.
void runListPrintDialog(platform::DialogHost& owner, const ListContext& context,
                        const ListPrintRequest& request);
// The search list straight to the print dialog.
void printSearchList(platform::DialogHost& owner, const ListContext& context, int type,
                     const ColumnOrder& order);

}  // namespace sb::lists
