#include <gtest/gtest.h>
#include <unistd.h>

#include <stdlib.h>
#include <array>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <locale>
#include <random>
#include <string>

#include "ini/IniStore.h"
#include "ini/IniText.h"

namespace fs = std::filesystem;
using plv7::IniStore;

namespace {

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder per test, removed with everything in it afterwards.
class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "plv7-ini-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }
    bool tempFilesLeft() const {
        for (const auto& entry : fs::directory_iterator(folder_)) {
            if (entry.path().filename().string().rfind("ini$$", 0) == 0) return true;
        }
        return false;
    }
    fs::path folder_;
};

}  // namespace

TEST(IniStoreWriting, SerializesSortedSectionsAndItemsByteForByte) {
    IniStore store;
    store.putString("konfig", "outeinheit0", "mV");
    store.putInt("direkt", "yoff", -5);
    store.putDouble("direkt", "Abtastzeit", 0.5);
    store.putInt("com", "port", 3);
    store.putInt("com", "BAUD", 19200);
    store.putInt("com", "adresse", 49);
    EXPECT_EQ(store.serialize(),
              "[com]\r\nadresse = 49\r\nBAUD = 19200\r\nport = 3\r\n\r\n"
              "[direkt]\r\nAbtastzeit = 0.5\r\nyoff = -5\r\n\r\n"
              "[konfig]\r\nouteinheit0 = \"mV\"\r\n\r\n");
}

TEST(IniStoreWriting, EmptyStoreAndEmptySection) {
    EXPECT_EQ(IniStore().serialize(), "");
    EXPECT_EQ(IniStore::fromText("[com]\n").serialize(), "[com]\r\n\r\n");
}

TEST(IniStoreWriting, PutReplacesAValueWhateverTheCaseOfItsTag) {
    IniStore store;
    store.putInt("com", "baud", 4800);
    store.putInt("COM", "Baud", 9600);
    EXPECT_EQ(store.serialize(), "[com]\r\nBaud = 9600\r\n\r\n");
}

TEST(IniStoreWriting, StringsAreQuotedWithoutEscaping) {
    IniStore store;
    store.putString("s", "a", R"( x "y" \n ;= )");
    store.putString("s", "empty", "");
    EXPECT_EQ(store.serialize(), "[s]\r\na = \" x \"y\" \\n ;= \"\r\nempty = \"\"\r\n\r\n");
    const IniStore back = IniStore::fromText(store.serialize());
    EXPECT_EQ(back.getString("s", "a"), R"( x "y" \n ;= )");
    EXPECT_EQ(back.getString("s", "empty"), "");
}

TEST(IniStoreWriting, LineBreakInAStringCannotInjectItems) {
    IniStore store;
    store.putString("s", "unit", "V\r\n[com]\nport = 5");
    const IniStore back = IniStore::fromText(store.serialize());
    EXPECT_FALSE(back.hasSection("com"));
    EXPECT_EQ(back.getString("s", "unit"), "V  [com] port = 5");
}

TEST(IniStoreWriting, LongStringIsSplitIntoNumberedLinesAndJoinedBack) {
    const std::string exactly80(80, 'a');
    IniStore store;
    store.putString("s", "short", exactly80);
    EXPECT_EQ(store.serialize(), "[s]\r\nshort = \"" + exactly80 + "\"\r\n\r\n");

    const std::string long_value = std::string(80, 'x') + std::string(80, 'y') + "z";
    store.putString("s", "text", long_value);
    EXPECT_EQ(store.serialize(), "[s]\r\nshort = \"" + exactly80 + "\"\r\n" + "text Line0001 = \"" +
                                     std::string(80, 'x') + "\"\r\n" + "text Line0002 = \"" +
                                     std::string(80, 'y') + "\"\r\n" +
                                     "text Line0003 = \"z\"\r\n\r\n");
    EXPECT_EQ(store.getString("s", "text"), long_value);
    EXPECT_EQ(IniStore::fromText(store.serialize()).getString("S", "TEXT"), long_value);
}

