// The week, month and year lists (LISTE_WOCHE, LISTE_MONAT, LISTE_JAHR): the rows of the period with
// their sums, stepping through weeks or months, the column menu, printing and the HTML document.
// "Beenden" keeps the column order as the user arranged it; the close box forgets it.
#pragma once

#include <optional>

#include "lists/list_context.h"
#include "lists/list_rows.h"
#include "lists/list_view_columns.h"
#include "platform/dialog.h"
#include "platform/services.h"

namespace sb::lists {

class ListProcedure : public platform::DialogProcedure {
  public:
    ListProcedure(ListKind kind, ListContext context);

    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    void help(platform::DialogHost& host) override;

  private:
    // The week or month in the field, or nothing after the range message; the year list has none.
    std::optional<int> checkedNumber(platform::DialogHost& host) const;
    void refresh(platform::DialogHost& host);
    void step(platform::DialogHost& host, int by);
    void showSums(platform::DialogHost& host, const PeriodSums& sums) const;
    void print(platform::DialogHost& host);
    void saveDocument(platform::DialogHost& host);

    ListKind kind_;
    ListContext context_;
    ListViewColumns columns_;
};

// The week list opens on today's training week and the month list on today's month when the plan is of
// this year, otherwise on 1.
int openingNumber(ListKind kind, int planYear);

void runListDialog(platform::Services& services, ListKind kind, const ListContext& context);

}  // namespace sb::lists
