// The fast order of names agrees with the collator itself, which decides every comparison.
#include "widgets/AsciiNameOrder.h"
#include "widgets/NameCollator.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <unicode/ucol.h>

namespace {

QStringList mixedNames() {
    QStringList names = {
        "Sound 10",  "sound 9",   "Sound 010", "SOUND 10", "sound-10", "sound_10", "sound.10",
        "sound 10 ", " sound 10", "sound10",   "Beep",     "beep",     "bEEP",     "Bêep",
        "beép",      "Béep",      "Zebra",     "Åsa",      "Ärger",    "arger",    "Œuvre",
        "oeuvre",    "Straße",    "strasse",   "ﬁle",      "file",     "Čaj",      "caj",
        "chata",     "hrad",      "Ꭰ",         "日本",     "名前",     "ü",        "u",
        "U",         "!bang",     "#hash",     "$dollar",  "&amp",     "'quote'",  "(paren)",
        "+plus",     ",comma",    ";semi",     "<less",    "=eq",      "@at",      "[bracket]",
        "^caret",    "`tick",     "{brace}",   "~tilde",   "a\tb",     "ab",       "a\u0001b",
        "0",         "00",        "000",       "1",        "9",        "a",        "",
        "Sound 10",  "sound 9",   "Ω",         "x\u0301",  "á",        "a\u0301",  "\u00a0nbsp",
        "e\u0300",   "è",
    };
    // Names that are not UTF-8, as the folder scan reads them.
    for (const char* bytes : {"caf\xe9", "caf\xc3", "\xff\xfe", "Sound \x80 take", "ok\xe9ok"})
        names << QFile::decodeName(QByteArray(bytes));
    return names;
}

QStringList byCollatorAlone(const NameCollator& collator, QStringList names) {
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    return names;
}

QString randomAsciiName(std::mt19937& random) {
    // Mostly printable characters, some control characters the collator ignores.
    std::uniform_int_distribution<int> length(0, 6), printable(32, 126), anyAscii(0, 127);
    QString name;
    for (int i = length(random); i > 0; --i)
        name += QChar(random() % 8 == 0 ? anyAscii(random) : printable(random));
    return name;
}

} // namespace

TEST(NameOrder, SortedRowsAreThoseOfTheCollatorOnAMixedSet) {
    const NameCollator collator;
    QStringList names = mixedNames();
    std::mt19937 random(17);
    for (int i = 0; i < 3000; ++i)
        names << randomAsciiName(random);
    std::shuffle(names.begin(), names.end(), random);
    EXPECT_EQ(collator.sorted(names), byCollatorAlone(collator, names));

    QStringList plain; // all on the fast path
    for (const QString& name : names)
        if (std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 128; }))
            plain << name;
    EXPECT_EQ(collator.sorted(plain), byCollatorAlone(collator, plain));
}

// Languages whose collation joins ASCII letters or orders them differently: the fast order
// either agrees with the collator or leaves the names to it.
TEST(NameOrder, RankStringsCompareAsTheCollatorForManyLanguages) {
    std::mt19937 random(4);
    for (const char* language : {"", "en", "cs", "da", "sv", "fi", "fr", "de", "tr", "ja", "es",
                                 "hu", "cy", "hr", "sk", "lt", "vi"}) {
        UErrorCode status = U_ZERO_ERROR;
        const std::unique_ptr<UCollator, decltype(&ucol_close)> collator(
            ucol_open(language, &status), &ucol_close);
        ASSERT_TRUE(U_SUCCESS(status)) << language;
        ucol_setStrength(collator.get(), UCOL_SECONDARY);
        const AsciiNameOrder order(collator.get());
        // The sequences some languages join into one letter, beside their neighbours.
        const QStringList joined = {"chata", "hrad", "cizi", "Ch", "CH", "aa", "Aa", "ab", "zz",
                                    "az",    "ll",   "lz",   "rr", "rs", "dz", "ng", "ij", "y"};
        int decided = 0;
        for (int i = 0; i < 20000 + int(joined.size() * joined.size()); ++i) {
            const bool fixed = i < int(joined.size() * joined.size());
            const QString a = fixed ? joined[i / joined.size()] : randomAsciiName(random);
            const QString b = fixed ? joined[i % joined.size()] : randomAsciiName(random);
            std::vector<uint8_t> keyA, keyB;
            if (!order.appendKey(a, keyA) || !order.appendKey(b, keyB))
                continue;
            const int expected = ucol_strcoll(
                collator.get(), reinterpret_cast<const UChar*>(a.utf16()), int32_t(a.size()),
                reinterpret_cast<const UChar*>(b.utf16()), int32_t(b.size()));
            const int fast = keyA < keyB ? -1 : keyB < keyA ? 1 : 0;
            ++decided;
            ASSERT_EQ(fast, expected)
                << language << ": '" << qPrintable(a) << "' vs '" << qPrintable(b) << "'";
        }
        if (language == std::string("en")) {
            EXPECT_GT(decided, 10000) << "English names take the fast order";
        }
    }
}
