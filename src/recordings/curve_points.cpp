// Thinning a curve per x column.
#include "recordings/curve_points.h"

#include <algorithm>

namespace sb::recordings {

namespace {

using platform::Point;

void appendRun(std::vector<Point>& out, const std::vector<Point>& points, std::size_t begin,
               std::size_t end) {
    std::size_t low = begin;
    std::size_t high = begin;
    for (std::size_t i = begin; i < end; ++i) {
        if (points[i].y < points[low].y) low = i;
        if (points[i].y > points[high].y) high = i;
    }
    std::size_t kept[] = {begin, std::min(low, high), std::max(low, high), end - 1};
    for (std::size_t i = 0; i < 4; ++i)
        if (i == 0 || kept[i] != kept[i - 1]) out.push_back(points[kept[i]]);
}

}  // namespace

std::vector<Point> thinnedCurve(const std::vector<Point>& points) {
    std::vector<Point> out;
    std::size_t begin = 0;
    while (begin < points.size()) {
        std::size_t end = begin + 1;
        while (end < points.size() && points[end].x == points[begin].x) ++end;
        appendRun(out, points, begin, end);
        begin = end;
    }
    return out;
}

}  // namespace sb::recordings
