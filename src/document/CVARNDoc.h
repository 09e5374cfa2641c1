#pragma once

#include "AppliedSolution.h"
#include "DocumentLimits.h"
#include "InstallRoot.h"
#include "StoredDecoding.h"
#include "ZeroedArray.h"
#include "engine/alleles/AlleleModel.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace varn {

class CArchive;
enum class SampleFileKind;
class CVARNView;
class UserInterface;
struct ShownProfile;

// The one analysis document: genome annotation of both arrays, the reference pools, the sample
// under analysis and every intermediate and final result, in fixed-capacity tables that live as
// long as the document. Nothing is allocated per analysis.
//
// Indices: a SNP record ("snp") selects a row of the annotation and of the per-SNP sample arrays;
// a display position ("pos") is genome order within one array, arrangeOrder[pos] = snp; a merged
// index walks both arrays interleaved, combineOrder[m] = pos.
class CVARNDoc {
public:
    CVARNDoc(InstallRoot root, UserInterface& ui);
    ~CVARNDoc();
    CVARNDoc(const CVARNDoc&) = delete;
    CVARNDoc& operator=(const CVARNDoc&) = delete;

    // ---- members, in their declared order ----
    float fitCoef[3] = {};                 // c0, c1, c2 of the last quadratic fit
    ZeroedArray<float> fitX{kFitPoints};   // abscissae of the current fit, from place 1
    ZeroedArray<float> fitY{kFitPoints};   // ordinates of the current fit, from place 1
    ZeroedArray<float> alleleARatio{kSlots}; // by pos, paired mode, before larger/smaller split
    ZeroedArray<float> alleleBRatio{kSlots};
    ZeroedArray<int[kStates]> viterbiBack{kSlots};
    float hmmSdFactor[kStates] = {};
    ZeroedArray<double[kStates]> viterbiScore{kSlots};
    ZeroedArray<int> chrPosList{kChrPosListSize}; // usable positions of one chromosome, from place 1
    int snpFirst[3] = {};
    int snpLast[3] = {};
    int autosomeLast[3] = {};
    int chrXLast[3] = {};
    ZeroedArray<int> arrangeOrder{kSlots};  // pos -> snp
    ZeroedArray<int> combineOrder{kSlots};  // merged index -> pos
    ZeroedArray<int> snpChromosome{kSlots}; // by snp; 1..22, 23 = X
    ZeroedArray<int> snpPosition{kSlots};   // by snp, bases
    ZeroedArray<int> snpFragmentLength{kSlots};
    ZeroedArray<float> snpGcContent{kSlots};
    ZeroedArray<int> positionUsable{kSlots}; // by pos
    ZeroedArray<int> snpBandStain{kSlots};   // by snp, stain class 1..8
    ZeroedArray<char[16]> snpBandName{kSlots};
    ZeroedArray<float> heteroRate{kSlots};   // by pos
    ZeroedArray<char[kNameRows][kNameSize]> poolSampleName{3};
    int refCount[kRefCountSize] = {};

    // Sample attributes record (value sets: sample attributes and sample list).
    int sampleOrigin = 0;
    std::string diseaseOrigin;
    std::string diseaseOther;
    std::string supplier;
    std::string ploidyText;
    int ploidyAdjusted = 0;
    std::string fishText;
    int fishAdjusted = 0;
    std::string otherCharacteristics;
    int otherAdjusted = 0;
    std::string endMarker1;
    int ploidyStatus = 0;
    std::string remarks;
    std::string endMarker2;
    std::string lastUpdateTime;

