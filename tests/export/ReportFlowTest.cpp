#include "export/ReportFlow.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace varn {
namespace {

FlowBlock text(int height) { return {height, false, -1, false}; }
FlowBlock keep(int height) { return {height, true, -1, false}; }
FlowBlock row(int height, int head) { return {height, false, head, false}; }
FlowBlock newPage(int height) { return {height, false, -1, true}; }

// "block@page" for every placed block, in order.
std::string pages(const std::vector<PlacedBlock>& placed) {
    std::string s;
    for (const PlacedBlock& b : placed) s += (s.empty() ? "" : " ") + std::to_string(b.block) + "@" + std::to_string(b.page);
    return s;
}

TEST(ReportFlow, PagesEndOnlyWhereTheNextGroupDoesNotFit) {
    struct Case {
        const char* what;
        std::vector<FlowBlock> blocks;
        const char* expected;
    };
    std::vector<FlowBlock> table{keep(10)};
    for (int k = 0; k < 12; ++k) table.push_back(row(10, 0));
    std::vector<FlowBlock> tableThenSection = table;
    for (const FlowBlock& b : {keep(10), keep(30), keep(10), row(10, 15)}) tableThenSection.push_back(b);
    const Case cases[] = {
        {"a heading goes with its picture", {text(60), keep(10), text(50)}, "0@0 1@1 2@1"},
        {"the table's last rows go on under its heads, and the next section follows them", tableThenSection,
         "0@0 1@0 2@0 3@0 4@0 5@0 6@0 7@0 8@0 9@0 0@1 10@1 11@1 12@1 13@1 14@1 15@1 16@1"},
        {"a group taller than a page starts one and goes on where a block does not fit",
         {text(30), keep(10), keep(80), keep(30), text(10)}, "0@0 1@1 2@1 3@2 4@2"},
        {"a new page is not started on an empty one", {newPage(10), text(10), newPage(10)}, "0@0 1@0 2@1"},
    };
    for (const Case& c : cases) EXPECT_EQ(pages(flowIntoPages(c.blocks, 100)), c.expected) << c.what;
}

} // namespace
} // namespace varn
