#include "viewer/history/SystemEvents.h"

#include "shared/LogLine.h"
#include "viewer/history/XmlReader.h"

namespace kestrowa {

namespace {

// Days from 1970-01-01 to a date of the Gregorian calendar.
std::int64_t DaysFromCivil(int year, int month, int day) {
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return static_cast<std::int64_t>(era) * 146097 + dayOfEra - 719468;
}

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A whole number of 1-5 digits, nothing else.
std::optional<int> SmallNumber(std::string_view text) {
    text = Trimmed(text);
    if (text.empty() || text.size() > 5) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// What is collected of one event while its elements are read.
class EventFields {
public:
    void Start(const XmlReader& xml, std::string_view parent) {
        const std::string_view name = xml.Name();
        if (parent == "System" && name == "Provider") {
            if (const std::string* value = xml.Attribute("Name")) event_.provider = *value;
        } else if (parent == "System" && name == "TimeCreated") {
            if (const std::string* value = xml.Attribute("SystemTime")) time_ = *value;
        } else if (parent == "EventData" && name == "Data") {
            const std::string* dataName = xml.Attribute("Name");
            event_.data.emplace_back(dataName ? *dataName : std::string(), std::string());
        }
    }
    void Text(const std::string& text, std::string_view element, std::string_view parent) {
        if (parent == "System" && element == "EventID") id_ += text;
        else if (parent == "System" && element == "EventRecordID") event_.record += text;
        else if (parent == "EventData" && element == "Data" && !event_.data.empty()) event_.data.back().second += text;
        else if (parent == "EventData" && element == "Binary") event_.binary += text;
    }
    // The event, when it names its provider, number and time.
    std::optional<SystemEvent> Finish() {
        const std::optional<int> id = SmallNumber(id_);
        const std::optional<std::int64_t> time = ParseEventTime(Trimmed(time_));
        if (event_.provider.empty() || !id || !time) return std::nullopt;
        event_.id = *id;
        event_.time = *time;
        event_.record = std::string(Trimmed(event_.record));
        return std::move(event_);
    }

private:
    SystemEvent event_;
    std::string id_;
    std::string time_;
};

// UTF-16 in the byte order given to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string text;
    text.reserve(bytes.size() / 2);
    auto unit = [&](size_t i) -> std::uint32_t {
        const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        return static_cast<std::uint32_t>(hi << 8 | lo);
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::uint32_t code = unit(i);
        if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD;
        }
        AppendUtf8(code, text);
    }
    return text;
}

}  // namespace

const std::string* SystemEvent::Data(std::string_view name) const {
    for (const auto& [dataName, value] : data)
        if (dataName == name) return &value;
    return nullptr;
}

std::optional<std::int64_t> ParseEventTime(std::string_view text) {
    // yyyy-mm-ddThh:mm:ss, then a fraction, then Z or +hh:mm / -hh:mm.
    constexpr std::string_view kForm = "9999-99-99T99:99:99";
    if (text.size() < kForm.size()) return std::nullopt;
    for (size_t i = 0; i < kForm.size(); ++i) {
        const char c = text[i];
        if (kForm[i] == '9' ? (c < '0' || c > '9') : c != kForm[i]) return std::nullopt;
    }
    auto number = [&text](size_t at, size_t digits) {
        int value = 0;
        for (size_t i = at; i < at + digits; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
    const int hour = number(11, 2), minute = number(14, 2), second = number(17, 2);
    if (year < 1601 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour > 23 ||
        minute > 59 || second > 59)
        return std::nullopt;
    std::string_view zone = text.substr(kForm.size());
    if (zone.starts_with('.')) {
        size_t digits = 1;
        while (digits < zone.size() && zone[digits] >= '0' && zone[digits] <= '9') ++digits;
        if (digits == 1) return std::nullopt;
        zone.remove_prefix(digits);
    }
    int offset = 0;
    if (zone == "Z") {
        offset = 0;
    } else if (zone.size() == 6 && (zone[0] == '+' || zone[0] == '-') && zone[3] == ':') {
        for (size_t i : {1, 2, 4, 5})
            if (zone[i] < '0' || zone[i] > '9') return std::nullopt;
        const int hours = (zone[1] - '0') * 10 + (zone[2] - '0');
        const int minutes = (zone[4] - '0') * 10 + (zone[5] - '0');
        if (hours > 14 || minutes > 59) return std::nullopt;
        offset = (zone[0] == '-' ? -1 : 1) * (hours * 3600 + minutes * 60);
    } else {
        return std::nullopt;
    }
    return DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second - offset;
}

void ReadEvents(std::string_view xml, EventReading& into) {
    XmlReader reader(xml);
    // The elements open inside the event being read, by local name; the depth at its start.
    std::vector<std::string_view> path;
    bool inEvent = false;
    size_t eventDepth = 0;
    EventFields fields;
    auto parent = [&path]() { return path.size() >= 2 ? path[path.size() - 2] : std::string_view(); };
    for (;;) {
        const XmlReader::Token token = reader.Next();
        if (token == XmlReader::Token::End) break;
        if (token == XmlReader::Token::Error) {
            ++into.broken;
            const size_t depth = inEvent ? eventDepth : reader.Depth();
            inEvent = false;
            if (!reader.SkipTo("Event", depth)) break;
            continue;
        }
        if (!inEvent) {
            if (token == XmlReader::Token::StartTag && reader.Name() == "Event") {
                inEvent = true;
                eventDepth = reader.Depth() - 1;
                path.assign(1, "Event");
                fields = EventFields();
            }
            continue;
        }
        if (token == XmlReader::Token::StartTag) {
            path.push_back(reader.Name());
            fields.Start(reader, parent());
        } else if (token == XmlReader::Token::Text) {
            fields.Text(reader.Text(), path.back(), parent());
        } else if (token == XmlReader::Token::EndTag) {
            path.pop_back();
            if (!path.empty()) continue;
            inEvent = false;
            if (std::optional<SystemEvent> event = fields.Finish()) into.events.push_back(std::move(*event));
            else ++into.broken;
        }
    }
}

void ReadEventExport(std::string_view bytes, EventReading& into) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return ReadEvents(bytes.substr(3), into);
    if (bytes.starts_with("\xFF\xFE")) return ReadEvents(Utf16ToUtf8(bytes.substr(2), false), into);
    if (bytes.starts_with("\xFE\xFF")) return ReadEvents(Utf16ToUtf8(bytes.substr(2), true), into);
    // UTF-16 without its mark: the first character, "<", in its low byte.
    if (bytes.size() >= 2 && bytes[0] == '<' && bytes[1] == '\0') return ReadEvents(Utf16ToUtf8(bytes, false), into);
    ReadEvents(bytes, into);
}

}  // namespace kestrowa
