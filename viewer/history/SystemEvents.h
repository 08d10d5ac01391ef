#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrowa {

// One event of Windows' System log, as far as the history needs it: the XML form in which
// Windows renders an event (Event/System/Provider@Name, EventID, TimeCreated@SystemTime,
// EventRecordID, EventData).
struct SystemEvent {
    std::string provider;
    int id = -1;
    std::int64_t time = 0;  // TimeCreated in seconds since 1970-01-01 00:00 UTC
    std::string record;     // EventRecordID as written
    std::vector<std::pair<std::string, std::string>> data;  // EventData/Data: its Name and text
    std::string binary;     // EventData/Binary: hexadecimal digits
    // The text of the Data element of that name; nullptr when there is none.
    const std::string* Data(std::string_view name) const;
};

// The events read, in the order read, and how many could not be.
struct EventReading {
    std::vector<SystemEvent> events;
    // Events (or stretches of XML between them) that are no well-formed event with a provider,
    // a number and a time.
    size_t broken = 0;
};

// Seconds since 1970 UTC of a time as events carry it, "2024-05-11T06:20:15.5000000Z", or with
// an offset from UTC in place of the Z ("+09:00"); the fraction is dropped. nullopt for any
// other text, a stamp without zone included.
std::optional<std::int64_t> ParseEventTime(std::string_view text);

// Reads the events of an XML text in UTF-8: an export, with or without a root element, or one
// rendered event. After a fault the reading goes on at the next event.
void ReadEvents(std::string_view xml, EventReading& into);
// The same for an exported file's bytes: UTF-8, or UTF-16 after its byte-order mark (the form a
// redirection in PowerShell writes).
void ReadEventExport(std::string_view bytes, EventReading& into);

}  // namespace kestrowa
