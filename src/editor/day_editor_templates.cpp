// Builds the day-editor templates: sport blocks and the day block as group boxes in a two-column grid,
// labels left of their fields in fixed columns, then the date row and the buttons. Positions are in
// dialog units. Controls are added in tab order.
#include "editor/day_editor_templates.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "editor/day_editor_controls.h"

namespace sb::editor {

namespace {

using platform::ControlKind;
using platform::ControlTemplate;
using platform::DialogRect;
using platform::DialogTemplate;
using platform::staticControlId;

constexpr int kMargin = 7;
constexpr int kGap = 6;
constexpr int kCellWidth = 240;
constexpr int kDialogWidth = kMargin + kCellWidth + kGap + kCellWidth + kMargin;

// Inside a group box, relative to its left edge and to the top of a row.
constexpr int kFirstRow = 12;
constexpr int kRowPitch = 15;
constexpr int kBottomPadding = 3;
constexpr int kFieldHeight = 12;
constexpr int kButtonHeight = 14;
constexpr int kLabelHeight = 8;
constexpr int kLabelDrop = 2;  // labels sit lower than their fields, so the baselines meet
constexpr int kLabelX = 6;
constexpr int kLabelWidth = 70;
constexpr int kFieldX = 78;
constexpr int kRightLabelX = 130;
constexpr int kRightLabelWidth = 62;
constexpr int kRightFieldX = 194;
constexpr int kRightFieldWidth = 40;
constexpr int kInnerRightEdge = 6;  // space between the widest fields and the group box's right edge

// Flags of buttons too; only the typed fields use the input filter.
constexpr unsigned kField = platform::TabStop | platform::PlanText | platform::CommaAsDot;

// Lays out rows of label + field pairs inside one group box whose top-left corner is (x, y).
class BlockBuilder {
  public:
    BlockBuilder(std::vector<ControlTemplate>& controls, int x, int y, int width)
        : controls_(controls), x_(x), y_(y), width_(width) {}

    int height() const { return kFirstRow + rows_ * kRowPitch + kBottomPadding; }
    void nextRow() { ++rows_; }

    void label(int at, int width, std::string text) {
        controls_.emplace_back(staticControlId, ControlKind::Static, std::move(text),
                               DialogRect{x_ + at, rowTop() + kLabelDrop, width, kLabelHeight});
    }
    void field(int id, ControlKind kind, int at, int width, unsigned flags, int maxLength = 0) {
        controls_.emplace_back(id, kind, "", DialogRect{x_ + at, rowTop(), width, kFieldHeight}, flags,
                               maxLength);
    }
    // A label in the left column and its field from the field column on.
    void left(std::string text, int id, ControlKind kind, int width, unsigned flags, int maxLength = 0) {
        label(kLabelX, kLabelWidth, std::move(text));
        field(id, kind, kFieldX, width, flags, maxLength);
    }
    void right(std::string text, int id, unsigned flags, int maxLength = 0) {
        label(kRightLabelX, kRightLabelWidth, std::move(text));
        field(id, ControlKind::Edit, kRightFieldX, kRightFieldWidth, flags, maxLength);
    }
    // A field running from the field column to the right edge of the box.
    void wide(std::string text, int id, ControlKind kind, int maxLength) {
        left(std::move(text), id, kind, width_ - kFieldX - kInnerRightEdge, kField, maxLength);
    }

  private:
    int rowTop() const { return y_ + kFirstRow + rows_ * kRowPitch; }

