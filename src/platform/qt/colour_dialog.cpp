// The colour chooser: Qt's colour dialog opened in full, with the caller's sixteen custom colours.
#include <QColorDialog>

#include "platform/qt/common_dialogs.h"
#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

ColourChoice runColourDialog(QWidget* owner, Colour initial, CustomColours& customColours) {
    for (int i = 0; i < int(customColours.size()); ++i) {
        QColorDialog::setCustomColor(i, toQColor(customColours[size_t(i)]));
    }
    QColorDialog dialog(toQColor(initial), owner);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    bool chosen = dialog.exec() == QDialog::Accepted;
    // The custom colours keep what the user changed in them, whether the choice was taken or not.
    for (int i = 0; i < int(customColours.size()); ++i) {
        customColours[size_t(i)] = fromQColor(QColorDialog::customColor(i));
    }
    if (!chosen) return {ColourOutcome::Cancelled, initial};
    return {ColourOutcome::Chosen, fromQColor(dialog.selectedColor())};
}

}  // namespace sb::platform::qt
