// A dialog without a screen: control states live in memory, and a test script acts on the controls
// the way a user would (typing notifies TextChanged, pressing notifies Clicked, choosing notifies
// SelectionChanged). Actions a user could not perform (on a missing, disabled or hidden control, or
// after the dialog ended) do nothing and are reported as unexpected steps.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/headless/recording_canvas.h"

namespace sb::platform::headless {

class HeadlessServices;

// Everything a host keeps about one control.
struct ControlState {
    std::string text;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    std::vector<std::string> items;
    int selection = -1;
    std::vector<ListColumn> columns;
    std::vector<int> columnOrder;
    std::vector<std::vector<std::string>> rows;
    Colour swatchColour = 0;
};

// Device pixels: two per dialog unit in both directions.
constexpr int headlessPixelsPerDialogUnit = 2;

class HeadlessDialogHost : public DialogHost {
  public:
    HeadlessDialogHost(const DialogTemplate& dialog, DialogProcedure& procedure, HeadlessServices& services);
    HeadlessDialogHost(const HeadlessDialogHost&) = delete;
    HeadlessDialogHost& operator=(const HeadlessDialogHost&) = delete;

    // --- DialogHost
    const DialogTemplate& dialogTemplate() const override { return template_; }
    std::string text(int id) const override;
    void setText(int id, const std::string& text) override;
    void setCaption(const std::string& caption) override { caption_ = caption; }
    void enable(int id, bool enabled) override;
    bool isEnabled(int id) const override;
    void show(int id, bool visible) override;
    bool isVisible(int id) const override;
    void setFocus(int id) override { focus_ = id; }
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
    void repaint(int id) override { ++repaintRequests_; }
    void post(int id, Notification notification) override { posted_.emplace_back(id, notification); }
    void end(int result) override;
    Services& services() override;

    // --- What the user does (for test scripts)
    // Edit or combo edit: replaces its text (cut to the template's maxLength; a PlanText field keeps
    // what model::storableText keeps and records the hint for a refused character) and notifies
    // TextChanged.
    void type(int id, const std::string& text);
    // Button: Clicked. Check box: toggles, then Clicked. Radio button: checks it and unchecks the
    // others of its group, then Clicked. (ManualCheck boxes are left to the procedure.)
    void press(int id);
    // List box, combo or list view row: selects the item and notifies SelectionChanged.
    void choose(int id, int index);
    void choose(int id, const std::string& itemText);
    void doubleClick(int id, int index);
    void rightClick(int id);
    void rightClickHeader(int id);
    // Left button on a Canvas control, in device pixels of its client area.
    void click(int id, Point at);
    // A key on a Canvas control, or Enter, PageUp or PageDown in an edit; one the procedure does not
    // use is Enter pressing the default button or nothing. An arrow on a radio button checks the next
    // (or previous) enabled one of its group, round the end.
    void pressKey(int id, Key key);
    // Drags the column header shown at display position `from` to display position `to`.
    void dragColumn(int id, int from, int to);
    void pressClose();
    void pressHelp();
    // Paints a Canvas control into a fresh recording of its client size.
    RecordingCanvas paint(int id);

    // --- Reading back
    const std::string& caption() const { return caption_; }
    bool ended() const { return ended_; }
    int result() const { return result_; }
    int focus() const { return focus_; }
    int repaintRequests() const { return repaintRequests_; }
    // The hints shown at PlanText fields for refused characters, in order.
    const std::vector<std::string>& hints() const { return hints_; }
    const ControlState* state(int id) const;

    // --- Used by HeadlessServices
    // Runs init and what it posted.
    void open();
    // After the run: the procedure may be gone, so no further events are delivered.
    void detach() { procedure_ = nullptr; }
    // Property-sheet pages may not end themselves.
    void forbidEnd() { endForbidden_ = true; }
    void deliver(const std::function<void(DialogProcedure&)>& event);

  private:
    ControlState* find(int id);
    const ControlState* find(int id) const;
    ControlState* usable(int id, const char* action);
    ControlKind kindOf(int id) const;
    void uncheckRadioGroup(int id);
    void pressArrowInRadioGroup(int id, Key key);
    void unexpected(const std::string& what);

    DialogTemplate template_;
    DialogProcedure* procedure_;
    HeadlessServices& services_;
    std::string caption_;
    std::map<int, ControlState> controls_;
    std::deque<std::pair<int, Notification>> posted_;
    bool dialogEnabled_ = true;
    bool ended_ = false;
    bool endForbidden_ = false;
    int result_ = 0;
    int focus_ = 0;
    int repaintRequests_ = 0;
    std::vector<std::string> hints_;
};

}  // namespace sb::platform::headless