TEST(IniStoreWriting, ReplacingASplitValueDropsItsOldLines) {
    IniStore store;
    store.putString("s", "text", std::string(200, 'x'));
    store.putString("s", "text Linear", "kept");
    store.putString("s", "text", "short");
    EXPECT_EQ(store.serialize(), "[s]\r\ntext = \"short\"\r\ntext Linear = \"kept\"\r\n\r\n");
    store.putString("s", "text", std::string(90, 'y'));
    EXPECT_EQ(store.getString("s", "text"), std::string(90, 'y'));
    EXPECT_EQ(IniStore::fromText(store.serialize()).getString("s", "text"), std::string(90, 'y'));
}

TEST(IniStoreWriting, JoiningStopsAtTheFirstMissingLine) {
    const IniStore store = IniStore::fromText(
        "[s]\nt Line0001 = \"ab\"\nt Line0002 = \"cd\"\nt Line0004 = \"ef\"\n"
        "u Line0002 = \"x\"\n");
    EXPECT_EQ(store.getString("s", "t"), "abcd");
    EXPECT_EQ(store.getString("s", "u"), std::nullopt);
}

TEST(IniStoreNumbers, DoublesAreWrittenAsPercentPoint16g) {
    const std::pair<double, const char*> cases[] = {
        {10, "10"},
        {0.001, "0.001"},
        {34560, "34560"},
        {1e-05, "1e-05"},
        {1.5e20, "1.5e+20"},
        {0.1, "0.1"},
        {-2.5, "-2.5"},
        {0, "0"},
        {1e16, "1e+16"},
        {1234567890123456.0, "1234567890123456"},
        {1.0 / 3, "0.3333333333333333"},
        {0.0001, "0.0001"},
        {123456789012345678.0, "1.234567890123457e+17"}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(plv7::ini::formatDouble(value), text) << value;
    }
}

TEST(IniStoreNumbers, DoubleFormatMatchesPrintfOverManyValues) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        std::array<char, 64> expected{};
        std::snprintf(expected.data(), expected.size(), "%.16g", value);
        ASSERT_EQ(plv7::ini::formatDouble(value), expected.data());
    }
}

TEST(IniStoreNumbers, NumbersKeepTheirDotUnderACommaLocale) {
    // The C++ global locale is what stream-based formatting would pick up; the locale owns
    // the facet it is given.
    struct CommaDecimal : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaDecimal));
    IniStore store;
    store.putDouble("s", "d", 0.25);
    const auto back = IniStore::fromText(store.serialize()).getDouble("s", "d");
    std::locale::global(previous);
    EXPECT_EQ(store.serialize(), "[s]\r\nd = 0.25\r\n\r\n");
    EXPECT_EQ(back, 0.25);
}

TEST(IniStoreNumbers, NumbersKeepTheirDotUnderAGermanCLocale) {
    const char* german = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "de_DE@euro", "fr_FR.UTF-8",
                             "fr_FR.utf8", "it_IT.UTF-8", "es_ES.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            german = name;
            break;
        }
    }
    if (german == nullptr) {
        GTEST_SKIP() << "no locale with a decimal comma is installed (see locale -a)";
    }
    IniStore store;
    store.putDouble("s", "d", 1234.5);
    store.putDouble("s", "e", 1.5e-7);
    const IniStore back = IniStore::fromText(store.serialize());
    const std::string text = store.serialize();
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(text, "[s]\r\nd = 1234.5\r\ne = 1.5e-07\r\n\r\n") << german;
    EXPECT_EQ(back.getDouble("s", "d"), 1234.5);
    EXPECT_EQ(back.getDouble("s", "e"), 1.5e-7);
}

