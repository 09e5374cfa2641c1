#include "DemoInstallation.h"

#include "DemoAnnotation.h"
#include "DemoFinalReports.h"
#include "DemoGenome.h"
#include "DemoNoiseCheck.h"
#include "DemoPools.h"
#include "DemoSamples.h"
#include "DemoTumours.h"
#include "SampleListWriter.h"
#include "SignalFileWriter.h"
#include "SnpCallFileWriter.h"
#include "TruthFile.h"
#include "document/DocumentLimits.h"
#include "document/InstallRoot.h"

#include <chrono>
#include <cstdio>
#include <ostream>
#include <system_error>

namespace varn::demo {

namespace {

namespace fs = std::filesystem;

// Tumour DNA comes from fixed tissue and is noisier than the blood of the normals.
constexpr double kTumourNoiseFactor = 1.1;

struct Writer {
    std::ostream& err;
    int files = 0;

    bool ok(bool written, const fs::path& path) {
        if (!written) err << "demo-data: cannot write " << path.string() << "\n";
        else ++files;
        return written;
    }
};

bool makeFolders(const fs::path& root, std::ostream& err) {
    const char* folders[] = {"data",
                             "sampledataX",
                             "sampledataH",
                             "tumorsampleX",
                             "tumorsampleH",
                             "SNPtumorsampleX",
                             "SNPtumorsampleH",
                             "temporary files",
                             "Self temporary files",
                             "IGBfiles",
                             "RawData",
                             "truth",
                             "referencecallsX",
                             "referencecallsH",
                             "finalreports",
                             "truth/hg19"};
    std::error_code ec;
    for (const char* f : folders) {
        fs::create_directories(root / f, ec);
        if (ec) {
            err << "demo-data: cannot create " << (root / f).string() << ": " << ec.message() << "\n";
            return false;
        }
    }
    const fs::path view = InstallRoot(root).viewRoot();
    fs::create_directories(view, ec);
    if (ec) {
        err << "demo-data: cannot create " << view.string() << ": " << ec.message() << "\n";
        return false;
    }
    return true;
}

std::vector<std::string> referenceNames(int count) {
    std::vector<std::string> names;
    char text[32];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(text, sizeof text, "Normal%02d", i);
        names.push_back(text);
    }
    return names;
}

// Signal files of the references, the tumours and their paired normals for one array; fills the
// noise figure of each tumour.
bool writeArraySamples(const fs::path& root, const DemoGenome& genome, int t, const DemoOptions& options,
                       const std::vector<std::string>& names, const std::vector<DemoTumour>& tumours,
                       std::vector<double>& noise, Writer& w) {
    const ArrayModel model = makeArrayModel(options.seed, t);
    const std::string a = t == kXba ? "X" : "H";
    const fs::path normals = root / ("sampledata" + a);
    std::vector<std::vector<float>> referenceSums;
    for (const std::string& name : names) {
        const auto germline = drawGermline(genome, model, options.seed, name);
        const SampleData s = synthesiseSample(genome, model, germline, nullptr, options.seed, name, 1.0);
        const fs::path path = normals / (name + a + ".txt");
        if (!w.ok(writeSignalFile(path, genome, model, s, name), path)) return false;
        // The calls were drawn with the signal (same stream), so writing them shifts nothing.
        const fs::path calls = referenceCallFile(root, t, name);
        if (!w.ok(writeSnpCallFile(calls, genome, model, s.call, name), calls)) return false;
        referenceSums.push_back(s.alleleSum);
    }
    if (!w.ok(writeSampleList(normals / "SampleList.txt", names), normals / "SampleList.txt")) return false;
    for (const DemoTumour& tumour : tumours) {
        const auto germline = drawGermline(genome, model, options.seed, tumour.name, tumour.male);
        const SampleData s = synthesiseSample(genome, model, germline, &tumour, options.seed, tumour.name,
                                              kTumourNoiseFactor, tumour.male);
        const fs::path signal = root / ("tumorsample" + a) / (tumour.name + a + ".txt");
        const fs::path calls = root / ("SNPtumorsample" + a) / (tumour.name + a + ".txt");
        if (!w.ok(writeSignalFile(signal, genome, model, s, tumour.name), signal)) return false;
        if (!w.ok(writeSnpCallFile(calls, genome, model, s.call, tumour.name), calls)) return false;
        noise.push_back(compensatedNoiseSd(genome, model, s.alleleSum, referenceSums, tumour));

        const std::string normalName = tumour.name + "N";
        const SampleData n =
            synthesiseSample(genome, model, germline, nullptr, options.seed, normalName, 1.0, tumour.male);
        const fs::path normalSignal = normals / (normalName + a + ".txt");
        const fs::path normalCalls = normals / (normalName + a + "_snp.txt");
        if (!w.ok(writeSignalFile(normalSignal, genome, model, n, normalName), normalSignal)) return false;
        if (!w.ok(writeSnpCallFile(normalCalls, genome, model, n.call, normalName), normalCalls)) return false;
    }
    return true;
}

} // namespace

