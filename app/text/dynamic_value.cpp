#include "app/text/dynamic_value.h"

namespace vclock {
namespace {

// Orders the two non-string kinds on one scale: seconds from the zero date.
std::int64_t scale(const DynamicValue& v) {
    if (v.isNumber()) return v.number() * DateTime::kSecondsPerDay;
    if (v.isDateTime()) return v.dateTime().totalSeconds();
    return 0;  // empty
}

// Empty takes the kind of the value it is compared with.
bool comparesAsString(const DynamicValue& a, const DynamicValue& b) {
    return (a.isString() || a.isEmpty()) && (b.isString() || b.isEmpty()) && (a.isString() || b.isString());
}

const std::string& text(const DynamicValue& v) {
    static const std::string none;
    return v.isString() ? v.string() : none;
}

}  // namespace

DynamicValue DynamicValue::operator+(std::int64_t addend) const {
    if (isEmpty()) return DynamicValue(addend);
    if (isNumber()) return DynamicValue(number() + addend);
    if (isDateTime()) {
        return DynamicValue(DateTime::fromSeconds(dateTime().totalSeconds() + addend * DateTime::kSecondsPerDay));
    }
    return *this;
}

bool operator==(const DynamicValue& a, const DynamicValue& b) {
    if (comparesAsString(a, b)) return text(a) == text(b);
    if (a.isString() || b.isString()) return false;
    return scale(a) == scale(b);
}

bool operator<(const DynamicValue& a, const DynamicValue& b) {
    if (comparesAsString(a, b)) return text(a) < text(b);
    if (a.isString()) return false;  // a string never sorts below a number or date
    if (b.isString()) return true;
    return scale(a) < scale(b);
}

}  // namespace vclock
