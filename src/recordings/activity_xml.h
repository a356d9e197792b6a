// What the TCX and GPX readers share about XML: loading a file's bytes, finding elements by their local
// name (writers choose their own namespace prefixes, "ns3:TPX" in one file, "tpx:TPX" in the next) and
// reading numbers and times from element texts.
#pragma once

#include <pugixml.hpp>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "recordings/activity_recording.h"

namespace sb::recordings {

// Parses bytes into document, in place: the document's texts point into bytes, which must outlive it.
// On failure the result holds the message for the user, naming the format ("TCX", "GPX"); an empty file
// counts as one without a recording.
ActivityReadResult loadActivityXml(std::string& bytes, const std::string& format, pugi::xml_document& document);

// Frees the document and the bytes it was parsed from, once the points are out, so they never stand
// beside the table that is built next.
void releaseXml(pugi::xml_document& document, std::string& bytes);

// The message for a file that holds no track point.
std::string noRecordingMessage(const std::string& format);


// The name without its namespace prefix.
std::string_view localName(const pugi::xml_node& node);
// The first child element with that local name; an empty node when there is none.
pugi::xml_node childNamed(const pugi::xml_node& parent, std::string_view name);
// Each child element with that local name, in document order.
void forEachChild(const pugi::xml_node& parent, std::string_view name,
                  const std::function<void(const pugi::xml_node&)>& visit);
// Every element below top in document order, without recursion, so nesting depth costs no stack.
void forEachDescendant(const pugi::xml_node& top, const std::function<void(const pugi::xml_node&)>& visit);

// A text as a number; empty when it holds none, or nothing finite and within ±1e9 (no quantity of a
// recording comes near that, and the table's floats hold it).
std::optional<double> numberOfText(std::string_view text);
// The element's text as a number, as numberOfText; empty for an empty node.
std::optional<double> numberOf(const pugi::xml_node& element);
// The element's text without surrounding blanks.
std::string trimmedText(const pugi::xml_node& element);

// An ISO 8601 date and time ("2012-12-26T21:29:53Z", "…53.250+01:00") as seconds since 1970-01-01
// UTC; a time without a zone is taken as UTC. Empty when the text is no such time.
std::optional<double> isoTimeSeconds(std::string_view text);

}  // namespace sb::recordings
