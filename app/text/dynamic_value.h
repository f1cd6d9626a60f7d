#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "app/text/date_time.h"

namespace vclock {

// A value that holds nothing, a whole number, a string or a date-time, with
// the comparison rules the alarm relies on: empty counts as 0 against
// numbers and date-times and as "" against strings; a number or date-time
// never equals a string and sorts below it; numbers and date-times compare
// by value (a number counts as that many days from the zero date); strings
// compare character by character.
class DynamicValue {
public:
    DynamicValue() = default;
    DynamicValue(std::int64_t number) : value_(number) {}
    DynamicValue(int number) : value_(static_cast<std::int64_t>(number)) {}
    DynamicValue(std::string text) : value_(std::move(text)) {}
    DynamicValue(const char* text) : value_(std::string(text)) {}
    DynamicValue(DateTime dateTime) : value_(dateTime) {}

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool isNumber() const { return std::holds_alternative<std::int64_t>(value_); }
    bool isString() const { return std::holds_alternative<std::string>(value_); }
    bool isDateTime() const { return std::holds_alternative<DateTime>(value_); }

    std::int64_t number() const { return std::get<std::int64_t>(value_); }
    const std::string& string() const { return std::get<std::string>(value_); }
    DateTime dateTime() const { return std::get<DateTime>(value_); }

    // Empty plus 1 is 1; a number plus a number is their sum; a date-time
    // plus a number moves it by that many days. Adding to a string is not
    // something this program does; it leaves the string as it is.
    DynamicValue operator+(std::int64_t addend) const;

    friend bool operator==(const DynamicValue& a, const DynamicValue& b);
    friend bool operator<(const DynamicValue& a, const DynamicValue& b);

private:
    std::variant<std::monostate, std::int64_t, std::string, DateTime> value_;
};

}  // namespace vclock
