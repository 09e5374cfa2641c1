// The Data command "AlleleModel": a pool that has no allele model (made before there were models,
// or whose model file was lost) gets one from its references' signal files, read from
// sampledataX / sampledataH as pool building reads them. The pool itself does not change.
#include "CVARNDoc.h"

#include "SetupDialogs.h"
#include "UserInterface.h"
#include "engine/alleles/PoolAlleleModel.h"

#include <cstdio>
#include <string>

namespace varn {

void CVARNDoc::OnAlleleModel() {
    CSampleTypeSelect dialog;
    if (ui().sampleTypeSelect(dialog) != DialogResult::Ok) return;
    const int t = dialog.sampleType;
    if (t != kXba && t != kHind) return;
    if (refCount[t] < 1) {
        ui().messageBox("The reference pool file is not loaded yet");
        return;
    }
    const int references = refCount[t] - 1;
    if (references < kAlleleLearning.minimumReferences) {
        ui().messageBox(alleleModelUnavailableReason(*this, t));
        return;
    }
    const char* pattern = t == kXba ? "c:\\VARN\\sampledataX\\%sX.txt" : "c:\\VARN\\sampledataH\\%sH.txt";
    ReferenceAlleles alleles = startReferenceAlleles(*this, t);
    std::string missing;
    int missingCount = 0;
    for (int row = 1; row < refCount[t]; ++row) {
        ui().progress("Reading reference samples", row - 1, references);
        char name[kNameSize + 1] = {};
        std::snprintf(name, sizeof name, "%.16s", poolSampleName[t][row]);
        char path[96];
        std::snprintf(path, sizeof path, pattern, name);
        // The signal file goes to the probe rows only: the pool's own rows stay as the file has them.
        float mean = 0.0f;
        if (ReadProbeIntensities(t, fixedPath(path), mean) != 0) {
            missing += (missingCount++ == 0 ? "" : ", ") + std::string(name);
            continue;
        }
        // Scaled as ReadSignalFile scales them, so that the contrasts are, to the bit, the ones
        // pool building took from the same file.
        for (int j = 0; j < kProbes / 4; ++j)
            for (int k = snpFirst[t]; k <= snpLast[t]; ++k) {
                probeIntensity[4 * j][k] /= mean;
                probeIntensity[4 * j + 1][k] /= mean;
            }
        collectReferenceAlleles(alleles, *this, fixedPath(path));
    }
    ui().progress("Reading reference samples", references, references);
    const std::string pool = poolDisplayName(*this, t);
    // A model of some of the references would not be the pool's: it is learned from all or none.
    if (missingCount > 0) {
        ui().messageBox("No allele model for " + pool + ": " + std::to_string(missingCount) +
                        (missingCount == 1 ? " reference's signal file" : " references' signal files") +
                        " could not be read: " + missing);
        return;
    }
    learnPoolAlleleModel(*this, t, alleles);
    if (!alleleModelProblem[t].empty()) {
        ui().messageBox(alleleModelProblem[t]);
        return;
    }
    // Written beside the pool file; a pool not saved yet takes its model along when it is saved.
    if (!poolFile[t].empty()) saveAlleleModelBeside(t, poolFile[t]);
}

} // namespace varn
