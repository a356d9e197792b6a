// A dialog template turned into Qt widgets on a surface (a dialog window or a property-sheet page),
// with the control states read and written through the widgets and the widgets' signals delivered
// to the dialog procedure as its events. Notifications follow the DialogHost contract: typing, clicks
// and choices notify; of the program's own changes only setText on an edit field does.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>

#include "platform/dialog.h"
#include "platform/qt/dialog_controls.h"
#include "platform/qt/qt_services.h"

class QLabel;
class QWidget;

namespace sb::platform::qt {

class QtDialogHost : public QObject, public DialogHost {
  public:
    // Builds the controls on `surface`, which must outlive the host.
    QtDialogHost(const DialogTemplate& dialog, DialogProcedure& procedure, QWidget& surface,
                 std::unique_ptr<QtServices> services);
    ~QtDialogHost() override;

    const DialogTemplate& dialogTemplate() const override { return template_; }
    std::string text(int id) const override;
    void setText(int id, const std::string& text) override;
    void setCaption(const std::string& caption) override;
    void enable(int id, bool enabled) override;
    bool isEnabled(int id) const override;
    void show(int id, bool visible) override;
    bool isVisible(int id) const override;
    void setFocus(int id) override;
    void setChecked(int id, bool checked) override;
    bool isChecked(int id) const override;
    void clearItems(int id) override;
    int addItem(int id, const std::string& text) override;
    void removeItem(int id, int index) override;
    void setItemText(int id, int index, const std::string& text) override;
    std::vector<std::string> items(int id) const override;
    int selection(int id) const override;
    void setSelection(int id, int index) override;
    void insertColumn(int id, int position, const std::string& header) override;
    void deleteColumn(int id, int position) override;
    std::vector<ListColumn> columns(int id) const override;
    std::vector<int> columnOrder(int id) const override;
    void setColumnOrder(int id, const std::vector<int>& order) override;
    void fitColumnsToHeaders(int id) override;
    void insertRow(int id, int position, const std::vector<std::string>& cells) override;
    void clearRows(int id) override;
    std::vector<std::vector<std::string>> rows(int id) const override;
    void setSwatchColour(int id, Colour colour) override;
    Colour swatchColour(int id) const override;
    Size clientSize(int id) const override;
    void repaint(int id) override;
    void post(int id, Notification notification) override;
    void end(int result) override;
    Services& services() override { return *services_; }

    // --- For the windows that show the surface
    void open();  // runs init
    void deliver(const std::function<void(DialogProcedure&)>& event);
    // Enter: the focused push button, else the default button, else the OK command.
    void pressDefault();
    void pressClose();
    void pressHelp();
    bool ended() const { return ended_; }
    int result() const { return result_; }
    // Runs when the procedure ends the dialog.
    void setOnEnd(std::function<void(int)> onEnd) { onEnd_ = std::move(onEnd); }
    // Property-sheet pages may not end the sheet; their end() is ignored.
    void forbidEnd() { endForbidden_ = true; }
    // No event reaches the procedure any more.
    void detach() { procedure_ = nullptr; }
    QWidget* widget(int id) const;
    // The surface grew by this many pixels beyond the template's size: the controls follow as the
    // template's `resizable` says.
    void stretch(int extraWidth, int extraHeight);

  private:
    struct Control {
        const ControlTemplate* control = nullptr;
        QPointer<QWidget> widget;
        std::string text;  // what labels, buttons and group boxes were given, mnemonics included
    };

    void build();

    void giveLabelItsField(const platform::ControlTemplate& control, QWidget* widget, QLabel*& waiting);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void listenForKeys(const ControlTemplate& control, QWidget* widget);
    void moveInRadioGroup(int id, Key key);
    void connectControl(Control& control);
    void notify(int id, Notification notification);
    const Control* find(int id) const;
    Control* find(int id);
    ControlKind kindOf(int id) const;
    void uncheckRadioGroup(int id);
    void buttonClicked(int id, bool checkedNow);

    DialogTemplate template_;
    DialogProcedure* procedure_;
    QWidget& surface_;
    std::unique_ptr<QtServices> services_;
    DialogUnits units_;
    std::map<int, Control> controls_;
    // A group box with a mnemonic leads Alt+letter to the first field after it, as a label does.
    QWidget* groupAwaitingField_ = nullptr;
    std::map<QObject*, QPointer<QWidget>> groupFields_;
    // The widgets whose keys the procedure may hear, by control id.
    std::map<QObject*, int> keyListeners_;
    // Every widget with its place at the template's size, for stretch().
    std::vector<std::pair<QPointer<QWidget>, QRect>> placed_;
    std::function<void(int)> onEnd_;
    bool ended_ = false;
    bool endForbidden_ = false;
    int result_ = dialogCancel;
};

// Used by QtServices.
int runModalDialog(QWidget* owner, const QtServices& services, const DialogTemplate& dialog,
                   DialogProcedure& procedure);
std::unique_ptr<ModelessDialog> openModelessDialog(QWidget* owner, const QtServices& services,
                                                   const DialogTemplate& dialog, DialogProcedure& procedure);
int runPropertySheetDialog(QWidget* owner, const QtServices& services, const PropertySheet& sheet);

}  // namespace sb::platform::qt
