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

} // namespace

std::string PlanLine(const std::string& source, const std::string& category, const std::string& destination) {
    std::string line = "{";
    AppendField(line, "source", source);
    line += ',';
    AppendField(line, "category", category);
    line += ',';
    AppendField(line, "destination", destination);
    line += "}\n";
    return line;
}

std::string PlannedDestination(const std::string& resultLocation, const std::string& category,
                               const std::string& source) {
    const std::string placed = category + "/" + NameOf(source);
    return resultLocation.empty() ? placed : WithTrailingSlash(resultLocation) + placed;
}

} // namespace varnolt::cli
