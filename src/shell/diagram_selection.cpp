// Diagram quantity choice and presets. The menu id ↔ code table is the single place both the axis
// commands and the check marks read, so a menu item can never check one code and choose another.
#include "shell/diagram_selection.h"

#include <array>

#include "charts/diagram_quantity.h"

namespace sb::shell {
namespace {

using namespace sb::charts;

// The week diagram's per-sport load items; their codes only toggle bits and are never a quantity.
constexpr int kLoadBike = 121;
constexpr int kLoadRun = 122;
constexpr int kLoadSwim = 123;
constexpr int kLoadOther = 124;

struct AxisItem {
    int menuId;
    int code;
};

constexpr std::array<AxisItem, 44> kAxisItems{{
    {209, kKmBike},         {210, kKmRun},
    {211, kKmSwim},         {212, kKmOther},
    {213, kCountBike},      {214, kCountRun},
    {215, kCountSwim},      {216, kCountOther},
    {217, kCountTotal},     {218, kTime},
    {219, kTimeBike},       {220, kTimeRun},
    {221, kTimeSwim},       {222, kTimeOther},
    {223, kTimeTotal},      {224, kTimeBySport},
    {225, kWeight},         {226, kRestingPulse},
    {227, kClimbing},       {228, kLoad},
    {229, kLoadBike},       {230, kLoadRun},
    {231, kLoadSwim},       {232, kLoadOther},
    {233, kAverageWeight},  {234, kAverageRestingPulse},
    {235, kActualKmBike},   {236, kActualKmRun},
    {237, kActualKmSwim},   {238, kActualKmOther},
    {239, kActualTimeBike}, {240, kActualTimeRun},
    {241, kActualTimeSwim}, {242, kActualTimeOther},
    {90, kXyTime},          {91, kXyDistance},
    {92, kXyPulse},         {93, kXyBikeDistance},
    {94, kXySpeed},         {95, kXyCadence},
    {96, kXyAltitude},      {97, kXyPower},
    {98, kXyBalance},       {99, kXyTemperature},
}};

// The sport bit of a per-sport time code (112…115) or load code (121…124): Rad 1, Laufen 2,
// Schwimmen 8, Alternativ 4, in the order of the codes.
constexpr std::array<int, 4> kSportBits{1, 2, 8, 4};

int sportBitOf(int code, int firstCode) {
    const int index = code - firstCode;
    return index >= 0 && index < 4 ? kSportBits[index] : 0;
}

int timeBitOf(int code) {
    return sportBitOf(code, kTimeBike);
}

int loadBitOf(int code) {
    return sportBitOf(code, kLoadBike);
}

bool isWeekDiagramSportItem(int code) {
    return timeBitOf(code) != 0 || loadBitOf(code) != 0;
}

int quantityOfKind(const config::DiagramChoice& diagram, int kind) {
    switch (kind) {
        case kWeekOfYearDiagram:
            return diagram.weekOfYearQuantity;
        case kMonthOfYearDiagram:
            return diagram.monthOfYearQuantity;
        case kWeekDiagram:
            return diagram.weekQuantity;
        case kMonthDiagram:
            return diagram.monthQuantity;
        default:
            return 0;
    }
}

int* quantitySlotOfKind(config::DiagramChoice& diagram, int kind) {
    switch (kind) {
        case kWeekOfYearDiagram:
            return &diagram.weekOfYearQuantity;
        case kMonthOfYearDiagram:
            return &diagram.monthOfYearQuantity;
        case kWeekDiagram:
            return &diagram.weekQuantity;
        case kMonthDiagram:
            return &diagram.monthQuantity;
        default:
            return nullptr;
    }
}

void setCheck(std::vector<platform::MenuItem>& items, int menuId, bool checked) {
    if (platform::MenuItem* item = platform::findMenuItem(items, menuId)) item->checked = checked;
}

// Visits every command item of the tree.
template <typename Visit>
void forEachCommand(std::vector<platform::MenuItem>& items, Visit visit) {
    for (platform::MenuItem& item : items) {
        if (!item.children.empty()) {
            forEachCommand(item.children, visit);
        } else if (!item.separator) {
            visit(item);
        }
    }
}

void storeIntoPreset(const config::DiagramChoice& diagram, config::UserDiagramPreset& preset) {
    preset.kind = diagram.diagramKind;
    if (const int quantity = quantityOfKind(diagram, diagram.diagramKind)) preset.quantity = quantity;
    if (diagram.diagramKind == kWeekDiagram) {
        preset.timeSportFlags = diagram.timeSportFlags;
        preset.loadSportFlags = diagram.loadSportFlags;
    }
}

void loadFromPreset(const config::UserDiagramPreset& preset, config::DiagramChoice& diagram) {
    diagram.diagramKind = preset.kind;
    // A preset file edited by hand may pair a kind with a code it cannot draw; the kind's own
    // quantity then stays.
    int* quantity = quantitySlotOfKind(diagram, preset.kind);
    if (quantity && kindHandlesQuantity(preset.kind, preset.quantity)) *quantity = preset.quantity;
    if (preset.kind == kWeekDiagram) {
        diagram.timeSportFlags = preset.timeSportFlags;
        diagram.loadSportFlags = preset.loadSportFlags;
    }
}

}  // namespace

int quantityCodeOfMenuItem(int menuId) {
    for (const AxisItem& item : kAxisItems)
        if (item.menuId == menuId) return item.code;
    return 0;
}

bool quantityItemChecked(const config::DiagramChoice& diagram, int menuId) {
    const int code = quantityCodeOfMenuItem(menuId);
    if (code == 0) return false;
    const int kind = diagram.diagramKind;
    if (kind == kXyDiagram) return code == diagram.xQuantity || code == diagram.yQuantity;
    if (kind == kWeekDiagram) {
        if (const int bit = timeBitOf(code)) return (diagram.timeSportFlags & bit) != 0;
        if (const int bit = loadBitOf(code)) return (diagram.loadSportFlags & bit) != 0;
    }
    return code == quantityOfKind(diagram, kind);
}

void setDiagramQuantity(config::DiagramChoice& diagram, int code) {
    const int kind = diagram.diagramKind;
    if (kind == kXyDiagram) {
        if (isXQuantity(code)) diagram.xQuantity = code;
        if (isYQuantity(code)) diagram.yQuantity = code;
    } else if (int* quantity = quantitySlotOfKind(diagram, kind)) {
        if (kindHandlesQuantity(kind, code)) *quantity = code;
    }
    diagram.timeSportFlags ^= timeBitOf(code);
    diagram.loadSportFlags ^= loadBitOf(code);
}

void markQuantityItem(Application& app, MainWindowView& view, int menuId) {
    const bool weekDiagram = app.diagram.diagramKind == kWeekDiagram;
    const int chosenCode = quantityCodeOfMenuItem(menuId);
    // The X axis has its own marks; a Y choice of the X-Y diagram leaves them alone.
    const bool yChoice = isYQuantity(chosenCode);
    forEachCommand(app.menuBar, [&](platform::MenuItem& item) {
        const int code = quantityCodeOfMenuItem(item.id);
        if (code == 0 || (yChoice && isXQuantity(code))) return;
        if (weekDiagram && (isWeekDiagramSportItem(code) || code == kTime || code == kLoad)) {
            item.checked = quantityItemChecked(app.diagram, item.id);
        } else {
            item.checked = item.id == menuId;
        }
    });
    view.setMenuBar(app.menuBar);
}

void markXAxisItem(Application& app, MainWindowView& view, int menuId) {
    if (app.diagram.diagramKind != kXyDiagram) return;
    if (!isXQuantity(quantityCodeOfMenuItem(menuId))) return;
    setCheck(app.menuBar, 90, menuId == 90);
    setCheck(app.menuBar, 91, menuId == 91);
    view.setMenuBar(app.menuBar);
}

void markDiagramKindItems(Application& app, MainWindowView& view) {
    for (int kind = kWeekOfYearDiagram; kind <= kMonthDiagram; ++kind)
        setCheck(app.menuBar, 52 + kind, app.diagram.diagramKind == kind);
    view.setMenuBar(app.menuBar);
}

void selectUserDiagram(config::DiagramChoice& diagram, int slot) {
    if (slot < -1 || slot >= config::kUserDiagramCount || slot == diagram.userDiagramSlot) return;
    if (diagram.userDiagramSlot >= 0 && diagram.userDiagramSlot < config::kUserDiagramCount)
        storeIntoPreset(diagram, diagram.userDiagrams[diagram.userDiagramSlot]);
    diagram.userDiagramSlot = slot;
    if (slot != -1) loadFromPreset(diagram.userDiagrams[slot], diagram);
}

}  // namespace sb::shell
