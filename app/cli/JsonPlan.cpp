// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/JsonPlan.h"

#include "engine/Text.h"

#include <cstdint>
#include <string_view>

namespace varnolt::cli {

namespace {

void AppendBase64(std::string& out, std::string_view bytes) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t left = bytes.size() - at;
        std::uint32_t group = static_cast<std::uint8_t>(bytes[at]) << 16;
        if (left > 1) group |= static_cast<std::uint8_t>(bytes[at + 1]) << 8;
        if (left > 2) group |= static_cast<std::uint8_t>(bytes[at + 2]);
        out += kDigits[(group >> 18) & 63];
        out += kDigits[(group >> 12) & 63];
        out += left > 1 ? kDigits[(group >> 6) & 63] : '=';
        out += left > 2 ? kDigits[group & 63] : '=';
    }
}

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20) {
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendField(std::string& out, const char* name, std::string_view value) {
    AppendJsonString(out, name);
    out += ':';
    if (IsValidUtf8(value)) {
        AppendJsonString(out, value);
        return;
    }
    out += "{\"base64\":\"";
    AppendBase64(out, value);
    out += "\"}";
}

// The value as a JSON number.
void AppendNumberField(std::string& out, const char* name, std::int64_t value) {
    out += ',';
    AppendJsonString(out, name);
    out += ':';
    out += std::to_string(value);
}

const char* SkipReasonName(SkipReason why) {
    switch (why) {
    case SkipReason::Excluded:
        return "excluded";
    case SkipReason::FilteredOut:
        return "filtered";
    case SkipReason::NoCategory:
        return "no-category";
    }
    return "";
}

const char* StepName(Step step) {
    switch (step) {
    case Step::ReadFacts:
        return "read";
    case Step::MakeCategory:
        return "make-category";
    case Step::Move:
        return "move";
    case Step::Copy:
        return "copy";
    case Step::Journal:
        return "journal";
    case Step::Restore:
        return "restore";
    case Step::Remove:
        return "remove";
    }
    return "";
}

const char* OutcomeName(Outcome how) {
    switch (how) {
    case Outcome::Completed:
        return "completed";
    case Outcome::Stopped:
        return "stopped";
    case Outcome::Refused:
        return "refused";
    case Outcome::Failed:
        return "failed";
    }
    return "";
}

std::string EventStart(const char* event) {
    std::string line = "{";
    AppendField(line, "event", event);
    return line;
}

} // namespace

std::string PlacedLine(const ItemPlaced& item) {
    std::string line = EventStart("placed");
    line += ',';
    AppendField(line, "source", item.Source);
    line += ',';
    AppendField(line, "category", item.Category);
    line += ',';
    AppendField(line, "destination", item.Destination);
    if (!item.GoesWith.empty()) {
        line += ',';
        AppendField(line, "with", item.GoesWith);
    }
    line += "}\n";
    return line;
}

std::string SkippedLine(const ItemSkipped& item) {
    std::string line = EventStart("skipped");
    line += ',';
    AppendField(line, "source", item.Path);
    line += ',';
    AppendField(line, "reason", SkipReasonName(item.Why));
    line += "}\n";
    return line;
}

std::string FailedLine(const ItemFailed& item) {
    std::string line = EventStart("failed");
    line += ',';
    AppendField(line, "source", item.Path);
    line += ',';
    AppendField(line, "step", StepName(item.Where));
    line += ',';
    AppendField(line, "error", item.Error.message());
    if (!item.Destination.empty()) {
        line += ',';
        AppendField(line, "destination", item.Destination);
    }
    line += "}\n";
    return line;
}

std::string EndLine(const CommandEnded& end) {
    std::string line = EventStart("end");
    line += ',';
    AppendField(line, "outcome", OutcomeName(end.How));
    AppendNumberField(line, "placed", end.Placed);
    AppendNumberField(line, "excluded", end.Excluded);
    AppendNumberField(line, "notPlaced", end.NotPlaced);
    AppendNumberField(line, "failed", end.Failed);
    AppendNumberField(line, "total", end.Total);
    line += "}\n";
    return line;
}

} // namespace varnolt::cli