TEST(IniStoreNumbers, IntegersMustBeWholeValidNumbers) {
    const IniStore store = IniStore::fromText(
        "[n]\nplain = 42\nneg = -7\nplus = +8\nquoted = \"12\"\nzero = -0\n"
        "frac = 4.5\ntrail = 12abc\nspace = \"1 2\"\nsign = -\nsigns = +-3\nhex = 0x10\n"
        "big = 9223372036854775807\nhuge = 9223372036854775808\nword = abc\nexp = 1e3\n");
    EXPECT_EQ(store.getInt("n", "plain"), 42);
    EXPECT_EQ(store.getInt("n", "neg"), -7);
    EXPECT_EQ(store.getInt("n", "plus"), 8);
    EXPECT_EQ(store.getInt("n", "quoted"), 12);
    EXPECT_EQ(store.getInt("n", "zero"), 0);
    EXPECT_EQ(store.getInt("n", "big"), 9223372036854775807L);
    for (const char* tag :
         {"frac", "trail", "space", "sign", "signs", "hex", "huge", "word", "exp", "missing"}) {
        EXPECT_EQ(store.getInt("n", tag), std::nullopt) << tag;
    }
}

TEST(IniStoreNumbers, DoublesMustBeWholeFiniteNumbers) {
    const IniStore store = IniStore::fromText(
        "[d]\na = 0.001\nb = -1.5e+20\nc = +3\nd = 7\ne = .5\nf = 1e-05\n"
        "bad1 = 1,5\nbad2 = 1e\nbad3 = inf\nbad4 = nan\nbad5 = 1e999\nbad6 = 0x1p3\n"
        "bad7 = 2.5V\nbad8 = +-1\n");
    EXPECT_EQ(store.getDouble("d", "a"), 0.001);
    EXPECT_EQ(store.getDouble("d", "b"), -1.5e20);
    EXPECT_EQ(store.getDouble("d", "c"), 3.0);
    EXPECT_EQ(store.getDouble("d", "d"), 7.0);
    EXPECT_EQ(store.getDouble("d", "e"), 0.5);
    EXPECT_EQ(store.getDouble("d", "f"), 1e-5);
    for (const char* tag : {"bad1", "bad2", "bad3", "bad4", "bad5", "bad6", "bad7", "bad8"}) {
        EXPECT_EQ(store.getDouble("d", tag), std::nullopt) << tag;
    }
}

TEST(IniStoreNumbers, WrittenNumbersReadBack) {
    IniStore store;
    store.putInt("n", "min", std::numeric_limits<long>::min());
    store.putDouble("n", "third", 1.0 / 3);
    store.putDouble("n", "tiny", 4.9406564584124654e-324);
    store.putDouble("n", "nan", std::nan(""));
    const IniStore back = IniStore::fromText(store.serialize());
    EXPECT_EQ(back.getInt("n", "min"), std::numeric_limits<long>::min());
    EXPECT_NEAR(*back.getDouble("n", "third"), 1.0 / 3, 1e-16);
    EXPECT_EQ(back.getDouble("n", "tiny"), 4.9406564584124654e-324);
    EXPECT_EQ(back.getDouble("n", "nan"), std::nullopt);
}

TEST(IniStoreReading, CommentsHeadersBlanksAndCase) {
    const IniStore store = IniStore::fromText(
        "top = 1\n"             // before the first section: ignored
        "  ; comment = 1\n"     // comment after blanks
        "[ Com ]  \t\n"         // blanks around the name and after ']'
        "\t BAUD\t=\t19200 \n"  // blanks and tabs around tag and value
        "no equals sign\n"
        "empty =   \n"    // empty value: ignored
        " = 5\n"          // empty tag: ignored
        "expr = a = b\n"  // first '=' splits
        "[broken] x\n"    // not a header: items stay in com
        "after = 2\n"
        "[a]b]\n"  // the last ']' closes the name
        "c = 3\n"
        "[unclosed\n"
        "d = 4\n");
    EXPECT_EQ(store.getInt("COM", "baud"), 19200);
    EXPECT_EQ(store.getString("com", "expr"), "a = b");
    EXPECT_EQ(store.getInt("com", "after"), 2);
    EXPECT_EQ(store.getInt("a]b", "c"), 3);
    EXPECT_EQ(store.getInt("a]b", "d"), 4);
    EXPECT_EQ(store.getString("com", "empty"), std::nullopt);
    EXPECT_EQ(store.getString("com", "; comment"), std::nullopt);
    EXPECT_FALSE(store.hasSection("broken"));
    EXPECT_FALSE(store.hasSection("unclosed"));
    EXPECT_EQ(store.serialize(),
              "[a]b]\r\nc = 3\r\nd = 4\r\n\r\n"
              "[Com]\r\nafter = 2\r\nBAUD = 19200\r\nexpr = a = b\r\n\r\n");
}

