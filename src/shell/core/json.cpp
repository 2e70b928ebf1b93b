#include "shell/core/json.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace shell {
namespace {

constexpr std::string_view kReplacementCharacter = "\\ufffd";

// The length of the valid UTF-8 sequence starting at `at`, or 0 if the bytes there are not one.
std::size_t sequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    // The second byte's range excludes overlong forms, surrogates and code points past U+10FFFF.
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        if (lead == 0xe0)
            low = 0xa0;
        if (lead == 0xed)
            high = 0x9f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        if (lead == 0xf0)
            low = 0x90;
        if (lead == 0xf4)
            high = 0x8f;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xbf)
            return 0;
    }
    return length;
}

struct Writer {
    std::string& out;

    void operator()(std::nullptr_t) const { out += "null"; }
    void operator()(bool value) const { out += value ? "true" : "false"; }
    void operator()(long long value) const { out += std::to_string(value); }
    void operator()(double value) const
    {
        if (!std::isfinite(value))
            throw std::invalid_argument("JSON has no infinite numbers");
        // The shortest text that reads back as the same double.
        char digits[32];
        const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
        out.append(digits, result.ptr);
    }
    void operator()(const std::string& text) const { out += jsonString(text); }
    void operator()(const Json::Array& values) const
    {
        out += '[';
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (i > 0)
                out += ',';
            values[i].dumpTo(out);
        }
        out += ']';
    }
    void operator()(const Json::Object& members) const
    {
        out += '{';
        for (std::size_t i = 0; i < members.size(); ++i) {
            if (i > 0)
                out += ',';
            out += jsonString(members[i].first);
            out += ':';
            members[i].second.dumpTo(out);
        }
        out += '}';
    }
};

} // namespace

double Json::number() const
{
    if (const auto* whole = std::get_if<long long>(&m_value))
        return static_cast<double>(*whole);
    return std::get<double>(m_value);
}

const Json& Json::operator[](std::string_view key) const
{
    static const Json null;
    if (const auto* members = std::get_if<Object>(&m_value)) {
        for (const Member& member : *members) {
            if (member.first == key)
                return member.second;
        }
    }
    return null;
}

Json& Json::add(std::string key, Json value)
{
    if (isNull())
        m_value = Object{};
    std::get<Object>(m_value).emplace_back(std::move(key), std::move(value));
    return *this;
}

void Json::dumpTo(std::string& out) const
{
    std::visit(Writer{out}, m_value);
}

std::string Json::dump() const
{
    std::string out;
    dumpTo(out);
    return out;
}

std::string jsonString(std::string_view utf8)
{
    std::string json = "\"";
    for (std::size_t i = 0; i < utf8.size();) {
        const char c = utf8[i];
        const std::size_t length = sequenceLength(utf8, i);
        if (length == 0) {
            json += kReplacementCharacter;
            ++i;
            continue;
        }
        if (length > 1) {
            json.append(utf8.substr(i, length));
            i += length;
            continue;
        }
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        case '\b':
            json += "\\b";
            break;
        case '\f':
            json += "\\f";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                json += escaped;
            } else {
                json += c;
            }
        }
        ++i;
    }
    return json + "\"";
}

} // namespace shell
