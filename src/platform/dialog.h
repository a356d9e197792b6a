// Dialogs as data plus one procedure each: a DialogTemplate lists numbered controls, a DialogProcedure
// reacts to their events, and a DialogHost (Qt widgets, or the headless host of the tests) holds the
// controls' state. Property sheets are a list of pages, each a template with its procedure.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/canvas.h"

namespace sb::platform {

class Services;

// Results of Services::runModal and DialogHost::end. Procedures may end with other numbers too.
constexpr int dialogOk = 1;
constexpr int dialogCancel = 2;

// Controls that are never addressed (labels, frames, group boxes) may all share this id.
constexpr int staticControlId = -1;
// Addresses the dialog window itself in enable() and repaint().
constexpr int dialogItself = 0;

enum class ControlKind {
    Edit,
    Static,  // a text label
    Frame,   // an empty etched rectangle
    Button,
    DefaultButton,  // pressed by Enter
    CheckBox,
    RadioButton,
    GroupBox,
    ListBox,
    DropDownList,  // a combo box whose text is always one of its items
    ComboEdit,     // a combo box with an edit field: free text or one of its items
    ListView,      // report mode: columns, rows, full-row selection, headers draggable to reorder columns
    Canvas,        // painted by the procedure through a Canvas; receives clicks, and keys when TabStop
    ColourSwatch,  // a rectangle filled with the colour the procedure sets
};

// Bits of ControlTemplate::flags.
enum ControlFlag : unsigned {
    ReadOnly = 1u << 0,     // edit: shown, selectable, not editable
    MultiLine = 1u << 1,    // edit or static: several lines
    Sorted = 1u << 2,       // list box, combo: items kept sorted (compareItemTexts)
    Disabled = 1u << 3,     // starts disabled
    Hidden = 1u << 4,       // starts hidden
    GroupStart = 1u << 5,   // starts a group: radio buttons up to the next GroupStart form one group
    TabStop = 1u << 6,      // reachable with the Tab key
    ManualCheck = 1u << 7,  // check box or radio button that the procedure checks itself on Clicked
    // Single-line edit or combo edit whose text goes into the plan, the routes or the settings: what
    // the user types or pastes is filtered by model::storableText as it arrives, and a refused
    // character is named in a hint at the field. Texts the procedure sets come from those files, which
    // hold nothing to refuse.
    PlanText = 1u << 8,
    CommaAsDot = 1u << 9,  // with PlanText: a typed ',' shows as the '.' it is stored as
    Digits = 1u << 10,     // edit: typing anything but digits leaves the text as it was
};

// Position and size in dialog units: a quarter of the average character width of the dialog font
// horizontally, an eighth of its height vertically.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const DialogRect&) const = default;
};

struct ControlTemplate {
    ControlTemplate(int id, ControlKind kind, std::string text, DialogRect rect, unsigned flags = 0,
                    int maxLength = 0, std::string image = {}, std::string toolTip = {})
        : id(id),
          kind(kind),
          text(std::move(text)),
          rect(rect),
          flags(flags),
          maxLength(maxLength),
          image(std::move(image)),
          toolTip(std::move(toolTip)) {}

    int id = staticControlId;
    ControlKind kind = ControlKind::Static;
    std::string text;  // UTF-8; '&' marks the mnemonic, "\n" breaks the line
    DialogRect rect;
    unsigned flags = 0;
    int maxLength = 0;  // edit and combo edit: most characters the user can type; 0 = no limit
    std::string image;  // button: name of a picture shown on it; empty = none
    std::string toolTip;  // UTF-8, shown while the mouse rests on the control; empty = none
};

// Controls are created in template order; a later control lies above an earlier one where they
// overlap, so a Canvas control that covers the whole dialog must come first.
struct DialogTemplate {
    std::string name;     // "IDD_DATENAENDERN_RAD"
    std::string caption;  // UTF-8
    int width = 0;        // dialog units
    int height = 0;
    std::vector<ControlTemplate> controls;
    // The user may enlarge the dialog: its first list view takes the extra room; controls below it
    // move down, and controls in the right half move right.
    bool resizable = false;

