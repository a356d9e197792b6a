// The modal-view frame as a scope, so every way out of a command restores the diagram.
#include "shell/modal_view.h"

#include "model/diagram_quantity.h"
#include "shell/diagram_selection.h"

namespace sb::shell {

ModalView::ModalView(Application& app, MainWindowView& view) : app_(app), view_(view) {
    selectUserDiagram(app_.diagram, -1);
    rememberedKind_ = app_.diagram.diagramKind;
    app_.diagram.diagramKind = model::kNoDiagram;
    view_.repaint();
}

ModalView::~ModalView() {
    app_.diagram.diagramKind = rememberedKind_;
    view_.repaint();
}

}  // namespace sb::shell
