// The frame around every modal dialog of the main window: no preset stays active, no diagram is drawn
// behind the dialog, and the diagram comes back when the dialog has closed.
#pragma once

#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

class ModalView {
  public:
    ModalView(Application& app, MainWindowView& view);
    ~ModalView();
    ModalView(const ModalView&) = delete;
    ModalView& operator=(const ModalView&) = delete;

  private:
    Application& app_;
    MainWindowView& view_;
    int rememberedKind_ = 0;
};

}  // namespace sb::shell
