// The line that confirms a written file names it as the person knows it.
#include "document/InstallRoot.h"
#include "document/WrittenReport.h"

#include <gtest/gtest.h>

namespace varn {

TEST(WrittenReport, PathsAreShownFromTheRootTheViewFolderOrWhole) {
    const InstallRoot root("/data/VARN/");
    const struct {
        const char* verb;
        const char* path;
        const char* shown;
    } cases[] = {
        {"Stored", "/data/VARN/temporary files/Tumor1X.temp", "Stored temporary files/Tumor1X.temp"},
        {"Wrote", "/data/VARN/./IGBfiles/Tumor1XLOH.sgr", "Wrote IGBfiles/Tumor1XLOH.sgr"},
        {"Wrote", "/data/VARN View/Tumor1X.cng", "Wrote ../VARN View/Tumor1X.cng"},
        {"Saved", "/data/pools/XbaPool.ref", "Saved /data/pools/XbaPool.ref"},
        // A sibling whose name merely starts like the root's is not inside it.
        {"Wrote", "/data/VARN2/x.png", "Wrote /data/VARN2/x.png"},
    };
    for (const auto& c : cases) EXPECT_EQ(writtenReport(c.verb, c.path, root), c.shown) << c.path;
}

} // namespace varn
