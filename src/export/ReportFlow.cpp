#include "ReportFlow.h"

namespace varn {

namespace {

// The height of block i and of every block it is kept with.
int groupHeight(const std::vector<FlowBlock>& blocks, std::size_t i) {
    int height = 0;
    for (std::size_t k = i; k < blocks.size(); ++k) {
        height += blocks[k].height;
        if (!blocks[k].keepWithNext) break;
    }
    return height;
}

} // namespace

std::vector<PlacedBlock> flowIntoPages(const std::vector<FlowBlock>& blocks, int pageHeight) {
    std::vector<PlacedBlock> placed;
    int page = 0, y = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const FlowBlock& block = blocks[i];
        const int head = block.head >= 0 && static_cast<std::size_t>(block.head) < blocks.size() ? block.head : -1;
        const int headHeight = head >= 0 ? blocks[static_cast<std::size_t>(head)].height : 0;
        // A group moves to the next page whole when it does not fit; inside a group taller than
        // a page only the block that does not fit goes on.
        const bool inGroup = i > 0 && blocks[i - 1].keepWithNext;
        const int needed = inGroup ? block.height : groupHeight(blocks, i);
        if (y > 0 && ((block.newPage && !inGroup) || y + needed > pageHeight)) {
            ++page;
            y = 0;
        }
        // A row that starts a page below its head's page is read under its column heads again.
        if (y == 0 && head >= 0 && !placed.empty() && !(placed.back().block == head && placed.back().page == page)) {
            placed.push_back({head, page, y});
            y += headHeight;
        }
        placed.push_back({static_cast<int>(i), page, y});
        y += block.height;
    }
    return placed;
}

} // namespace varn
