// Twin solutions of a profile: a doubled twin that fits as well gives way to the undoubled one;
// solutions that are no twins, or fit worse, keep their order and the fit its verdict.
#include "engine/analysis/TwinSolutions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varn {
namespace {

struct Listed {
    double purity, ploidy, cost;
    bool doubled;
};

TEST(TwinSolutions, TheUndoubledTwinLeadsOnlyWhereItFitsAsWell) {
    struct Case {
        const char* what;
        std::vector<Listed> listed;
        double firstPurity; // after
        const char* note;   // "" where nothing changes
    };
    const Case cases[] = {
        {"doubling", {{0.49, 3.56, 10.0, true}, {0.66, 1.78, 10.1, false}}, 0.66,
         "49 % with ploidy 3.56 fits as well with a doubled genome: taken as not doubled"},
        {"one copy of each parent more, and the doubling",
         {{0.86, 3.78, 5.0, true}, {0.30, 3.56, 5.1, true}, {0.46, 1.78, 5.2, false}}, 0.46,
         "86 % with ploidy 3.78 and 30 % with ploidy 3.56 fit as well with a doubled genome: taken as not doubled"},
        {"fits clearly worse", {{0.49, 3.56, 10.0, true}, {0.66, 1.78, 30.0, false}}, 0.49, ""},
        {"not its twin", {{0.49, 3.56, 10.0, true}, {0.80, 1.90, 10.1, false}}, 0.49, ""},
        {"the best is undoubled already", {{0.66, 1.78, 10.0, false}, {0.49, 3.56, 10.1, true}}, 0.66,
         "49 % with ploidy 3.56 fits as well with a doubled genome: taken as not doubled"},
    };
    for (const Case& c : cases) {
        PurityPloidyFit fit;
        fit.available = true;
        fit.dispersion = 1.0;
        fit.why = "cannot tell";
        for (const Listed& l : c.listed) {
            PurityPloidySolution s;
            s.purity = l.purity;
            s.ploidy = l.ploidy;
            s.cost = l.cost;
            s.doubled = l.doubled;
            s.alteredShare = 0.8;
            fit.solutions.push_back(s);
        }
        EXPECT_EQ(preferUndoubledTwin(fit, kPurityPloidyParameters), c.note) << c.what;
        EXPECT_EQ(fit.solutions.front().purity, c.firstPurity) << c.what;
        EXPECT_EQ(fit.solutions.size(), c.listed.size()) << c.what;
        EXPECT_EQ(fit.decided, std::string(c.note) != "") << c.what;
    }
}

} // namespace
} // namespace varn
