// Building reference pools from sample lists: MakeReference replaces the pool of one array type,
// AddReference appends to the loaded one. A list names one sample per line; each name's signal
// file lies in sampledataX or sampledataH, and the built pool is offered for saving as a
// reference pool file.
#include "CVARNDoc.h"

#include "ScanFormat.h"
#include "SetupDialogs.h"
#include "TextLines.h"
#include "UserInterface.h"
#include "engine/alleles/PoolAlleleModel.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace varn {

namespace {

// The list is read through a 32-byte line buffer without line-end translation: a line of more
// than 31 characters comes in pieces, each piece a row of its own, and a "\r" is a blank.
constexpr std::size_t kListLineBuffer = 32;

using Name = std::array<char, kNameSize>;

// The array type from the type dialog: 1 Xba, 2 Hind, 0 when cancelled.
int askArrayType(CVARNDoc& doc) {
    CSampleTypeSelect dialog;
    if (doc.ui().sampleTypeSelect(dialog) != DialogResult::Ok) return 0;
    return dialog.sampleType == kXba || dialog.sampleType == kHind ? dialog.sampleType : 0;
}

FileChooserOptions sampleListDialog(const CVARNDoc& doc, int t) {
    FileChooserOptions chooser;
    chooser.title = "Select sample list file";
    chooser.initialDirectory = doc.fixedPath(t == kXba ? "C:\\VARN\\sampledataX" : "C:\\VARN\\sampledataH");
    chooser.filter = "text(*.txt)|*.txt|all_files(*.*)|*.*||";
    chooser.defaultExtension = "txt";
    chooser.initialFileName = "*.txt";
    return chooser;
}

// Asks for the list and reads its names into the rows from firstRow on, width characters of
// the first word of each piece; a piece without a word keeps the row's present name. At most
// maxRows names are kept, while count tells how many pieces the list had. False (and a message
// where one is due) when the dialog was cancelled or the list cannot be read.
bool readSampleList(CVARNDoc& doc, int t, int firstRow, std::size_t width, std::vector<Name>& names,
                    std::size_t& count) {
    const auto path = doc.ui().openFile(sampleListDialog(doc, t));
    if (!path) return false;
    std::string bytes;
    if (!loadWholeFile(*path, bytes)) {
        doc.ui().messageBox("samplelist cannot be loaded");
        return false;
    }
    const std::size_t maxRows = firstRow < kPoolRows ? static_cast<std::size_t>(kPoolRows - firstRow) : 0;
    FgetsLines lines(bytes, kListLineBuffer);
    std::string_view piece;
    count = 0;
    while (lines.next(piece)) {
        if (names.size() < maxRows) {
            Name name{};
            std::memcpy(name.data(), doc.poolSampleName[t][firstRow + static_cast<int>(names.size())], kNameSize);
            char word[kNameSize] = {};
            if (FieldScanner(cText(piece)).scanWord(word, width)) std::memcpy(name.data(), word, kNameSize);
            name[kNameSize - 1] = '\0';
            names.push_back(name);
        }
        ++count;
    }
    return true;
}

// Reads every listed sample's signal file into the rows from firstRow on and offers the pool for
// saving. A sample whose file cannot be read (missing, of the other array or kind) is reported
// by the reader and left out: the next sample takes its row, so the pool holds no row without
// signals of its own, and the samples left out are named at the end. A list that reads cleanly
// gives the rows, and so the pool file, it always gave.
void fillRowsAndSave(CVARNDoc& doc, int t, int firstRow, const std::vector<Name>& names, bool newPool) {
    const int end = firstRow + static_cast<int>(names.size());
    std::vector<Name> oldNames(names.size());
    for (std::size_t k = 0; k < names.size(); ++k)
        std::memcpy(oldNames[k].data(), doc.poolSampleName[t][firstRow + static_cast<int>(k)], kNameSize);
    const char* pattern = t == kXba ? "c:\\VARN\\sampledataX\\%sX.txt" : "c:\\VARN\\sampledataH\\%sH.txt";
    // The allele model grows with the pool: learned anew for a new pool, updated when references
    // are added to a pool whose model is its own.
    const bool modelWasUsable = !newPool && alleleModelUnavailableReason(doc, t).empty();
    ReferenceAlleles alleles = startReferenceAlleles(doc, t);
    int row = firstRow;
    std::string leftOut;
    int leftOutCount = 0;
    for (std::size_t k = 0; k < names.size(); ++k) {
        std::memcpy(doc.poolSampleName[t][row], names[k].data(), kNameSize);
        char path[96];
        std::snprintf(path, sizeof path, pattern, doc.poolSampleName[t][row]);
        doc.ui().progress("Reading reference samples", static_cast<int>(k), end - firstRow);
        if (doc.ReadSignalFile(t, doc.fixedPath(path), row, 0) == 0) {
            collectReferenceAlleles(alleles, doc, doc.fixedPath(path));
            ++row;
            continue;
        }
        leftOut += (leftOutCount++ == 0 ? "" : ", ") + std::string(names[k].data());
    }
    // Rows the left-out samples would have taken keep the names they had.
    for (int r = row; r < end; ++r)
        std::memcpy(doc.poolSampleName[t][r], oldNames[static_cast<std::size_t>(r - firstRow)].data(), kNameSize);
    // The final report closes whatever shows the progress before the save dialog opens.
    doc.ui().progress("Reading reference samples", end - firstRow, end - firstRow);
    if (leftOutCount > 0 && row == firstRow) {
        doc.ui().messageBox("No sample of the list could be read; the reference pool is unchanged");
        return;
    }
    doc.refCount[t] = row;
    if (newPool) learnPoolAlleleModel(doc, t, alleles);
    else extendPoolAlleleModel(doc, t, alleles, modelWasUsable);
    if (leftOutCount > 0)
        doc.ui().messageBox(std::to_string(leftOutCount) + (leftOutCount == 1 ? " sample" : " samples") +
                            " of the list could not be read and " + (leftOutCount == 1 ? "was" : "were") +
                            " left out of the pool: " + leftOut);
    doc.arrayType = t;
    doc.poolFile[t].clear();
    // A new pool is not the file the loaded pool came from: Save As starts without a name, so
    // that Enter cannot overwrite that file.
    if (newPool) doc.pathName.clear();
    doc.DoSaveAs();
}

} // namespace

void CVARNDoc::OnMakeReference() {
    const int t = askArrayType(*this);
    if (t == 0) return;
    std::vector<Name> names;
    std::size_t count = 0;
    // New pools take names of up to 16 characters.
    if (!readSampleList(*this, t, 1, 16, names, count)) return;
    if (count + 1 > static_cast<std::size_t>(kPoolRows)) {
        ui().messageBox("The maximum size of references is 200 at this point");
        return;
    }
    fillRowsAndSave(*this, t, 1, names, true);
}

void CVARNDoc::OnAddReference() {
    ui().messageBox("The reference pool file to which new references are added should be loaded");
    const int t = askArrayType(*this);
    const int first = t == 0 ? -1 : refCount[t];
    if (first < 1) {
        ui().messageBox("The reference pool file is not loaded yet");
        return;
    }
    std::vector<Name> names;
    std::size_t count = 0;
    // Added samples take names of up to 15 characters.
    if (!readSampleList(*this, t, first, 15, names, count)) return;
    if (static_cast<std::size_t>(first) + count > static_cast<std::size_t>(kPoolRows)) {
        ui().messageBox("The maximum size of references is 200 at this point");
        return;
    }
    fillRowsAndSave(*this, t, first, names, false);
}

} // namespace varn
