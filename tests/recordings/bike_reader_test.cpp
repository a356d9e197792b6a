// The bike-computer reader against files cut or damaged anywhere, which must fail or lose only their
// incomplete last sample, never hang or read past their end. Well-formed files (their samples, date and
// header, a wheel of their own, no cadence, no samples) are read in real_files_test.
#include <gtest/gtest.h>

#include <tuple>

#include "recordings/bike_reader.h"

namespace sb::recordings {
namespace {

std::string lap(const std::string& number) {
    std::string block = "\xFE";
    block += std::string("\x01\x00\x00\x00\x02\x00\x00\x00\x03\x00\x04", 11);
    block += (number + std::string(7, '\0')).substr(0, 7);
    return block;
}

// Header with cadence and two laps, circumference 2.1 m, 95.5 minutes, then the samples.
std::string bikeFile(const std::string& samples) {
    std::string bytes = "\x01\xFD" "Cadenz=1";
    bytes += lap("12.5") + "\x07" + lap("3") + "\xFF";
    bytes += "2.1R7S95.5PMorgenrunde \xFC" "ber den Berg//";
    return bytes + samples;
}

TEST(BikeReader, RejectsDamagedHeadersAndKeepsThePreviousRecording) {
    RecordingTable table(4);
    BikeRecordingInfo info;
    info.remark = "vorher";
    std::string wrongMark = bikeFile("");
    wrongMark.replace(wrongMark.find("Cadenz=1"), 8, "Cadenz=0");
    EXPECT_FALSE(parseBikeRecording(wrongMark, "070615.dat", table, info));
    std::string noSlash = bikeFile("");
    noSlash.erase(noSlash.rfind('/'), 1);
    noSlash += "X";
    EXPECT_FALSE(parseBikeRecording(noSlash, "070615.dat", table, info));
    EXPECT_EQ(std::tuple(table.size(), info.remark), std::tuple(4u, "vorher"));
}

TEST(BikeReader, AFileCutAtEveryByteFailsOrLosesSamples) {
    const std::string bytes = bikeFile(std::string("\x82\x0A\x5A\x84\x0A\x5B\x85\x0B\x5C", 9));
    const std::size_t header = bytes.size() - 9;
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        RecordingTable table;
        BikeRecordingInfo info;
        const bool read = parseBikeRecording(bytes.substr(0, cut), "070615.dat", table, info);
        EXPECT_EQ(cut >= header, read) << cut;
        if (read) {
            EXPECT_EQ((cut - header) / 3, table.size()) << cut;
        }
    }
}

TEST(BikeReader, BoundsRemarkAndLapsButReadsEverySample) {
    std::string bytes = "\xFD" "Cadenz=1";
    for (int i = 0; i < 1000; ++i) bytes += lap("1");
    bytes += "\xFF" "2.1R0S60P" + std::string(10000, 'x') + "//";
    for (int i = 0; i < 20000; ++i) bytes += std::string("\x80\x05\x50", 3);
    RecordingTable table;
    BikeRecordingInfo info;
    ASSERT_TRUE(parseBikeRecording(bytes, "070615.dat", table, info));
    EXPECT_EQ(std::tuple(info.lapCount, info.laps.size(), info.remark.size(), table.size()),
              std::tuple(1000, kKeptLaps, kRemarkLength, 20000u));
    EXPECT_NEAR(20000 * 5 * 2.1 * 0.001, table.back()[kDistanceSlot], 1e-3);
}

}  // namespace
}  // namespace sb::recordings
