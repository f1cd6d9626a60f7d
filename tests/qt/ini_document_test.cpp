#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "app/qt/ini_document.h"

// Our reading and writing of the settings format, checked against QSettings
// itself: files Qt wrote read the same to us, files we wrote read the same
// to Qt, and hand-written files the same to both.
namespace vclock::qt {
namespace {

using namespace std::string_literals;
using Values = std::map<std::string, std::string>;  // path -> value

struct Name {
    std::string section;
    std::string key;
};

// Values that need quoting or escapes, or are long, or not ASCII.
const std::vector<std::string> kOddValues = {
    "",
    "12:00:00 PM",
    " leading and trailing ",
    "   ",
    "a \"quoted\", comma; value = x",
    "=[Alarm]\nnext line\r\nthird\rline",
    "Grüße, 時計, 🕰",
    "back\\slash %20 #hash ;semicolon [bracket]",
    "ends with a backslash\\",
    "\"",
    "\t tab first, tab last\t",
    "@at first",
    "@@two",
    "@String(x)",
    "@Invalid()",
    "nul\0inside\0" "7 and a hex digit after"s,
    "\x01" "23 control \x1f" "f\x7f",
    "\\x41 \\n not escapes",
    std::string(100000, 'x'),
};

// Names with spaces, escapes, Qt's own meanings ("General", '/') and non-ASCII.
const std::vector<Name> kOddNames = {
    {"Alarm", "currentime"},
    {"with space", "key with space"},
    {"Ünïcödé", "時計"},
    {"emoji 🕰", "🕰"},
    {"a=b", "c=d"},
    {"[x]", "]y["},
    {"semi;colon", "hash#"},
    {"quote\"", "back\\slash"},
    {"per%cent", "%U0041"},
    {"General", "in a section called General"},
    {"general", "lower case"},
    {"", "without a section"},
    {"a/b", "in a subgroup"},
    {"Alarm", "x/y"},
};

std::string pathOf(const Name& name) { return name.section.empty() ? name.key : name.section + "/" + name.key; }

class IniDocumentTest : public ::testing::Test {
protected:
    // A new file each time: QSettings keeps files it has read in a cache.
    QString newFile(const std::string& bytes) {
        const QString path = folder.filePath(QString::number(++files) + QStringLiteral(".ini"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    static std::string bytesOf(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return {};
        const QByteArray bytes = file.readAll();
        return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
    }

    // What QSettings reads from `bytes`: every string it finds at a path a
    // lookup can reach. Lists and Qt's typed values, which we read as text
    // on purpose, are left out.
    Values qtReading(const std::string& bytes) {
        QSettings settings(newFile(bytes), QSettings::IniFormat);
        Values values;
        for (const QString& path : settings.allKeys()) {
            const bool reachable = !path.isEmpty() && !path.startsWith(u'/') && !path.endsWith(u'/') && !path.contains(u"//");
            if (!reachable) continue;
            const QVariant value = settings.value(path);
            if (value.typeId() == QMetaType::QString) values[path.toStdString()] = value.toString().toStdString();
        }
        return values;
    }

    // What QSettings writes for these values, written one by one.
    std::string qtWriting(const std::vector<std::pair<std::string, std::string>>& values) {
        const QString path = newFile("");
        {
            QSettings settings(path, QSettings::IniFormat);
            for (const auto& [key, value] : values) {
                settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
            }
        }
        return bytesOf(path);
    }

    static std::string ourReading(const IniDocument& document, const std::string& path) {
        return document.value("", path);
    }

    QTemporaryDir temporary;
    QDir folder{temporary.path()};
    int files = 0;
};

// Each odd value at Values/v<n>, and "at <path>" at each odd name; the
// first `count` values only.
std::vector<std::pair<std::string, std::string>> oddWrites(std::size_t count) {
    std::vector<std::pair<std::string, std::string>> writes;
    for (std::size_t i = 0; i < count; ++i) writes.emplace_back("Values/v" + std::to_string(i), kOddValues[i]);
    for (const Name& name : kOddNames) writes.emplace_back(pathOf(name), "at " + pathOf(name));
    return writes;
}

TEST_F(IniDocumentTest, ReadsWhatQtWroteAsQtReadsIt) {
    const auto written = oddWrites(kOddValues.size());
    const std::string bytes = qtWriting(written);

    const IniDocument document(bytes);
    EXPECT_TRUE(document.readWhole());
    for (std::size_t i = 0; i < kOddValues.size(); ++i) {
        EXPECT_EQ(document.value("Values", "v" + std::to_string(i)), kOddValues[i]) << "value " << i;
    }
    // Qt does not read every name back as it wrote it ("general" comes back
    // as "General"); we read what Qt reads.
    const Values qt = qtReading(bytes);
    EXPECT_EQ(qt.size(), written.size());
    for (const auto& [path, value] : qt) EXPECT_EQ(ourReading(document, path), value) << path;
    EXPECT_EQ(document.value("Values", "missing"), "");
    EXPECT_EQ(document.value("Missing", "v0"), "");
}

TEST_F(IniDocumentTest, WritesWhatQtReadsAsWritten) {
    // Into nothing, and over a file Qt wrote with other values in it.
    for (const std::string& start : {std::string(), qtWriting({{"Values/v0", "old"}, {"Other/kept", "yes"}})}) {
        std::string bytes = start;
        Values expected = qtReading(start);
        for (std::size_t i = 0; i < kOddValues.size(); ++i) {
            bytes = IniDocument(bytes).withValue("Values", "v" + std::to_string(i), kOddValues[i]);
            expected["Values/v" + std::to_string(i)] = kOddValues[i];
        }
        for (const Name& name : kOddNames) {
            bytes = IniDocument(bytes).withValue(name.section, name.key, "at " + pathOf(name));
            expected[pathOf(name)] = "at " + pathOf(name);
        }
        EXPECT_TRUE(IniDocument(bytes).readWhole());
        EXPECT_EQ(qtReading(bytes), expected) << bytes.substr(0, 2000);
    }
}

// A file as people edit it: comments, blanks, stray lines, indentation,
// repeated sections and keys, and Windows line ends.
const std::string kHandWritten =
    "; a comment first\n"
    "root=top level\n"
    "  indented = spaced value   \n"
    "\n"
    "[Alarm]\n"
    "currentime=7:30:00 AM ; a comment after the value\n"
    "quoted=\"a; b, c = d\"  \n"
    "escaped=tab\\there\\nnew line \\\"q\\\" back\\\\slash \\q\n"
    "numbers=\\x41\\x4a\\101\\0\n"
    "  spaced = \"  kept  \"  \n"
    "[General]\n"
    "general%20key=in General\n"
    "[%General]\n"
    "named=in a section called General\n"
    "[Other]  ; a comment after a header\n"
    "#hash=not a comment to Qt\n"
    "a line without an equals sign\n"
    "empty=\n"
    "[Alarm]\n"
    "second=from a second Alarm block\n"
    "currentime=8:15:00 AM\n"
    "[\xC3\x9Cn\xC3\xAF c\xC3\xB6" "d\xC3\xA9 \xE6\x99\x82\xE8\xA8\x88]\n"
    "schl\xC3\xBCssel=Gr\xC3\xBC\xC3\x9F" "e\n"
    "[a%20b]\n"
    "c%20d=escaped names\n"
    "%U00E9t%E9=two spellings of \xC3\xA9t\xC3\xA9\n"
    "[a\\b]\n"
    "k=in a subgroup\n"
    "last=no line end";

std::string withCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

TEST_F(IniDocumentTest, ReadsHandWrittenFilesAsQtReadsThem) {
    for (const std::string& text : {kHandWritten, withCrLf(kHandWritten)}) {
        const IniDocument document(text);
        EXPECT_TRUE(document.readWhole());
        const Values qt = qtReading(text);
        ASSERT_GE(qt.size(), 15u);
        EXPECT_EQ(qt.at("Alarm/currentime"), "8:15:00 AM");
        for (const auto& [path, value] : qt) EXPECT_EQ(ourReading(document, path), value) << path;
    }
}

// The lines of `text`, split at "\n".
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) lines.push_back(text.substr(at, end - at));
    lines.push_back(text.substr(at));
    return lines;
}

TEST_F(IniDocumentTest, StoringChangesOnlyTheLineOfTheValue) {
    const IniDocument document(kHandWritten);
    const std::vector<std::string> before = linesOf(kHandWritten);
    const auto edited = [&](const char* section, const char* key, const char* value) {
        const std::string text = document.withValue(section, key, value);
        Values expected = qtReading(kHandWritten);
        expected[std::string(section) + "/" + key] = value;
        EXPECT_EQ(qtReading(text), expected) << text;
        return linesOf(text);
    };

    // The last of two lines is the one Qt reads; its comment stays.
    std::vector<std::string> after = edited("Alarm", "currentime", "9:09:00 AM");
    std::vector<std::string> expected = before;
    expected[20] = "currentime=9:09:00 AM";
    EXPECT_EQ(after, expected);
    after = edited("Alarm", "quoted", "x");
    expected = before;
    expected[6] = "quoted=x";
    EXPECT_EQ(after, expected);

    // A new key comes after the last key of its section's last block.
    after = edited("Alarm", "added", "new; value");
    expected = before;
    expected.insert(expected.begin() + 21, "added=\"new; value\"");
    EXPECT_EQ(after, expected);

    // A new section comes at the end, after a line end for the last line.
    after = edited("Popup", "okornot", "true");
    expected = before;
    expected.insert(expected.end(), {"", "[Popup]", "okornot=true", ""});
    EXPECT_EQ(after, expected);

    // Windows line ends stay Windows line ends.
    const std::string crlf = IniDocument(withCrLf(kHandWritten)).withValue("Popup", "okornot", "true");
    EXPECT_EQ(crlf, withCrLf(kHandWritten) + "\r\n\r\n[Popup]\r\nokornot=true\r\n");
}

// Texts that cannot be read whole, and what can still be read from them.
struct Unreadable {
    const char* what;
    std::string text;
    Values readable;  // some of what can be read
    std::vector<std::string> unreadable;  // paths that cannot
};

const std::vector<Unreadable> kUnreadable = {
    {"a continuation takes the next section into its value",
     "note=\\\n[Alarm]\ncurrentime=7:30:00 AM\n[Popup]\nokornot=true\n",
     {{"Alarm/currentime", "7:30:00 AM"}, {"Popup/okornot", "true"}},
     {"note"}},
    {"an open quote runs on to the end",
     "[Alarm]\nnote=\"open\ncurrentime=7:30:00 AM\n[Popup]\nokornot=true\n",
     {{"Alarm/currentime", "7:30:00 AM"}, {"Popup/okornot", "true"}},
     {"Alarm/note"}},
    {"a header without its bracket",
     "[Alarm\ncurrentime=7:30:00 AM\n[Popup]\nokornot=true\n",
     {{"Popup/okornot", "true"}},
     {"Alarm/currentime"}},
    {"invalid UTF-8",
     "[Alarm]\ncurrentime=\xFF\xFE" "7:30\xC0\n[Popup]\nokornot=true\n",
     {{"Popup/okornot", "true"}},
     {"Alarm/currentime"}},
    {"a NUL byte",
     "[Alarm]\ncurrentime=7:30\0:00 AM\n[Popup]\nokornot=true\n"s,
     {{"Popup/okornot", "true"}},
     {"Alarm/currentime"}},
    {"a lone surrogate in a key", "[Alarm]\ncurrentime=7:30:00 AM\n%UD800=x\n", {{"Alarm/currentime", "7:30:00 AM"}}, {}},
    {"a lone surrogate in a value", "[Alarm]\ncurrentime=\\xD800\n[Popup]\nokornot=true\n", {{"Popup/okornot", "true"}},
     {"Alarm/currentime"}},
    {"one path in two sections", "[Alarm]\ncurrentime=7:30:00 AM\n[General]\nAlarm\\currentime=8:00:00 AM\n",
     {{"Alarm/currentime", "8:00:00 AM"}}, {}},
    {"UTF-16 without a byte-order mark", "[\0A\0]\0\n\0k\0=\0v\0\n\0"s, {}, {"A/k"}},
};

TEST_F(IniDocumentTest, KeepsWhatCanBeReadFromATextNotReadWhole) {
    for (const Unreadable& c : kUnreadable) {
        SCOPED_TRACE(c.what);
        const IniDocument document(c.text);
        EXPECT_FALSE(document.readWhole());
        for (const auto& [path, value] : c.readable) EXPECT_EQ(ourReading(document, path), value) << path;
        for (const std::string& path : c.unreadable) EXPECT_EQ(ourReading(document, path), "") << path;

        // Stored into, it becomes a fresh text with what could be read.
        const std::string fresh = document.withValue("Alarm", "stored", "9:09:00 AM");
        const IniDocument again(fresh);
        EXPECT_TRUE(again.readWhole()) << fresh;
        Values expected = qtReading(fresh);
        EXPECT_EQ(expected.at("Alarm/stored"), "9:09:00 AM");
        for (const auto& [path, value] : c.readable) EXPECT_EQ(expected.at(path), value) << path;
        for (const auto& [path, value] : expected) EXPECT_EQ(ourReading(again, path), value) << path;
    }
}

TEST_F(IniDocumentTest, ReadsByteOrderMarksAndWritesUtf8) {
    const std::string utf8 = "[Alarm]\r\ncurrentime=7:30:00 AM\r\n; Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x95\xB0\r\n[Popup]\r\nokornot=true\r\n";
    std::string utf16le = "\xFF\xFE", utf16be = "\xFE\xFF";
    // One character beyond U+FFFF, for a surrogate pair.
    const std::u16string units = u"[Alarm]\r\ncurrentime=7:30:00 AM\r\n; Grüße 🕰\r\n[Popup]\r\nokornot=true\r\n";
    for (char16_t u : units) {
        utf16le += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
        utf16be += {static_cast<char>(u >> 8), static_cast<char>(u & 0xFF)};
    }
    const std::string expected = IniDocument(utf8).withValue("Alarm", "currentime", "9:09:00 AM");
    for (const std::string& bytes : {"\xEF\xBB\xBF" + utf8, utf16le, utf16be}) {
        const IniDocument document(bytes);
        EXPECT_TRUE(document.readWhole());
        EXPECT_EQ(document.value("Alarm", "currentime"), "7:30:00 AM");
        EXPECT_EQ(document.value("Popup", "okornot"), "true");
        EXPECT_EQ(document.withValue("Alarm", "currentime", "9:09:00 AM"), expected);
    }
}

// Breaks texts the ways hand editing breaks them, and checks each result
// against Qt: a text read whole reads the same to both, storing into it
// changes only the value stored (as Qt sees it), and a text not read whole
// becomes one that is, keeping what could be read.
TEST_F(IniDocumentTest, MutatedTextsReadAsQtReadsThem) {
    const std::vector<std::string> seeds = {
        kHandWritten,
        withCrLf(kHandWritten),
        qtWriting({{"Alarm/currentime", "7:30:00 AM"}, {"Popup/okornot", "true"}, {"Odd/v", "a, \"b\"; c\\"}}),
        qtWriting(oddWrites(kOddValues.size() - 1)),  // all but the longest value
    };
    static const std::string kAlphabet = "[]=;\"\\%U,@ \t\r\n#/x0aF+.\0\x80\xC3\xA9\xFF"s;
    std::mt19937 random(16);
    const auto below = [&](std::size_t n) { return n == 0 ? std::size_t{0} : static_cast<std::size_t>(random() % n); };
    int compared = 0, recovered = 0;
    for (int round = 0; round < 1500; ++round) {
        std::string text = seeds[below(seeds.size())];
        for (std::size_t edits = 1 + below(3); edits > 0; --edits) {
            const std::size_t at = below(text.size() + 1);
            switch (below(3)) {
                case 0: if (at < text.size()) text.erase(at, 1 + below(4)); break;
                case 1: text.insert(at, 1, kAlphabet[below(kAlphabet.size())]); break;
                default: if (at < text.size()) text[at] = kAlphabet[below(kAlphabet.size())]; break;
            }
        }
        SCOPED_TRACE(text.substr(0, 4000));
        const IniDocument document(text);
        const std::string stored = document.withValue("Alarm", "currentime", "9:09:00 AM");
        const IniDocument after(stored);
        ASSERT_TRUE(after.readWhole()) << stored;
        const Values qtAfter = qtReading(stored);
        ASSERT_EQ(qtAfter.count("Alarm/currentime"), 1u) << stored;
        EXPECT_EQ(qtAfter.at("Alarm/currentime"), "9:09:00 AM");
        for (const auto& [path, value] : qtAfter) ASSERT_EQ(ourReading(after, path), value) << path << "\n" << stored;
        if (document.readWhole()) {
            ++compared;
            Values qtBefore = qtReading(text);
            for (const auto& [path, value] : qtBefore) ASSERT_EQ(ourReading(document, path), value) << path;
            qtBefore["Alarm/currentime"] = "9:09:00 AM";
            EXPECT_EQ(qtAfter, qtBefore);
        } else {
            ++recovered;
        }
    }
    // Both kinds came up often enough to mean something.
    EXPECT_GT(compared, 300);
    EXPECT_GT(recovered, 300);
}

}  // namespace
}  // namespace vclock::qt