fs::path referenceCallFile(const fs::path& root, int arrayType, const std::string& name) {
    const std::string a = arrayType == kXba ? "X" : "H";
    return root / ("referencecalls" + a) / (name + a + "_snp.txt");
}

bool writeDemoInstallation(const fs::path& root, const DemoOptions& options, std::string& report,
                           std::ostream& err) {
    const auto started = std::chrono::steady_clock::now();
    if (!makeFolders(root, err)) return false;
    Writer w{err};
    const DemoGenome genome = makeDemoGenome(options.seed);
    if (!writeDemoAnnotation(root / "data", genome, err)) return false;
    w.files += 8;

    const std::vector<std::string> names = referenceNames(options.referenceCount);
    const std::vector<DemoTumour> tumours = demoTumours();
    std::vector<double> noise[3];
    for (int t : {kXba, kHind})
        if (!writeArraySamples(root, genome, t, options, names, tumours, noise[t], w)) return false;
    for (const DemoTumour& tumour : tumours) {
        const fs::path path = root / "truth" / (tumour.name + ".txt");
        if (!w.ok(writeTruthFile(path, tumour), path)) return false;
    }

    std::string problem;
    if (!writeDemoPools(root, names, root / "XbaPool.ref", root / "HindPool.ref", problem)) {
        err << "demo-data: the reference pools could not be made: " << problem;
        return false;
    }
    w.files += 2;

    // The final reports draw from random streams of their own: the files above do not move.
    const FinalReportFiles reports{
        root / "finalreports" / "Tumor8.txt", root / "finalreports" / "Tumor8N.txt",
        root / "truth" / "hg19" / "Tumor8.txt", root / "finalreports" / "demo.pfb"};
    if (!writeDemoFinalReports(reports, options.seed, options.reportSnps, "demo-data", err)) return false;
    w.files += 4;

    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    char line[256];
    report += "Demo installation in " + root.string() + " (seed " + std::to_string(options.seed) + ")\n";
    report += "  data/                 the eight annotation tables (116,204 SNPs)\n";
    std::snprintf(line, sizeof line, "  sampledataX/, sampledataH/  %d references each (Normal01..%s), SampleList.txt,\n",
                  options.referenceCount, names.back().c_str());
    report += line;
    report += "                        paired normals Tumor1N..Tumor7N (signal <name>X.txt, calls <name>X_snp.txt)\n";
    report += "  tumorsampleX|H/, SNPtumorsampleX|H/  Tumor1..Tumor7: signal and SNP-call files\n";
    report += "                        (Tumor3, Tumor4 (male), Tumor5 hold 30, 50 and 70 % normal cells;\n";
    report += "                        Tumor6, a doubled genome, and Tumor7 (male), a subclone, 30 %)\n";
    report += "  referencecallsX/, referencecallsH/  the references' SNP calls (<name>X_snp.txt), apart from\n";
    report += "                        their signal files\n";
    report += "  XbaPool.ref, HindPool.ref  reference pools of the references\n";
    report += "  truth/Tumor1.txt .. truth/Tumor7.txt  planted copy numbers, parental copies, LOH, subclones,\n";
    report += "                        normal-cell share, ploidy\n";
    report += "  finalreports/Tumor8.txt, Tumor8N.txt  a man's tumour (50 % normal cells) and his\n";
    std::snprintf(line, sizeof line,
                  "                        normal as GenomeStudio final reports of %d,%03d SNPs on hg19;\n",
                  options.reportSnps / 1000, options.reportSnps % 1000);
    report += line;
    report += "                        demo.pfb, the array's PennCNV PFB file\n";
    report += "  truth/hg19/Tumor8.txt  what was planted in Tumor8, in hg19 coordinates\n";
    report += "  temporary files/, Self temporary files/, IGBfiles/, RawData/, ../VARN View/  empty\n";
    for (std::size_t i = 0; i < tumours.size(); ++i) {
        std::snprintf(line, sizeof line,
                      "  %s: compensated log-ratio SD on %s stretches against the %d references: "
                      "Xba %.3f, Hind %.3f\n",
                      tumours[i].name.c_str(), tumours[i].genomeDoubled ? "2+2" : "diploid", options.referenceCount,
                      noise[kXba][i], noise[kHind][i]);
        report += line;
    }
    std::snprintf(line, sizeof line, "  %d files in %.1f s\n", w.files, seconds);
    report += line;
    return true;
}

} // namespace varn::demo