    const ControlTemplate* control(int id) const;
};

enum class Notification {
    Clicked,             // button pressed, check box or radio button clicked
    DoubleClicked,       // list box item or list view row
    SelectionChanged,    // list box, combo box or list view: the user chose another item
    TextChanged,         // edit: text changed (by the user or by setText); combo edit: the user typed
    RightClicked,        // list view: right button on the rows area
    HeaderRightClicked,  // list view: right button on the column headers
};

// One list-view column as it was inserted.
struct ListColumn {
    std::string header;
    int width = 0;  // pixels
    bool operator==(const ListColumn&) const = default;
};

// What a host does with the controls. Ids not in the template (or of the wrong kind) are ignored
// by setters and read as empty, 0 or -1. All texts are UTF-8.
//
// Notifications caused by the program: setText on an Edit sends TextChanged (when the text really
// changes), just as typing does, so live computations follow; nothing else a procedure does to a
// control notifies it (setChecked, setSelection, setText on a combo, list changes).
class DialogHost {
  public:
    virtual ~DialogHost() = default;

    virtual const DialogTemplate& dialogTemplate() const = 0;

    // Edit, static, button, group box: the text. DropDownList: the selected item's text (empty
    // without selection). ComboEdit: the text in its edit field.
    virtual std::string text(int id) const = 0;
    virtual void setText(int id, const std::string& text) = 0;
    virtual void setCaption(const std::string& caption) = 0;

    virtual void enable(int id, bool enabled) = 0;
    virtual bool isEnabled(int id) const = 0;
    virtual void show(int id, bool visible) = 0;
    virtual bool isVisible(int id) const = 0;
    virtual void setFocus(int id) = 0;

    virtual void setChecked(int id, bool checked) = 0;
    virtual bool isChecked(int id) const = 0;

    // List box, drop-down list, combo edit; a list view's rows for selection() and removeItem().
    // addItem returns the index the item got (its sorted place when the control is Sorted).
    virtual void clearItems(int id) = 0;
    virtual int addItem(int id, const std::string& text) = 0;
    virtual void removeItem(int id, int index) = 0;
    virtual void setItemText(int id, int index, const std::string& text) = 0;
    virtual std::vector<std::string> items(int id) const = 0;
    // -1 = none. Selecting in a combo edit also puts the item's text into its edit field.
    virtual int selection(int id) const = 0;
    virtual void setSelection(int id, int index) = 0;

    // List view. Columns keep the index they were inserted at ("column index"); the user may drag
    // them into another display order. Row cells are given by column index.
    virtual void insertColumn(int id, int position, const std::string& header) = 0;
    virtual void deleteColumn(int id, int position) = 0;
    virtual std::vector<ListColumn> columns(int id) const = 0;
    // Column indices from left to right as shown.
    virtual std::vector<int> columnOrder(int id) const = 0;
    virtual void setColumnOrder(int id, const std::vector<int>& order) = 0;
    // Every column wide enough for its header and for the cells it holds.
    virtual void fitColumnsToHeaders(int id) = 0;
    virtual void insertRow(int id, int position, const std::vector<std::string>& cells) = 0;
    virtual void clearRows(int id) = 0;
    virtual std::vector<std::vector<std::string>> rows(int id) const = 0;

    // ColourSwatch.
    virtual void setSwatchColour(int id, Colour colour) = 0;
    virtual Colour swatchColour(int id) const = 0;

    // Canvas control, or the dialog itself: client size in device pixels.
    virtual Size clientSize(int id) const = 0;
    // Asks for a paint event of the control (dialogItself: of every Canvas control), soon.
    virtual void repaint(int id) = 0;

