#pragma once

#include <optional>
#include <string>
#include <string_view>

// How Qt's INI settings format spells names and values, both ways, for
// UTF-8 text. Reading follows what QSettings reads, character for
// character; writing gives text that QSettings reads back as the same
// string. Where Qt's reading yields a UTF-16 string that no UTF-8 text can
// hold (a lone surrogate), or where its reading is too odd to be sure of,
// the readers give nothing: a backslash before a non-ASCII character is one
// such case.
namespace vclock::qt::ini {

// A section name or key as Qt writes it: ASCII letters, digits, '_', '-'
// and '.' as they are, '/' (Qt's group separator) as '\', every other
// UTF-16 unit as %XX or %UXXXX. `name` is UTF-8.
std::string escapeName(std::string_view name);

// The name Qt reads from a trimmed section name or key: '\' is '/', %XX and
// %UXXXX are the units they spell, anything else stands for itself.
std::optional<std::string> unescapeName(std::string_view escaped);

// A value as Qt writes a string: backslash escapes for quotes, backslashes
// and control characters, in double quotes when it holds ';', ',' or '=' or
// begins or ends with a space, and an extra '@' in front of a leading '@'.
// `value` is UTF-8.
std::string escapeValue(std::string_view value);

// The string Qt reads from the text after '=' (up to a comment): quotes
// removed, escapes resolved, unquoted trailing blanks dropped, "@@" and
// "@String(…)" undone. Deliberately not Qt's: a comma outside quotes, which
// would make Qt read a list, is part of the text, and Qt's other typed
// values ("@Rect(…)", "@Invalid()" and the like) are read as they are
// written.
std::optional<std::string> unescapeValue(std::string_view escaped);

}  // namespace vclock::qt::ini
