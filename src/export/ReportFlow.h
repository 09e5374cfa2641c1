#pragma once

#include <vector>

namespace varn {

// One block of a report's flow down its pages: a line of text, a table row, a picture. Heights in
// device pixels.
struct FlowBlock {
    int height = 0;
    bool keepWithNext = false; // a heading, a picture above its table, a table's head: never the
                               // last block of a page
    int head = -1;             // a table row: the block of its column heads, repeated above the row
                               // when the row starts a page
    bool newPage = false;      // starts a page of its own
};

// Where a block lands: its page (from 0) and its top, from the top of the page's text area. A
// repeated table head is placed again under its own block number.
struct PlacedBlock {
    int block = 0;
    int page = 0;
    int y = 0;
};

// Lays the blocks out in order on pages of the given height. A page ends only when the next
// block, with the blocks it keeps with, does not fit, so a table's last rows share a page with
// what follows instead of standing alone. A group taller than a page starts a page and goes on to
// the next at the first of its blocks that does not fit.
std::vector<PlacedBlock> flowIntoPages(const std::vector<FlowBlock>& blocks, int pageHeight);

} // namespace varn