    // Delivers command(id, notification) after the current event has been handled.
    virtual void post(int id, Notification notification) = 0;
    // Closes the dialog after the current event; Services::runModal returns `result`.
    virtual void end(int result) = 0;

    // Message boxes, file, colour and print dialogs, help and nested dialogs, owned by this dialog.
    virtual Services& services() = 0;
};

// Keys a Canvas control hears while it has the keyboard focus.
enum class Key {
    Left, Right, Up, Down, PageUp, PageDown, Enter, Space,
    Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
};

// Events of one dialog. Every handler has a do-nothing default except close, which ends the
// dialog with dialogCancel.
class DialogProcedure {
  public:
    virtual ~DialogProcedure() = default;

    // The controls exist and show their template state; nothing is painted yet.
    virtual void init(DialogHost& host) {}
    virtual void command(DialogHost& host, int id, Notification notification) {}
    // Draw a Canvas control. The canvas starts in the default state, its mapping one logical unit
    // per device pixel of the control's client area.
    virtual void paint(DialogHost& host, int id, Canvas& canvas) {}
    // Left button pressed on a Canvas control, in device pixels of its client area.
    virtual void mouseDown(DialogHost& host, int id, Point at) {}
    // A key on a Canvas control that has the keyboard focus, or Enter, PageUp or PageDown in a one-line
    // edit or combo edit. false: not used here, and the dialog treats it as usual (Enter presses the
    // default button). The arrow keys in a group of radio buttons check the next one without asking.
    virtual bool keyDown(DialogHost& host, int id, Key key) { return false; }
    // The help key F1.
    virtual void help(DialogHost& host) {}
    // The close box or Escape.
    virtual void close(DialogHost& host) { host.end(dialogCancel); }

    // Property-sheet pages only: init runs when the page is shown the first time; pageLeave when
    // another page is chosen and when OK is pressed while this page is shown; pageCancel on Cancel
    // (or the close box) for every page that was initialised. pageMayLeave comes first: false keeps
    // the page shown and the sheet open, so the user can mend what it reported.
    virtual bool pageMayLeave(DialogHost& host) { return true; }
    virtual void pageLeave(DialogHost& host) {}
    virtual void pageCancel(DialogHost& host) {}
};

// A dialog shown without blocking (the print progress dialog): its events arrive only while the
// caller runs processEvents(). Destroying it closes the dialog.
class ModelessDialog {
  public:
    virtual ~ModelessDialog() = default;
    virtual DialogHost& host() = 0;
    // false once the procedure ended the dialog.
    virtual bool isOpen() const = 0;
    // Hands the user's waiting input to the dialog; returns when there is none left.
    virtual void processEvents() = 0;
};

struct PropertyPage {
    std::string title;  // the tab text
    const DialogTemplate* dialogTemplate = nullptr;
    DialogProcedure* procedure = nullptr;
};

// OK and Cancel buttons only; the sheet ends with dialogOk or dialogCancel. Pages may not call
// DialogHost::end.
struct PropertySheet {
    std::string caption;
    std::vector<PropertyPage> pages;
    int startPage = 0;
};

// Order of the items of a Sorted list: byte-wise with ASCII letters compared case-insensitively,
// then by the plain bytes.
int compareItemTexts(const std::string& a, const std::string& b);
// Where a Sorted list inserts `text`: after every item that does not sort after it.
int sortedInsertPosition(const std::vector<std::string>& items, const std::string& text);
// The radio buttons of the group that holds `id`: from the GroupStart at or before it up to the next
// GroupStart, in template order.
std::vector<int> radioGroupOf(const DialogTemplate& dialog, int id);
// The radio button an arrow key moves to from `id`: the next one in the key's direction, round the
// group, that `usable` accepts; 0 when there is none.
int radioButtonAfterArrow(const DialogTemplate& dialog, int id, Key key, const std::function<bool(int)>& usable);

}  // namespace sb::platform