    ZeroedArray<int[kSlots]> hmmState{kPoolRows}; // by pos, per pool row
    int baseCopyNumber = 0;
    float hmmMean[kStates] = {};
    int arrayType = 0;
    int referenceMode = 0;
    ZeroedArray<float[kSlots]> probeIntensity{kProbes}; // by snp
    ZeroedArray<float[kSlots]> poolSignal{kPoolRows};   // by snp
    ZeroedArray<float[kSlots]> alleleASignal{2};
    ZeroedArray<float[kSlots]> alleleBSignal{2};
    float poolRowMean[3][kPoolRows] = {};
    ZeroedArray<int> snpCall{kSlots};       // by snp
    ZeroedArray<int> normalSnpCall{kSlots}; // by snp
    ZeroedArray<float[kSlots]> logRatio{3}; // by pos
    ZeroedArray<float> refRatioSum{kSlots}; // by pos
    float rowSd[3][kPoolRows] = {};
    int regionStart[3] = {};
    int regionEnd[3] = {};
    int refSelected[3][kRefSelectedSize] = {};
    int refUsedCount[3] = {};
    int pivotRow[3] = {};
    int analysedRow[3] = {};
    float refSdCompensated[kPoolRows] = {};
    float refSdRaw[kPoolRows] = {};
    ZeroedArray<float[kSlots]> averageRatio{3}; // by display index
    ZeroedArray<float> lohScore{kSlots};        // by display index
    // The minor parent's copies where the allele-specific decoder ran, by display position (-1
    // where it did not decode; hmmState then holds its total copies); empty otherwise.
    std::vector<signed char> hmmMinorCopies;
    // Decode with the allele-specific HMM instead of the seven-state one (varn-cli --decoder
    // alleles, the window's Data command); false by default.
    bool alleleSpecificDecoding = false;
    int singleRefRow[3] = {};

    // The tumour cell fraction the HMM means stand for: 1 for the pure-tumour means of the array
    // (the defaults, and whatever is typed into the HMM dialog); p < 1 once the means were mixed
    // for a sample that holds a fraction 1 - p of normal cells. ResetHmmParameters sets it to 1.
    float hmmMeansPurity = 1.0f;

    // The solution of the joint fit the means and the baseline's copy number were set from. Whatever
    // else sets the means forgets it: moved spins, Default, a new analysis, a reload.
    AppliedSolution appliedSolution;
    // The decoding read beside the stored pool analysis loaded last (StoredDecoding.h), until its
    // profile is computed again and restoreStoredDecoder takes it up.
    StoredDecoding storedDecoding;

    // The allele model of each pool (index 1 Xba, 2 Hind): the genotype clusters of the allele
    // contrast learned from its references, kept beside the pool file as <stem>.alleles.
    AlleleModel alleleModel[3];
    // Why a pool has no model although one was looked for: its model file was refused, or its
    // references showed no clusters. Empty otherwise (alleleModelUnavailableReason says the rest).
    std::string alleleModelProblem[3];

    // ---- the allele analysis of the sample ----
    // Asked for by the person: varn-cli's --baf, the window while its B-allele fraction panel is
    // shown. Store then keeps the sample's allele sums beside the stored pool analysis.
    bool alleleAnalysisAsked = false;
    // Whether row 0 of alleleASignal / alleleBSignal holds the analysed sample's allele sums on
    // array t (1 Xba, 2 Hind); when it does not, why, in words for the person.
    bool sampleAllelesHeld[3] = {};
    std::string sampleAllelesMissing[3];

    // The analysis dialog's answer of a File New that stopped before a new analysis was read (a
    // Cancel, a check, a refused file), with the arrayType and referenceMode of the analysis that
    // stayed. While that analysis is still the one shown, the next File New opens with the answer
    // (mode 0: no such answer).
    struct PendingAnalysisChoice {
        int mode = 0, arrayChoice = 0;
        int shownArrayType = 0, shownReferenceMode = 0;
    } pendingAnalysisChoice;

    // The profile from any array the window shows (File > Open Profile, Load Profile Analysis) and
    // its analysis; the 50K analysis in the tables above stays as it was. Empty until one is opened.
    std::shared_ptr<ShownProfile> shownProfile;

    // ---- framework connections ----
    // The single view publishes itself here when it is constructed.
    CVARNView* view = nullptr;
    // The pool file last loaded or saved (the framework's document path); empty until then.
    std::filesystem::path pathName;
    // The file each array's pool in memory came from (by array type): loaded by Load Ref or last
    // saved to; empty while a pool built or extended in memory is not saved. A report names them.
    std::filesystem::path poolFile[3];

