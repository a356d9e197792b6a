// A drawing as text, a call a line (what, where, with which pen, brush, font and colours), compared
// whole with a golden file under tests/data.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/headless/recording_canvas.h"
#include "support/plan_fixtures.h"

namespace sb::charts::testing {

inline std::string drawingLog(const platform::headless::RecordingCanvas& canvas) {
    using platform::headless::CallKind;
    static const char* const kKinds[] = {"line", "polyline", "rectangle", "polygon", "ellipse", "pie", "text"};
    std::ostringstream log;
    for (const platform::headless::DrawCall& call : canvas.calls()) {
        log << kKinds[int(call.kind)];
        for (const platform::Point& point : call.points) log << ' ' << point.x << ',' << point.y;
        log << std::hex;
        if (call.kind == CallKind::Text) {
            log << " \"" << call.text << "\" align " << int(call.align.horizontal) << int(call.align.vertical)
                << " font " << std::dec << call.state.font.height << (call.state.font.bold ? "b" : "") << std::hex
                << " colour " << call.state.textColour;
            if (call.state.textBackground) log << " on " << *call.state.textBackground;
        } else {
            log << " pen " << call.pen().colour << '/' << call.pen().width << '/' << int(call.pen().style);
            if (call.kind != CallKind::Line && call.kind != CallKind::Polyline)
                log << " brush " << int(call.brush().style) << '/' << call.brush().colour << '/'
                    << call.brush().second;
        }
        log << std::dec;
        if (call.kind == CallKind::Pie) log << " from " << call.startDegrees << " by " << call.sweepDegrees;
        log << '\n';
    }
    return log.str();
}

inline void expectDrawing(const platform::headless::RecordingCanvas& canvas, const std::string& name) {
    const std::string path = sb::testing::goldenPath(name + ".txt");
    EXPECT_EQ(sb::testing::fileBytes(path), drawingLog(canvas)) << name;
}

}  // namespace sb::charts::testing
