// Diagram quantity choice and presets. The menu id ↔ code table is the single place both the axis
// commands and the check marks read, so a menu item can never check one code and choose another.
#include "shell/diagram_selection.h"

#include <array>

#include "model/diagram_quantity.h"
#include "shell/command_ids.h"

namespace sb::shell {
namespace {

using namespace sb::model;

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
    {cmd::kAxisKmBike, kKmBike},
    {cmd::kAxisKmRun, kKmRun},
    {cmd::kAxisKmSwim, kKmSwim},
    {cmd::kAxisKmOther, kKmOther},
    {cmd::kAxisCountBike, kCountBike},
    {cmd::kAxisCountRun, kCountRun},
    {cmd::kAxisCountSwim, kCountSwim},
    {cmd::kAxisCountOther, kCountOther},
    {cmd::kAxisCountTotal, kCountTotal},
    {cmd::kAxisTime, kTime},
    {cmd::kAxisTimeBike, kTimeBike},
    {cmd::kAxisTimeRun, kTimeRun},
    {cmd::kAxisTimeSwim, kTimeSwim},
    {cmd::kAxisTimeOther, kTimeOther},
    {cmd::kAxisTimeTotal, kTimeTotal},
    {cmd::kAxisTimeBySport, kTimeBySport},
    {cmd::kAxisWeight, kWeight},
    {cmd::kAxisRestingPulse, kRestingPulse},
    {cmd::kAxisClimbing, kClimbing},
    {cmd::kAxisLoad, kLoad},
    {cmd::kAxisLoadBike, kLoadBike},
    {cmd::kAxisLoadRun, kLoadRun},
    {cmd::kAxisLoadSwim, kLoadSwim},
    {cmd::kAxisLoadOther, kLoadOther},
    {cmd::kAxisAverageWeight, kAverageWeight},
    {cmd::kAxisAverageRestingPulse, kAverageRestingPulse},
    {cmd::kAxisActualKmBike, kActualKmBike},
    {cmd::kAxisActualKmRun, kActualKmRun},
    {cmd::kAxisActualKmSwim, kActualKmSwim},
    {cmd::kAxisActualKmOther, kActualKmOther},
    {cmd::kAxisActualTimeBike, kActualTimeBike},
    {cmd::kAxisActualTimeRun, kActualTimeRun},
    {cmd::kAxisActualTimeSwim, kActualTimeSwim},
    {cmd::kAxisActualTimeOther, kActualTimeOther},
    {cmd::kXyAxisTime, kXyTime},
    {cmd::kXyAxisDistance, kXyDistance},
    {cmd::kXyAxisPulse, kXyPulse},
    {cmd::kXyAxisBikeDistance, kXyBikeDistance},
    {cmd::kXyAxisSpeed, kXySpeed},
    {cmd::kXyAxisCadence, kXyCadence},
    {cmd::kXyAxisAltitude, kXyAltitude},
    {cmd::kXyAxisPower, kXyPower},
    {cmd::kXyAxisBalance, kXyBalance},
    {cmd::kXyAxisTemperature, kXyTemperature},
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
    if (quantity && kindOffersQuantity(preset.kind, preset.quantity)) *quantity = preset.quantity;
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
        if (kindOffersQuantity(kind, code)) *quantity = code;
    }
    diagram.timeSportFlags ^= timeBitOf(code);
    diagram.loadSportFlags ^= loadBitOf(code);
}

void selectUserDiagram(config::DiagramChoice& diagram, int slot) {
    if (slot < -1 || slot >= config::kUserDiagramCount || slot == diagram.userDiagramSlot) return;
    if (diagram.userDiagramSlot >= 0 && diagram.userDiagramSlot < config::kUserDiagramCount)
        storeIntoPreset(diagram, diagram.userDiagrams[diagram.userDiagramSlot]);
    diagram.userDiagramSlot = slot;
    if (slot != -1) loadFromPreset(diagram.userDiagrams[slot], diagram);
}

}  // namespace sb::shell
