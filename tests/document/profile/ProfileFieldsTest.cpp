#include "document/profile/ProfileFields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace varn::test {
namespace {

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

} // namespace
} // namespace varn::test
