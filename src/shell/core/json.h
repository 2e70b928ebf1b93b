// JSON values for the worksheet's JSON Lines: null, true and false, whole numbers, numbers,
// texts, arrays and objects whose members keep the order they were added in. Written compactly,
// with no blanks, one value to a line.
#pragma once

#include <concepts>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace shell {

class Json {
public:
    using Array = std::vector<Json>;
    using Member = std::pair<std::string, Json>;
    using Object = std::vector<Member>;

    Json() = default; // null
    Json(std::nullptr_t) {}
    Json(bool value)
        : m_value(value)
    {
    }
    template <std::integral T>
        requires(!std::same_as<T, bool>)
    Json(T value)
        : m_value(static_cast<long long>(value))
    {
    }
    Json(double value)
        : m_value(value)
    {
    }
    Json(const char* text)
        : m_value(std::string(text))
    {
    }
    Json(std::string_view text)
        : m_value(std::string(text))
    {
    }
    Json(std::string text)
        : m_value(std::move(text))
    {
    }
    Json(Array values)
        : m_value(std::move(values))
    {
    }
    Json(Object members)
        : m_value(std::move(members))
    {
    }

    static Json object(std::initializer_list<Member> members) { return Json(Object(members)); }
    static Json array(std::initializer_list<Json> values) { return Json(Array(values)); }
    // An array of every element of a range, each made a Json value.
    template <class Range>
    static Json list(const Range& values)
    {
        Array array;
        for (const auto& value : values)
            array.emplace_back(value);
        return Json(std::move(array));
    }

    bool isNull() const { return std::holds_alternative<std::nullptr_t>(m_value); }
    bool isWhole() const { return std::holds_alternative<long long>(m_value); }
    bool isText() const { return std::holds_alternative<std::string>(m_value); }

    // Reading a value as what it is not throws std::bad_variant_access; a whole number also
    // reads as a number.
    long long whole() const { return std::get<long long>(m_value); }
    double number() const;
    bool boolean() const { return std::get<bool>(m_value); }
    const std::string& text() const { return std::get<std::string>(m_value); }
    const Array& elements() const { return std::get<Array>(m_value); }
    const Object& members() const { return std::get<Object>(m_value); }

    // An object's member by its key; null when there is none (or this is not an object).
    const Json& operator[](std::string_view key) const;
    const Json& operator[](std::size_t index) const { return elements().at(index); }

    // Adds a member to an object (a null value becomes an empty object first).
    Json& add(std::string key, Json value);

    // The compact JSON text of the value, or appended to a text.
    std::string dump() const;
    void dumpTo(std::string& out) const;

    friend bool operator==(const Json&, const Json&) = default;

private:
    std::variant<std::nullptr_t, bool, long long, double, std::string, Array, Object> m_value;
};

// A JSON string literal, quotes included. UTF-8 passes through unchanged; quotes, backslashes
// and control characters are escaped, and a byte that is not part of valid UTF-8 becomes
// U+FFFD, so the result is always valid JSON.
std::string jsonString(std::string_view utf8);

} // namespace shell
