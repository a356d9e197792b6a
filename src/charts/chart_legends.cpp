// Legends: a white box right-aligned under the plot's top edge, one colour square and text per entry,
// every entry one and a half lines below the previous one.
#include "charts/chart_legends.h"

#include <algorithm>
#include <vector>

#include "charts/chart_frame.h"

namespace sb::charts {

using namespace statistics;

using platform::Brush;
using platform::Canvas;
using platform::Colour;

namespace {

int utf8Length(const std::string& text) {
    return int(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// left: x of the box's left edge; the right edge is fixed half a line inside the plot's right end.
void drawLegendBox(Canvas& canvas, int left, const std::vector<LegendEntry>& entries) {
    int lineHeight = canvas.textMetrics().lineHeight();
    int top = frame::plotTop + lineHeight / 2;
    int count = int(entries.size());
    SavedDrawingObjects saved(canvas);
    canvas.setBrush(Brush::solid(colour::white));
    canvas.drawRectangle({left, top, frame::plotRight - lineHeight / 2,
                          top + lineHeight / 2 + truncated(1.5 * lineHeight * count)});
    for (int i = 0; i < count; ++i) {
        int y = top + lineHeight / 2 + truncated(1.5 * lineHeight * i);
        int x = left + lineHeight / 2;
        canvas.setBrush(Brush::solid(entries[i].colour));
        canvas.drawRectangle({x, y, x + lineHeight, y + lineHeight});
        canvas.drawText({left + 2 * lineHeight, y}, entries[i].text);
    }
}

// The text itself when it fits `room`, else as many of its first characters as fit with "…" after them.
std::string shortenedTo(const Canvas& canvas, std::string text, int room) {
    if (canvas.textWidth(text) <= room) return text;
    while (!text.empty()) {
        while (!text.empty() && (text.back() & 0xC0) == 0x80) text.pop_back();  // a character's tail bytes
        if (!text.empty()) text.pop_back();
        if (canvas.textWidth(text + "…") <= room) return text + "…";
    }
    return text;
}

// Room for a colour square and the longest text: 2.5 lines plus the text and two characters.
int legendLeft(const Canvas& canvas, int textCharacters) {
    platform::TextMetrics metrics = canvas.textMetrics();
    return frame::plotRight - truncated(2.5 * metrics.lineHeight()) -
           textCharacters * metrics.averageCharWidth;
}

}  // namespace

void drawSportLegend(Canvas& canvas, const SportParts& sports) {
    constexpr int kLongestSportName = 13;
    std::vector<LegendEntry> entries;
    if (sports[kPartSwim]) entries.push_back({colour::swim, "Schwimmen"});
    if (sports[kPartBike]) entries.push_back({colour::bike, "Radfahren"});
    if (sports[kPartRun]) entries.push_back({colour::run, "Laufen"});
    if (sports[kPartOther]) entries.push_back({colour::other, "Alternativ"});
    drawLegendBox(canvas, legendLeft(canvas, kLongestSportName), entries);
}

void drawTypeLegend(Canvas& canvas, const std::array<std::string, 10>& labels,
                    const std::array<Colour, 10>& colours) {
    int longest = 0;
    int widest = 0;
    for (const std::string& label : labels) {
        longest = std::max(longest, utf8Length(label));
        widest = std::max(widest, canvas.textWidth(label));
    }
    // Capitals and wide letters make a label wider than its characters' average: the box grows to the
    // left for the widest label, but not past the value axis, and a label too wide even then is shortened.
    int left = std::min(legendLeft(canvas, longest + 2), legendLeft(canvas, 2) - widest);
    left = std::max(left, frame::originX);
    int room = legendLeft(canvas, 2) - left;
    std::vector<LegendEntry> entries;
    for (std::size_t type = 0; type < labels.size(); ++type)
        entries.push_back({colours[type], shortenedTo(canvas, labels[type], room)});
    drawLegendBox(canvas, left, entries);
}

void drawLegend(Canvas& canvas, const std::vector<LegendEntry>& entries) {
    int widest = 0;
    for (const LegendEntry& entry : entries) widest = std::max(widest, canvas.textWidth(entry.text));
    drawLegendBox(canvas, legendLeft(canvas, 2) - widest, entries);
}

}  // namespace sb::charts
