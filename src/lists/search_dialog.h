// The search list (LISTE_SUCH): every entry of the plan year whose actual training type is the chosen
// one, with the column menu, printing and the HTML document. "Beenden" keeps the searched type and the
// column order under SUCHEN.
#pragma once

#include "lists/list_context.h"
#include "lists/list_view_columns.h"
#include "platform/dialog.h"
#include "platform/services.h"

namespace sb::lists {

class SearchProcedure : public platform::DialogProcedure {
  public:
    explicit SearchProcedure(ListContext context);

    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    void help(platform::DialogHost& host) override;

  private:
    void search(platform::DialogHost& host);
    void print(platform::DialogHost& host);
    void saveDocument(platform::DialogHost& host);

    ListContext context_;
    ListViewColumns columns_;
    int type_ = 0;
};

void runSearchDialog(platform::Services& services, const ListContext& context);

}  // namespace sb::lists