    UserInterface& ui() { return ui_; }
    const InstallRoot& installRoot() const { return root_; }
    // Maps a fixed Windows path of the program onto the installation root.
    std::filesystem::path fixedPath(std::string_view windowsPath) const { return root_.map(windowsPath); }

    // ---- document and annotation tables ----
    void ResetHmmParameters();
    void ResetSampleAttributes();
    bool OnNewDocument();
    // The annotation loaders, in construction order; each returns 0 on success, 1 when the file
    // could not be opened (its message has been shown).
    int loadIdTable(int t);           // IDH3.txt (t = 2), IDX3.txt (t = 1)
    int loadArrangeTable(int t);      // arrange_data_H.txt / arrange_data_X.txt
    int loadCytobandTable(int t);     // cytoband_H.txt / cytoband_X.txt
    int loadCombineTable();           // combine.txt
    int loadHeteroRateTable();        // japanesehetero.txt
    void computePositionUsable();

    // ---- sample readers ----
    int ReadSignalFile(int t, const std::filesystem::path& path, int row, int slot);
    // The reading half of ReadSignalFile: the file's intensities into probeIntensity, unscaled,
    // and the brightness of the array (the mean allele probe) into mean; no pool row changes.
    int ReadProbeIntensities(int t, const std::filesystem::path& path, float& mean);
    int ReadSnpCallFile(int t, const std::filesystem::path& path, int target);
    // A reference's SNP-call file, which only labels its allele contrasts: its calls go to
    // calls[snp - snpFirst[t]] (NoCall where the file gives none), quietly, and the document's
    // own calls stay as they are. 1 when it cannot be read or is no SNP-call file of array t.
    int ReadReferenceCalls(int t, const std::filesystem::path& path, std::vector<signed char>& calls) const;

    // ---- reference pool file (the document's archive form) ----
    void Serialize(CArchive& ar);
    bool OnOpenDocument(const std::filesystem::path& path); // framework File Open / Load Ref
    bool OnSaveDocument(const std::filesystem::path& path);
    bool DoSave();   // Ctrl+S: to pathName, or through Save As when there is none
    bool DoSaveAs(); // the framework's Save As dialog, then OnSaveDocument
    // The allele model file beside a pool file: read into alleleModel[t] after the pool of array t
    // was loaded from poolPath (a refused file leaves no model and its reason in
    // alleleModelProblem[t]); written after that pool was saved there, when it has a model of its
    // own. False, after a message, when the model file could not be written.
    void loadAlleleModelBeside(int t, const std::filesystem::path& poolPath);
    bool saveAlleleModelBeside(int t, const std::filesystem::path& poolPath);

    // ---- set-up flow ----
    void OnFileNew();

    // ---- ratios, compensation, HMM, LOH ----
    const float* fitQuadratic(int rangeStart, int rangeEnd, const float* values, int variable);
    void compensateLengthGc(int rangeStart, int rangeEnd, int t, float* values, int mode);
    float regionSd(const float* values, int rangeStart, int rangeEnd);
    void computePoolRatio(int fitStart, int fitEnd, const int* selected, int numeratorRow, int denominatorRow,
                          int t);
    // Ends with the paired averaging and display; false when its averaging dialog was cancelled
    // (true without a view).
    bool computePairedRatio(int fitStart, int fitEnd, int t);
    // The averaging dialog and the paired display that follow a paired ratio, in the view (true
    // without one).
    bool averagePairedInView(int t);
    void computeRowRatio(int denominatorRow, int numeratorRow, int logFlag, int t);
    double emissionDensity(double x, int k, double sigma) const;
    static double transitionProbability(double d, bool changed);
    void viterbiChromosome(int ch, int t, int row, const float* values, double sigma);
    void runHmm(int t, int row);
    float computePloidy(int t, int row);
    void computeLohScore(int t);
    const float* measureReferenceSd(int start, int end, int sampleRow, int t);
    const float* measureReferenceSdRaw(int start, int end, int sampleRow, int t);
    // Engine helpers: logRatio[0][pos] = ln(poolSignal[numeratorRow] / poolSignal[denominatorRow])
    // over first..last; subtract the curve of fitCoef (variable 1 length, 2 GC) over first..last;
    // -ln of the emission density (finite even where the density under- or overflows); the moving
    // average of one ratio row over every chromosome of type t.
    void fillLogRatio(int numeratorRow, int denominatorRow, int first, int last);
    void subtractFit(float* values, int first, int last, int variable);
    double emissionCost(double x, int k, double sigma) const;
    void movingAverage(int t, int n, int trimExtremes, int ratioKind, bool useLinearScale);

