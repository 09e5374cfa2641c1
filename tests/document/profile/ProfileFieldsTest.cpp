#include "document/profile/ProfileFields.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace varn::test {
namespace {

TEST(ProfileFields, PositionsAreWholeNumbersFromOneToTheLargestInt) {
    const struct {
        const char* field;
        std::int32_t position; // 0: refused
    } cases[] = {{"1", 1},   {" 12 ", 12}, {"0012", 12},         {"2147483647", 2147483647}, {"2147483648", 0},
                 {"0", 0},   {"-5", 0},    {"+5", 0},            {"12a", 0},                 {"1e5", 0},
                 {"", 0},    {"1.0", 0},   {"99999999999999", 0}};
    for (const auto& c : cases) {
        std::int32_t position = 0;
        EXPECT_EQ(parsePosition(c.field, position), c.position > 0) << c.field;
        if (c.position > 0) {
            EXPECT_EQ(position, c.position) << c.field;
        }
    }
}

TEST(ProfileFields, ChromosomeNamesAndWhatIsLeftOut) {
    const struct {
        const char* field;
        int chromosome;
        const char* leftOutAs;
    } cases[] = {
        {"1", 1, ""},
        {"22", 22, ""},
        {"chr7", 7, ""},
        {"Chr12", 12, ""},
        {"X", 23, ""},
        {"chrX", 23, ""},
        {"x", 23, ""},
        {"23", 23, ""},
        {" 5 ", 5, ""},
        {"Y", 0, "Y"},
        {"chrY", 0, "Y"},
        {"24", 0, "Y"},
        {"XY", 0, "XY"},
        {"25", 0, "XY"},
        {"MT", 0, "MT"},
        {"M", 0, "MT"},
        {"chrM", 0, "MT"},
        {"26", 0, "MT"},
        {"0", 0, "0"},
        {"", 0, "(blank)"},
        {"27", 0, "27"},
        {"chrUn_gl000220", 0, "Un_gl000220"},
        {"6_cox_hap2", 0, "6_cox_hap2"},
        {"chr", 0, "chr"},
    };
    for (const auto& c : cases) {
        std::string_view name;
        EXPECT_EQ(parseChromosome(c.field, name), c.chromosome) << c.field;
        if (c.chromosome == 0) {
            EXPECT_EQ(name, c.leftOutAs) << c.field;
        }
    }
}

TEST(ProfileFields, ValuesMissingValuesAndGenotypes) {
    const struct {
        const char* field;
        FieldValue kind;
        float value;
    } values[] = {
        {"0.25", FieldValue::Number, 0.25f}, {"-1e-2", FieldValue::Number, -0.01f},
        {"+0.5", FieldValue::Number, 0.5f},  {" 2 ", FieldValue::Number, 2.0f},
        {"NaN", FieldValue::Missing, 0},     {"NA", FieldValue::Missing, 0},
        {"-", FieldValue::Missing, 0},       {"", FieldValue::Missing, 0},
        {"  ", FieldValue::Missing, 0},      {"inf", FieldValue::Missing, 0},
        {"-inf", FieldValue::Missing, 0},    {"1e999", FieldValue::Missing, 0},
        {"nan", FieldValue::Missing, 0},     {"abc", FieldValue::Bad, 0},
        {"0.5x", FieldValue::Bad, 0},        {"1,5", FieldValue::Bad, 0},
    };
    for (const auto& v : values) {
        float value = NAN;
        EXPECT_EQ(parseValue(v.field, value), v.kind) << v.field;
        if (v.kind == FieldValue::Number) {
            EXPECT_FLOAT_EQ(value, v.value) << v.field;
        }
    }
    const struct {
        const char* field;
        bool ok;
        int code;
    } genotypes[] = {{"AA", true, 1},  {"AB", true, 2}, {"BA", true, 2}, {"BB", true, 3},
                     {"NC", true, 0},  {"--", true, 0}, {"", true, 0},   {"NoCall", true, 0},
                     {"AC", false, 0}, {"1", false, 0}};
    for (const auto& g : genotypes) {
        std::int8_t code = -1;
        EXPECT_EQ(parseGenotype(g.field, code), g.ok) << g.field;
        if (g.ok) {
            EXPECT_EQ(code, g.code) << g.field;
        }
    }
    EXPECT_EQ(genotypeOfAlleles("B", "A"), 2);
    EXPECT_EQ(genotypeOfAlleles("-", "A"), 0);
    EXPECT_EQ(withThousands(12345678), "12,345,678");
}

// The short way for plain decimals must give the float from_chars gives, to the bit, and leave
// everything else to it.
TEST(ProfileFields, DecimalsReadToTheBitAsFromCharsReadsThem) {
    std::vector<std::string> fields = {"-0", "0", "5.", ".5", "-.5", "16777215", "16777216", "16777217",
                                       "1.6777217", "0.00000001", "00000001.5", "--1", "1.2.3", "0.1e1"};
    char text[32];
    for (int i = -40000; i <= 40000; i += 7) {
        std::snprintf(text, sizeof text, "%.4f", i / 10000.0);
        fields.emplace_back(text);
        std::snprintf(text, sizeof text, "%.7f", i / 137.0);
        fields.emplace_back(text);
    }
    for (const std::string& field : fields) {
        float fast = NAN, slow = NAN;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), slow);
        const bool number = error == std::errc() && end == field.data() + field.size();
        ASSERT_EQ(parseValue(field, fast) == FieldValue::Number, number) << field;
        if (number) {
            ASSERT_EQ(std::memcmp(&fast, &slow, sizeof fast), 0) << field;
        }
    }
}

// Fields split eight bytes at a time: a separator at every place of a word, and beside a byte
// that differs from it by one (the borrow of the word-wide test).
TEST(ProfileFields, SplitFindsEverySeparator) {
    std::vector<std::string_view> fields;
    for (std::size_t length = 0; length <= 24; ++length)
        for (std::size_t mask = 0; mask < 64; ++mask) {
            std::string line(length, 'x');
            for (std::size_t i = 0; i < length; ++i)
                if ((mask >> (i % 6)) & 1) line[i] = i % 3 == 0 ? '\x08' : '\t';
            splitFields(line, '\t', fields);
            std::vector<std::string_view> expected;
            std::size_t begin = 0;
            for (std::size_t i = 0; i <= length; ++i)
                if (i == length || line[i] == '\t') {
                    expected.emplace_back(line.data() + begin, i - begin);
                    begin = i + 1;
                }
            ASSERT_EQ(fields, expected) << length << " " << mask;
        }
}

} // namespace
} // namespace varn::test
