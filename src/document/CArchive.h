#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace varn {

// The document's binary archive over a byte buffer, in the layout of the application framework
// the pool files were first written with: little-endian integers and IEEE floats, and strings as
// a length prefix and the characters without terminator.
//
// A loading archive never reads past its buffer: a read that runs out marks the archive
// truncated and gives zeros. A storing archive that its writer could not fill is marked failed.
class CArchive {
public:
    // A storing archive, empty.
    CArchive();
    // A loading archive over the bytes of a file.
    explicit CArchive(std::string bytes);

    bool IsStoring() const { return storing_; }
    bool IsLoading() const { return !storing_; }

    // ---- storing ----
    void writeInt32(std::int32_t value);
    void writeFloat(float value);
    void writeBytes(const void* data, std::size_t size);
    // Written with the shortest length form: one byte below 255, else 0xFF and a 16-bit length
    // below 0xFFFF, else 0xFF 0xFFFF and a 32-bit length.
    void writeString(std::string_view text);
    void markFailed() { failed_ = true; }
    bool failed() const { return failed_; }
    const std::string& bytes() const { return bytes_; }

    // ---- loading ----
    std::int32_t readInt32();
    float readFloat();
    // False (and the archive truncated) when fewer than size bytes are left; nothing is copied then.
    bool readBytes(void* data, std::size_t size);
    // Accepts every length form, and a wide string (length mark 0xFFFE) whose UTF-16 characters
    // are taken as bytes, characters beyond ASCII as '?'.
    std::string readString();
    bool truncated() const { return truncated_; }
    // A loading archive whose bytes are not what its reader takes: marked failed, with the
    // reader's message and, in words, why.
    void refuse(std::string message, std::string reason) {
        failed_ = true;
        refusalMessage_ = std::move(message);
        refusalReason_ = std::move(reason);
    }
    const std::string& refusalMessage() const { return refusalMessage_; }
    const std::string& refusalReason() const { return refusalReason_; }
    std::size_t position() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    // Moves the read position; false (and truncated) when it lies past the end.
    bool seek(std::size_t position);
    bool skip(std::size_t size);

private:
    std::uint64_t readUnsigned(std::size_t size);
    std::uint64_t readStringLength(bool& wide);

    std::string bytes_;
    std::size_t pos_ = 0;
    bool storing_;
    bool truncated_ = false;
    bool failed_ = false;
    std::string refusalMessage_, refusalReason_;
};

} // namespace varn
