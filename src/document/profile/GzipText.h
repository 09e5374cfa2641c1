#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace varn {

// The inflated text of a gzipped file, a request at a time. Two inflaters read the same files
// the same way: zlib's gzread, and ISA-L's igzip where the build found it (VARN_HAVE_ISAL),
// which inflates a 2.5-million-SNP final report in about 170 ms against zlib's 455 and so keeps
// the inflating behind the parsing on two cores. Both check every member's CRC-32 and length.
//
// The file must begin with gzip's two magic bytes (TextStream looks first): zlib would hand any
// other file through as it is, ISA-L refuses it.
//
// What both do, as zlib does:
// - a file of several members (bgzip, or gzipped files joined with cat) is their texts end to
//   end;
// - bytes after a member that begin no other one (gzip's two magic bytes) are ignored;
// - a request that meets damaged or cut-off data hands out none of its bytes: read() fails, and
//   error() says why in zlib's words ("unexpected end of file", "incorrect data check").
enum class Inflater { Zlib, Isal };

// ISA-L where it was built in, else zlib.
Inflater fastestInflater();
// Whether the inflater can be used in this build (zlib always can).
bool inflaterBuilt(Inflater inflater);

class GzipText {
  public:
    GzipText(const std::filesystem::path& path, Inflater inflater = fastestInflater());
    ~GzipText();
    GzipText(const GzipText&) = delete;
    GzipText& operator=(const GzipText&) = delete;

    bool isOpen() const { return zlib_ != nullptr || file_ != nullptr; }
    // Fills into with size bytes of text, fewer only at the text's end; 0 after the end, -1 when
    // the data are damaged or cut off (error() then says why).
    long read(char* into, std::size_t size);
    const std::string& error() const { return error_; }

  private:
    long readZlib(char* into, std::size_t size);
    long readIsal(char* into, std::size_t size);
    bool refill(std::size_t keep); // the next input bytes after the keep unused ones

    void* zlib_ = nullptr;     // gzFile
    std::FILE* file_ = nullptr; // ISA-L's compressed input
    struct IsalState;
    std::unique_ptr<IsalState> isal_;
    bool ended_ = false;
    std::string error_;
};

} // namespace varn
