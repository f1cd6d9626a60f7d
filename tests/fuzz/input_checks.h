#pragma once

#include <cstdint>
#include <span>

// What must hold for any input to the functions that read outside data: each
// returns (the sanitizers watch for reads outside the input and undefined
// arithmetic) and what it returns is sound. The libFuzzer targets and the
// deterministic mutation tests share these checks.
namespace vclock::fuzz {

// decodeBmp gives nothing or an opaque picture of sane size.
bool bmpInputHolds(std::span<const std::uint8_t> bytes);

// decodeIco gives nothing or images of sane size and depth whose pixels are
// either transparent (0) or opaque.
bool icoInputHolds(std::span<const std::uint8_t> bytes);

// For the English (United States), English (United Kingdom) and German
// regional forms: isDate agrees with textToDate, and a date read from the
// text, written as text, reads back as the same date.
bool dateTextInputHolds(std::span<const std::uint8_t> bytes);

}  // namespace vclock::fuzz
