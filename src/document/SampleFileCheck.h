#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace varn {

// The two kinds of sample file the readers take: probe intensities (a serial number, the SNP
// identifier and 40 intensities per line) and genotype calls (a call token per line, no
// intensities).
enum class SampleFileKind { Signal, Calls };

// Both readers cut their lines with fgets into a buffer of this size.
inline constexpr std::size_t kSampleLineBuffer = 4096;

// What a sample file holds, learned before any of it reaches the document: enough to tell a
// file of the other array, of the other kind, or no text at all from the file the reader wants.
struct SampleFileSurvey {
    int dataLines = 0;   // pieces after the two header lines, as the reader's line buffer cuts them
    int headerArray = 0; // 1 Xba or 2 Hind when the first line names exactly one of the arrays
    bool hasZeroBytes = false;
    bool readFailed = false; // the file could not be read to its end (its reader reports that)
    // Among the first data lines: lines with all 40 intensities, lines with a call token after
    // their first character (and fewer than 40 numbers), and lines looked at.
    int signalLines = 0;
    int callLines = 0;
    int sampledLines = 0;
};

// Surveys the bytes of a file as the reader will cut them (fgets pieces of bufferSize).
SampleFileSurvey surveySampleText(std::string_view bytes, std::size_t bufferSize);
SampleFileSurvey surveySampleFile(const std::filesystem::path& path, std::size_t bufferSize);

// The array's name as its files and dialogs spell it: "Xba 50K", "Hind 50K".
const char* arrayName(int t);

// Why the file cannot be the wanted kind of file of array t (whose files hold ownCount data
// lines; the other array's hold otherCount), in one sentence that names the file; nothing when
// it may be. Short or partly unscannable files of the right kind and array pass.
std::optional<std::string> sampleFileRefusal(const SampleFileSurvey& survey, const std::filesystem::path& path,
                                             SampleFileKind wanted, int t, int ownCount, int otherCount);

// Why a file that may be of the wanted kind and array is still no sample to analyse: most of the
// data lines looked at are not SNP lines of that kind, or it covers under half of the array's
// ownCount SNPs. One sentence that names the file and says what it holds; nothing when it is one.
std::optional<std::string> thinSampleFileRefusal(const SampleFileSurvey& survey,
                                                 const std::filesystem::path& path, SampleFileKind wanted,
                                                 int t, int ownCount);

// The warning for a file of the right kind and array that is not complete: fewer or more data
// lines than the array has records, or lines that gave nothing. Nothing for a complete file.
std::optional<std::string> sampleFileWarning(const std::filesystem::path& path, SampleFileKind wanted, int t,
                                             int dataLines, int incompleteLines, int ownCount);

} // namespace varn
