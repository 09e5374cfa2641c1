#pragma once

#include "document/CVARNDoc.h"
#include "document/CollectingUserInterface.h"
#include "view/CVARNView.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace varn::fuzz {

// The user interface of the harnesses: messages are kept only for the input being run, the
// sample type dialog answers with a preset type, the open-file chooser with a preset path, and
// everything else is cancelled (Save As included).
class FuzzUi : public CollectingUserInterface {
public:
    int sampleType = 0;
    std::optional<std::filesystem::path> chosenFile;

    std::optional<std::filesystem::path> openFile(const FileChooserOptions&) override { return chosenFile; }
    DialogResult sampleTypeSelect(CSampleTypeSelect& dialog) override;
};

// One document and view per fuzzing process, over a scratch installation in a RAM-backed folder
// when there is one: the demo annotation tables are written there and loaded by the document,
// and both arrays get a small pool of four references. The document's arrays are shortened to
// 1,500 Xba and 1,200 Hind records, so that an input costs what its own bytes cost and not the
// walk over 116,204 records that a real array's length would add to every one.
struct FuzzWorld {
    std::filesystem::path scratch; // removed at exit
    FuzzUi ui;
    CVARNDoc* doc = nullptr;
    CVARNView* view = nullptr;
};

FuzzWorld& world();

// A pool of references rows 1..refCount-1 on both arrays with plausible signals and names.
void resetPools(CVARNDoc& doc);

// Turns a fuzzer input into file bytes. The readers' files hold tens of thousands of lines,
// far beyond what a fuzzer grows by itself, so an input may ask for a repeated middle part:
// when it starts with '!', the second byte is a signed count adjustment and the rest is split at
// the first two separators (the bytes 01 02 03) into head, unit and tail; the file is head, the unit repeated
// (bulkCount + adjustment) times, and tail. Any other input is the file as it stands.
std::string expandInput(const std::uint8_t* data, std::size_t size, int bulkCount);

// Writes bytes to a file of the scratch installation (path relative to the scratch root) and
// returns its full path.
std::filesystem::path writeScratchFile(const std::string& relative, const std::string& bytes);

} // namespace varn::fuzz