    // ---- temporary result files ----
    int StoreNonSelfTempFile(int t);
    int StoreSelfTempFile(int t);
    // 1, after the message that says why, when the file is not a sample file of that kind on
    // array t to analyse (the other array's, the other kind, binary, mostly lines of something
    // else, or under half of the array); 0 when it may be one or cannot be opened (its reader
    // reports that). Reads nothing into the document.
    int RefuseWrongSampleFile(int t, const std::filesystem::path& path, SampleFileKind kind);
    // expectedArray 1 or 2 refuses a stored analysis of the other array; 0 takes either. chosen,
    // when given, receives the file that was read.
    int SelectNonSelfTempFile(int expectedArray = 0, std::filesystem::path* chosen = nullptr);
    int LoadNonSelfTempFile(const std::filesystem::path& path, int expectedArray = 0);
    // 0 once the stored paired analysis is read and shown; 1 when the chooser was cancelled, the
    // file refused (its message is shown) or the averaging dialog cancelled.
    int LoadSelfTempFile(std::filesystem::path* chosen = nullptr);
    int LoadSelfTempFile(const std::filesystem::path& path); // the reader behind the dialog
    void OnStore();
    void OnNonSelfLoad();
    void OnSelfLoad();

    // ---- what is stored ----
    // Whether closing an analysis changed since its last Store asks "Store the analysis of
    // <sample>?": the window asks unless its setting says not to; varn-cli never does.
    bool askToStoreAnalysis = false;
    // The key of what Store would keep of the analysis shown (the text of its temporary file and
    // the decoding it is shown with); 0 when no analysis that Store keeps is shown.
    std::uint64_t storableAnalysisKey() const;
    // That key when the analysis was last stored or read from stored files; 0 before.
    std::uint64_t storedAnalysisKey = 0;
    void markAnalysisStored();
    bool analysisUnstored() const;
    // Before the analysis shown is closed (the window, File New, a reload): asks when it is
    // unstored and stores it if told to. False when it must stay: Cancel, or a Store that failed.
    bool MayCloseAnalysis();

    // ---- pool building ----
    void OnMakeReference();
    void OnAddReference();
    // AlleleModel: learns the allele model of a loaded pool from its references' signal files and
    // writes it beside the pool file.
    void OnAlleleModel();

    // ---- exports ----
    void OnIgbFileOut();
    void OnBatchIgbFileOut();
    int WriteBatchTracks(int t);
    void OnRawDataOut();
    bool OnUpdateRawDataOut() const;
    // SegmentOut: segments/<sample>.seg, .segments.tsv and .bed of the decoded pool profile shown
    // (single array or merged); the batch does it for every stored pool analysis and adds
    // segments/cohort.seg.
    void OnSegmentOut();
    void OnBatchSegmentOut();
    // AlleleOut: alleles/<sample>.LogR.txt and .BAF.txt of the analysis shown (pool or paired)
    // for ASCAT; enabled in the genome and chromosome views of an analysis whose allele analysis
    // can run (the pool's allele model and the sample's allele sums are there).
    void OnAlleleOut();
    bool OnUpdateAlleleOut() const;
    void OnSaveViewFile();
    void OnDebug();

private:
    InstallRoot root_;
    UserInterface& ui_;
};

} // namespace varn
