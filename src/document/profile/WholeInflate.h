#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>

namespace varn {

// A gzipped file inflated in one go into memory, with libdeflate where the build has it: about
// twice as fast as zlib's streaming inflate, but only for whole buffers. A file of several
// gzip members (bgzip's blocks, concatenated files) is inflated member by member.
struct InflatedText {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
};

// Largest text taken this way (a 2.5-million SNP report holds about 170 MB); a bigger file
// streams through zlib in bounded memory.
inline constexpr std::size_t kMaxWholeText = std::size_t{512} << 20;

// Inflates the open gzipped file (read from its start) into text. False, with text empty, when
// the build has no libdeflate, the file is too big, or its data are damaged in any way: zlib's
// streaming road then reads it and says what is wrong exactly where it goes wrong.
bool inflateWhole(std::FILE* file, InflatedText& text);

} // namespace varn