TEST(IniStoreReading, QuotesAreRemovedOnlyAsAPair) {
    const IniStore store =
        IniStore::fromText("[s]\na = \"V\"\nb = \"open\nc = close\"\nd = \"\ne = \"\"\"\n");
    EXPECT_EQ(store.getString("s", "a"), "V");
    EXPECT_EQ(store.getString("s", "b"), "\"open");
    EXPECT_EQ(store.getString("s", "c"), "close\"");
    EXPECT_EQ(store.getString("s", "d"), "\"");
    EXPECT_EQ(store.getString("s", "e"), "\"");
}

TEST(IniStoreReading, CrLfAndLfLineEndsAndRepeatedSections) {
    const IniStore store = IniStore::fromText("[s]\r\na = 1\r\n[t]\nb = 2\n[S]\r\nc = 3\r\na = 9");
    EXPECT_EQ(store.getInt("s", "a"), 9);
    EXPECT_EQ(store.getInt("s", "c"), 3);
    EXPECT_EQ(store.getInt("t", "b"), 2);
    EXPECT_EQ(store.serialize(), "[s]\r\na = 9\r\nc = 3\r\n\r\n[t]\r\nb = 2\r\n\r\n");
}

TEST(IniStoreReading, OnlyTheFirst255CharactersOfALineCount) {
    const std::string value_253(253, 'v');
    const std::string tail = "[evil]\nx = 1";  // would be a header if the rest were a new line
    const IniStore store = IniStore::fromText("[s]\r\nt=" + value_253 + "\r\nu=" + value_253 + "w" +
                                              tail + "\r\nafter = 1\r\n");
    EXPECT_EQ(store.getString("s", "t"), value_253);
    EXPECT_EQ(store.getString("s", "u"), value_253);
    EXPECT_EQ(store.getInt("s", "after"), 1);
    EXPECT_FALSE(store.hasSection("evil"));
    EXPECT_EQ(store.getInt("evil", "x"), std::nullopt);
}

TEST(IniStoreReading, LeadingBlanksCountTowardsTheLineLimit) {
    const IniStore store = IniStore::fromText("[s]\n" + std::string(250, ' ') + "t = 123456\n");
    EXPECT_EQ(store.getString("s", "t"), "1");
}

TEST(IniStoreReading, ParseAddsToTheStoreAndClearEmptiesIt) {
    IniStore store = IniStore::fromText("[s]\na = 1\n");
    store.parse("b = 2\n[t]\nc = 3\n");  // no section yet in this text: b is dropped
    EXPECT_EQ(store.serialize(), "[s]\r\na = 1\r\n\r\n[t]\r\nc = 3\r\n\r\n");
    store.clear();
    EXPECT_FALSE(store.hasSection("s"));
    EXPECT_EQ(store.serialize(), "");
}

TEST_F(IniFileTest, ReadFileReportsMissingAndUnreadableFiles) {
    IniStore store;
    store.putInt("keep", "a", 1);
    EXPECT_EQ(store.readFile((folder_ / "absent.ini").string()), IniStore::ReadResult::NotFound);
    EXPECT_EQ(store.readFile((folder_ / "absent" / "x.ini").string()),
              IniStore::ReadResult::NotFound);
    EXPECT_EQ(store.readFile(folder_.string()), IniStore::ReadResult::Failed);
    EXPECT_EQ(store.getInt("keep", "a"), 1);
}

