// How much heap the text readers take for a large file: every allocation of this test program is
// counted, so a reader that keeps copies of the file, or a document beside its samples, shows here.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include <pugixml.hpp>

#include "recordings/loaded_recording.h"
#include "support/plan_fixtures.h"

namespace {

std::atomic<std::size_t> inUse{0};
std::atomic<std::size_t> peak{0};

// Each block carries its size in front, so a release can be counted too.
constexpr std::size_t kHeader = alignof(std::max_align_t);

void* counted(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (!block) throw std::bad_alloc();
    *reinterpret_cast<std::size_t*>(block) = size;
    const std::size_t now = inUse += size;
    std::size_t seen = peak;
    while (now > seen && !peak.compare_exchange_weak(seen, now)) {
    }
    return block + kHeader;
}

void released(void* pointer) noexcept {
    if (!pointer) return;
    unsigned char* block = static_cast<unsigned char*>(pointer) - kHeader;
    inUse -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

// The XML parser takes its memory from malloc unless told otherwise.
const bool xmlCounted = [] {
    pugi::set_memory_management_functions([](std::size_t size) { return counted(size); }, released);
    return true;
}();

}  // namespace

void* operator new(std::size_t size) { return counted(size); }
void* operator new[](std::size_t size) { return counted(size); }
void operator delete(void* pointer) noexcept { released(pointer); }
void operator delete[](void* pointer) noexcept { released(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { released(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { released(pointer); }

namespace sb::recordings {
namespace {

std::string repeated(const std::string& head, const std::string& body, const std::string& tail, std::size_t size) {
    std::string text = head;
    while (text.size() < size) text += body;
    return text + tail;
}

TEST(ReaderMemory, TextReadersGrowTheHeapByAtMostFourTimesTheFile) {
    constexpr std::size_t kSize = 12u << 20;
    const std::pair<const char*, std::string> files[] = {
        // Points as a bike computer writes them: position, height, time, power, temperature, pulse, cadence.
        {"fahrt.gpx",
         repeated("<?xml version=\"1.0\"?>\n<gpx creator=\"t\" xmlns:ns3=\"x\">\n <trk>\n  <trkseg>\n",
                  "   <trkpt lat=\"50.0010\" lon=\"8.0000\"><ele>102.0</ele><time>2024-06-30T22:00:25Z</time>\n"
                  "    <extensions><power>240</power><ns3:TrackPointExtension><ns3:atemp>20.5</ns3:atemp>"
                  "<ns3:hr>131</ns3:hr><ns3:cad>90</ns3:cad></ns3:TrackPointExtension></extensions>\n   </trkpt>\n",
                  "  </trkseg>\n </trk>\n</gpx>\n", kSize)},
        // Points as a training platform exports them, indented.
        {"lauf.tcx",
         repeated("<?xml version=\"1.0\"?>\n<TrainingCenterDatabase>\n <Activities>\n  <Activity Sport=\"Running\">\n"
                  "   <Lap>\n    <Track>\n",
                  "     <Trackpoint>\n      <Time>2024-05-01T10:00:00Z</Time>\n      <Position>\n"
                  "        <LatitudeDegrees>50.0010</LatitudeDegrees>\n        <LongitudeDegrees>8.0000</LongitudeDegrees>\n"
                  "      </Position>\n      <AltitudeMeters>102.0</AltitudeMeters>\n"
                  "      <DistanceMeters>5.0</DistanceMeters>\n      <HeartRateBpm>\n        <Value>140</Value>\n"
                  "      </HeartRateBpm>\n     </Trackpoint>\n",
                  "    </Track>\n   </Lap>\n  </Activity>\n </Activities>\n</TrainingCenterDatabase>\n", kSize)},
        // Pulse, speed, cadence and altitude each second.
        {"lauf.hrm", repeated("[Params]\r\nSMode=111000100\r\nInterval=1\r\n[HRData]\r\n", "140\t250\t85\t402\r\n", "",
                              kSize)},
    };
    sb::testing::TempDir dir;
    for (const auto& [name, bytes] : files) {
        sb::testing::writeBytes(dir.file(name), bytes);
        LoadedRecording recording;
        const std::size_t before = inUse;
        peak = before;
        ASSERT_TRUE(readRecording(sourceOfPath(name), dir.file(name), recording).ok) << name;
        const double growth = double(peak - before) / double(bytes.size());
        EXPECT_LE(growth, 4.0) << name;
        std::printf("%s: %zu samples, heap grew by %.2f times the file\n", name, recording.table.size(), growth);
    }
}

}  // namespace
}  // namespace sb::recordings
