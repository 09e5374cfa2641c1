// The reference pool file: the document's saved form. Start marker, array type, row count N,
// then rows 1..N-1 (row 0 is the analysed sample and is never written), then the end marker.
// A pool of R references on an array of L SNPs takes 76 + R * (4L + 20) bytes.
#include "ReferencePoolFile.h"

#include "CArchive.h"
#include "CVARNDoc.h"
#include "FileBytes.h"
#include "TextLines.h"
#include "UserInterface.h"

#include <string>

namespace varn {

void CVARNDoc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        const int t = arrayType;
        // Only a pool that exists can be written: the file has no form for "no pool".
        if ((t != kXba && t != kHind) || refCount[t] < 1 || refCount[t] > kPoolRows) {
            ar.markFailed();
            return;
        }
        ar.writeString(kPoolStartMarker);
        ar.writeInt32(t);
        ar.writeInt32(refCount[t]);
        for (int r = 1; r < refCount[t]; ++r) {
            for (int k = snpFirst[t]; k <= snpLast[t]; ++k) ar.writeFloat(poolSignal[r][k]);
            ar.writeFloat(poolRowMean[t][r]);
            ar.writeBytes(poolSampleName[t][r], kPoolNameBytes);
        }
        ar.writeString(kPoolEndMarker);
        return;
    }

    // A refusal is reported by whoever opened the file, in one box with the file's name; a file
    // that ends early keeps the framework's text and says where it ended.
    const std::string start = ar.readString();
    if (ar.truncated()) return ar.refuse(kUnexpectedFileFormat, "it does not start with the pool file's marker");
    if (start != kPoolStartMarker) {
        ar.refuse("Invalid data file", "it does not start with the pool file's marker");
        OnNewDocument();
        return;
    }
    const int t = ar.readInt32();
    const int rows = ar.readInt32();
    if (ar.truncated()) return ar.refuse(kUnexpectedFileFormat, "it ends inside the pool file's header");
    if ((t != kXba && t != kHind) || rows < 1 || rows > kPoolRows) {
        ar.refuse("Invalid data file", "its header names array type " + std::to_string(t) + " and " +
                                           std::to_string(rows) +
                                           " rows, where a pool file names 1 (Xba) or 2 (Hind) and 1 to 200 rows");
        OnNewDocument();
        return;
    }
    // The whole file is checked before the pool is touched, so that a damaged file leaves the
    // pool in memory exactly as it was.
    const std::size_t rowsAt = ar.position();
    const std::string rowsOf = std::to_string(rows - 1) + (rows == 2 ? " reference" : " references") + " of the " +
                               (t == kXba ? "Xba" : "Hind") + " 50K array";
    if (!ar.skip(static_cast<std::size_t>((rows - 1) * poolRowBytes(snpLast[t] - snpFirst[t] + 1))))
        return ar.refuse(kUnexpectedFileFormat, "it ends before the end of its " + rowsOf);
    if (ar.remaining() == 0) {
        ar.refuse("Data load failure", "it ends after " + rowsOf + " without the end marker");
        return;
    }
    const std::string end = ar.readString();
    if (ar.truncated()) return ar.refuse(kUnexpectedFileFormat, "it ends inside its end marker");
    if (end != kPoolEndMarker) {
        ar.refuse("Data load failure", "the end marker is not where " + rowsOf + " end");
        return;
    }
    ar.seek(rowsAt);
    for (int r = 1; r < rows; ++r) {
        for (int k = snpFirst[t]; k <= snpLast[t]; ++k) poolSignal[r][k] = ar.readFloat();
        poolRowMean[t][r] = ar.readFloat();
        ar.readBytes(poolSampleName[t][r], kPoolNameBytes);
    }
    ui().messageBox(t == kXba ? "Correct Xba reference data loaded!" : "Correct Hind reference data loaded!");
    refCount[t] = rows;
}

// A refused file leaves the pools in memory as they were, and with them the name of the file they
// came from: the title and Ctrl+S keep pointing at the pool that is still loaded. Every refusal is
// one box: the framework's or the reader's text first, then the file's name and why.
bool CVARNDoc::OnOpenDocument(const std::filesystem::path& path) {
    const std::string name = path.filename().string();
    const std::string unchanged = "; the reference pools in memory are unchanged";
    std::string bytes;
    if (!loadWholeFile(path, bytes)) {
        ui().messageBox(std::string(kFailedToOpenDocument) + "\n" + name + " cannot be opened" + unchanged);
        return false;
    }
    const std::filesystem::path loadedPath = pathName;
    CArchive ar(std::move(bytes));
    Serialize(ar);
    if (ar.truncated() || ar.failed()) {
        pathName = loadedPath;
        ui().messageBox(ar.refusalMessage() + "\n" + name + " is not a reference pool file: " + ar.refusalReason() +
                        unchanged);
        return false;
    }
    pathName = path;
    // The array type is the field after the start marker, which Serialize has just checked.
    ar.seek(0);
    ar.readString();
    const int t = ar.readInt32();
    poolFile[t] = path;
    loadAlleleModelBeside(t, path);
    ui().filesLoaded({path});
    return true;
}

bool CVARNDoc::OnSaveDocument(const std::filesystem::path& path) {
    CArchive ar;
    Serialize(ar);
    if (ar.failed()) {
        ui().messageBox(kFailedToSaveDocument);
        return false;
    }
    // Written beside the target and renamed over it only when complete, so that a failed save
    // never destroys a good pool file.
    if (!replaceFileContents(path, ar.bytes())) {
        ui().messageBox(kFailedToSaveDocument);
        return false;
    }
    pathName = path;
    poolFile[arrayType] = path;
    ui().fileWritten("Saved", path);
    saveAlleleModelBeside(arrayType, path);
    return true;
}

bool CVARNDoc::DoSave() { return pathName.empty() ? DoSaveAs() : OnSaveDocument(pathName); }

bool CVARNDoc::DoSaveAs() {
    FileChooserOptions chooser;
    chooser.title = "Save As";
    chooser.initialDirectory = pathName.empty() ? installRoot().root() : pathName.parent_path();
    chooser.filter = "All Files (*.*)|*.*||";
    chooser.initialFileName = pathName.filename().string();
    const auto chosen = ui().saveFile(chooser);
    if (!chosen) return false;
    return OnSaveDocument(*chosen);
}

} // namespace varn