    std::vector<ControlTemplate>& controls_;
    int x_;
    int y_;
    int width_;
    int rows_ = 0;
};

const char* groupTitle(model::Sport sport) {
    switch (sport) {
        case model::kBike:
            return "&Radsportdaten";
        case model::kRun:
            return "&Laufdaten";
        case model::kSwim:
            return "S&chwimmdaten";
        default:
            return "S&onstige Sportart";
    }
}

// One sport block; returns the height it needs.
int addSportBlock(std::vector<ControlTemplate>& controls, const DayEditorLayout& layout, model::Sport sport,
                  int x, int y, int width) {
    const SportControls& c = sportControls(sport);
    const bool bikeHeight = layout.extended && c.height != 0;
    BlockBuilder block(controls, x, y, width);

    // The block's title leads its mnemonic to the hours, so each sport's time has a key of its own.
    // Digits are always storable, so the time fields need no text filter beyond their own.
    constexpr unsigned kTime = kField | platform::Digits;
    block.left("Zeit (HH:MM):", c.hours, ControlKind::Edit, 14, kTime, field_length::time);
    block.label(kFieldX + 16, 4, ":");
    block.field(c.minutes, ControlKind::Edit, kFieldX + 22, 14, kTime, field_length::time);
    block.right("&Distanz (km):", c.distance, kField, field_length::number);
    block.nextRow();

    if (layout.pulse || bikeHeight) {
        if (layout.pulse)
            block.left("AVG-&Puls:", c.pulse, ControlKind::Edit, 24, kField, field_length::pulse);
        if (bikeHeight) block.right("&Höhe (m):", c.height, kField, field_length::number);
        block.nextRow();
    }

    block.wide("Trainings&strecke:", c.route, ControlKind::ComboEdit, field_length::text);
    block.nextRow();

    if (layout.extended) {
        block.wide("Trainings&inhalt:", c.content, ControlKind::Edit, field_length::text);
        block.nextRow();
    }

    if (layout.types) {
        // The actual type comes first, so the label's mnemonic leads to the list the user may change.
        constexpr int listWidth = 74;
        block.label(kLabelX, kLabelWidth, "&Training soll/ist:");
        block.field(c.actual, ControlKind::DropDownList, width - kInnerRightEdge - listWidth, listWidth,
                    kField);
        block.label(width - kInnerRightEdge - listWidth - 6, 4, "/");
        block.field(c.planned, ControlKind::DropDownList, kFieldX, listWidth, platform::Disabled);
        block.nextRow();
    }

    if (layout.extended) {
        block.left("&Belastung:", c.load, ControlKind::DropDownList, 28, kField);
        block.nextRow();
    }

    if (layout.averages && c.average != 0) {
        const char* averageLabel = sport == model::kRun ? "AVG-v (min/km):" : "AVG-v (km/h):";
        block.left(averageLabel, c.average, ControlKind::Edit, 36, platform::ReadOnly);
        block.right("Energie (kcal):", c.energy, platform::ReadOnly);
        block.nextRow();
    }
    return block.height();
}

int addDayBlock(std::vector<ControlTemplate>& controls, int x, int y, int width) {
    BlockBuilder block(controls, x, y, width);
    block.left("Körper&gewicht:", control::bodyWeight, ControlKind::Edit, 36, kField, field_length::number);
    block.right("R&uhepuls:", control::restingPulse, kField, field_length::pulse);
    block.nextRow();
    block.wide("&Wetter:", control::weather, ControlKind::Edit, field_length::text);
    block.nextRow();
    block.wide("&Kommentar:", control::comment, ControlKind::Edit, field_length::text);
    block.nextRow();
    return block.height();
}

// A cell of the grid: a group box holding a sport block or the day block.
struct Cell {
    std::string title;
    int sport = 0;  // 0 = the day block
};

void addDateRowAndButtons(std::vector<ControlTemplate>& controls, int y) {
    using platform::ReadOnly;
    auto add = [&](int id, ControlKind kind, std::string text, DialogRect rect, unsigned flags = 0,
                   int maxLength = 0) {
        controls.emplace_back(id, kind, std::move(text), rect, flags, maxLength);
    };
    const int label = y + kLabelDrop;
    add(staticControlId, ControlKind::Static, "Woche:", {kMargin, label, 26, kLabelHeight});
    add(control::week, ControlKind::Edit, "", {kMargin + 28, y, 16, kFieldHeight}, ReadOnly);
    add(control::weekday, ControlKind::Edit, "", {kMargin + 48, y, 52, kFieldHeight}, ReadOnly);
    add(control::day, ControlKind::Edit, "", {kMargin + 104, y, 14, kFieldHeight}, kField, 2);
    add(staticControlId, ControlKind::Static, ".", {kMargin + 119, label, 4, kLabelHeight});
    add(control::month, ControlKind::Edit, "", {kMargin + 124, y, 14, kFieldHeight}, kField, 2);
    add(staticControlId, ControlKind::Static, ".", {kMargin + 139, label, 4, kLabelHeight});
    add(control::year, ControlKind::Edit, "", {kMargin + 144, y, 22, kFieldHeight}, ReadOnly);
    add(control::goToDate, ControlKind::Button, "Gehe Zu D&atum", {kMargin + 172, y - 1, 64, kButtonHeight},
        kField);

    const int buttons = y + kButtonHeight + kGap;
    const int navigation[] = {control::tenBack, control::back, control::forward, control::tenForward};
    const char* arrows[] = {"<<", "<", ">", ">>"};
    for (int i = 0; i < 4; ++i) {
        add(navigation[i], ControlKind::Button, arrows[i], {kMargin + i * 26, buttons, 24, kButtonHeight},
            kField);
    }
    constexpr int buttonWidth = 50;
    const int first = kDialogWidth - kMargin - 4 * buttonWidth - 3 * 4;
    add(control::ok, ControlKind::DefaultButton, "OK", {first, buttons, buttonWidth, kButtonHeight}, kField);
    add(control::cancel, ControlKind::Button, "Abbruch", {first + 54, buttons, buttonWidth, kButtonHeight},
        kField);
    add(control::apply, ControlKind::Button, "&Übernehmen",
        {first + 108, buttons, buttonWidth, kButtonHeight}, kField);
    add(control::help, ControlKind::Button, "Hilfe", {first + 162, buttons, buttonWidth, kButtonHeight},
        kField);
}

DialogTemplate buildTemplate(const DayEditorLayout& layout) {
    DialogTemplate dialog{layout.templateName, layout.caption, kDialogWidth, 0, {}};
    std::vector<Cell> cells;
    for (model::Sport sport : layout.sports) cells.push_back({groupTitle(sport), sport});
    cells.push_back({"Tagesinformationen", 0});

    int y = kMargin;
    for (size_t first = 0; first < cells.size(); first += 2) {
        const bool pair = first + 1 < cells.size();
        const int width = pair ? kCellWidth : kDialogWidth - 2 * kMargin;
        // The group boxes go in first, so the controls inside them lie above them; their heights are
        // known once the row is laid out.
        std::vector<size_t> boxes;
        int rowHeight = 0;
        for (size_t i = first; i < std::min(first + 2, cells.size()); ++i) {
            const int x = kMargin + int(i - first) * (kCellWidth + kGap);
            boxes.push_back(dialog.controls.size());
            dialog.controls.emplace_back(staticControlId, ControlKind::GroupBox, cells[i].title,
                                         DialogRect{x, y, width, 0});
            const int height = cells[i].sport == 0 ? addDayBlock(dialog.controls, x, y, width)
                                                   : addSportBlock(dialog.controls, layout,
                                                                   model::Sport(cells[i].sport), x, y, width);
            rowHeight = std::max(rowHeight, height);
        }
        for (size_t box : boxes) dialog.controls[box].rect.height = rowHeight;
        y += rowHeight + kGap;
    }
    addDateRowAndButtons(dialog.controls, y);
    dialog.height = y + kButtonHeight + kGap + kButtonHeight + kMargin;
    return dialog;
}

}  // namespace

const DialogTemplate& dayEditorTemplate(const DayEditorLayout& layout) {
    static std::map<std::string, DialogTemplate> built;
    auto found = built.find(layout.templateName);
    if (found == built.end()) found = built.emplace(layout.templateName, buildTemplate(layout)).first;
    return found->second;
}

}  // namespace sb::editor