TEST_F(IniFileTest, ReadFileWithoutReadPermissionFails) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    const fs::path path = folder_ / "locked.ini";
    writeBytes(path, "[s]\r\na = 1\r\n");
    fs::permissions(path, fs::perms::none);
    IniStore store;
    EXPECT_EQ(store.readFile(path.string()), IniStore::ReadResult::Failed);
}

TEST_F(IniFileTest, WriteThenReadReplacesTheContent) {
    const fs::path path = folder_ / "plv7.ini";
    IniStore store;
    store.putInt("com", "baud", 19200);
    store.putString("konfig", "ineinheit0", "bar");
    ASSERT_TRUE(store.writeFile(path.string()));
    EXPECT_EQ(readBytes(path),
              "[com]\r\nbaud = 19200\r\n\r\n[konfig]\r\nineinheit0 = \"bar\"\r\n\r\n");
    EXPECT_FALSE(tempFilesLeft());

    IniStore other;
    other.putInt("old", "x", 1);
    ASSERT_EQ(other.readFile(path.string()), IniStore::ReadResult::Ok);
    EXPECT_FALSE(other.hasSection("old"));
    EXPECT_EQ(other.serialize(), store.serialize());
}

TEST_F(IniFileTest, WriteReplacesAnExistingFileAndKeepsItsPermissions) {
    const fs::path path = folder_ / "plv7.ini";
    writeBytes(path, "old content that is much longer than the new one\r\n");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    IniStore store;
    store.putInt("s", "a", 1);
    ASSERT_TRUE(store.writeFile(path.string()));
    EXPECT_EQ(readBytes(path), "[s]\r\na = 1\r\n\r\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(IniFileTest, WriteSkipsTempNamesThatAreTaken) {
    const fs::path taken = folder_ / "ini$$0.TMP";
    writeBytes(taken, "someone else's");
    IniStore store;
    store.putInt("s", "a", 1);
    ASSERT_TRUE(store.writeFile((folder_ / "x.ini").string()));
    EXPECT_EQ(readBytes(taken), "someone else's");
    EXPECT_FALSE(fs::exists(folder_ / "ini$$1.TMP"));
    EXPECT_EQ(readBytes(folder_ / "x.ini"), "[s]\r\na = 1\r\n\r\n");
}

TEST_F(IniFileTest, WriteOverADirectoryFailsAndLeavesNoTempFile) {
    const fs::path target = folder_ / "settings.ini";
    fs::create_directory(target);
    writeBytes(target / "inside", "x");
    IniStore store;
    store.putInt("s", "a", 1);
    EXPECT_FALSE(store.writeFile(target.string()));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(readBytes(target / "inside"), "x");
    EXPECT_FALSE(tempFilesLeft());
}

TEST_F(IniFileTest, WriteIntoAMissingFolderFails) {
    IniStore store;
    store.putInt("s", "a", 1);
    EXPECT_FALSE(store.writeFile((folder_ / "no" / "x.ini").string()));
    EXPECT_FALSE(store.writeFile(""));
}

TEST_F(IniFileTest, WriteIntoAReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    const fs::path path = folder_ / "plv7.ini";
    const std::string old = "[com]\r\nport = 2\r\n\r\n";
    writeBytes(path, old);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    IniStore store;
    store.putInt("com", "port", 5);
    EXPECT_FALSE(store.writeFile(path.string()));
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(readBytes(path), old);
    EXPECT_FALSE(tempFilesLeft());
}

TEST_F(IniFileTest, WriteOverAReadOnlyFileFailsAndKeepsIt) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    const fs::path path = folder_ / "plv7.ini";
    const std::string old = "[com]\r\nport = 2\r\n\r\n";
    writeBytes(path, old);
    fs::permissions(path, fs::perms::owner_read);
    IniStore store;
    store.putInt("com", "port", 5);
    EXPECT_FALSE(store.writeFile(path.string()));
    EXPECT_EQ(readBytes(path), old);
    EXPECT_FALSE(tempFilesLeft());
}
