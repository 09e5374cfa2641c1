#pragma once

#include "DisplayMode.h"
#include "GenomeBrowserLink.h"
#include "PageFrame.h"
#include "GenomeLayout.h"
#include "document/DocumentLimits.h"
#include "view/profile/ProfilePage.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace varn {

struct AnalysisSnapshot;
class Canvas;
class CVARNDoc;
struct AlleleAnalysis;

// The single view of the document: what is shown, where, the fixed genome layout tables and the
// state of a mouse range selection. It owns no analysis data.
class CVARNView {
public:
    // Builds the layout tables and publishes itself to the document.
    explicit CVARNView(CVARNDoc& doc);
    ~CVARNView();
    CVARNView(const CVARNView&) = delete;
    CVARNView& operator=(const CVARNView&) = delete;

    CVARNDoc& GetDocument() { return doc_; }
    const CVARNDoc& GetDocument() const { return doc_; }

    // ---- fields, in their declared order ----
    int panelX[3][24] = {};
    int panelY[3][24] = {};
    int yScale = 0;
    int windowOrgX = 0, windowOrgY = 0;
    int windowExtX = 0, windowExtY = 0;
    int selStartX = 0;
    int selEndX = 0;
    int selRow = 0;
    int selChromosome = 0;
    int selLimitX = 0;
    int trimExtremes = 0;
    int drawMethod = 0;
    int averageNumber = 0;
    int paintChromosome = 0;
    int currentChromosome = 0;
    int rangeSetArmed = 0;
    const float* referenceSdTable[3] = {};    // compensated reference SDs measured last, per type
    const float* referenceSdRawTable[3] = {}; // uncompensated ones
    int rankOrder[kPoolRows] = {};            // pool row at each rank, from place 1
    int displayMode = ModeNone;
    int shownArrayType = 0;
    int chromosomeStart[3][25] = {};
    // Whether the last left-button press of an armed selection started on a chromosome panel
    // (genome views) or inside the red frame (compensation view). A release after a press that
    // missed has no stretch to act on and leaves the selection armed.
    bool selPressHit = false;

    // ---- what of the page the window shows ----
    // The commands above set a mode's preset window (origin and extent); the scroll bars move the
    // shown origin away from the preset's by scrollX, scrollY logical units, and Fit to Window
    // replaces both by the extent that shows the whole page in the viewport (device pixels of the
    // client area, 0 x 0 for a headless view). See ShownWindow.h.
    int scrollX = 0, scrollY = 0;
    bool fitToWindow = false;
    int viewportWidth = 0, viewportHeight = 0;
    // A command that sets a preset starts the mode from its place again.
    void resetScroll() { scrollX = scrollY = 0; }

    // ---- "Axes and Legend" ----
    // Value axes, megabase ticks, a legend, the decoded copy number as a coloured step line and
    // labels laid out so that none covers a plot or another label, in strips of their own around
    // the page (PageFrame.h). Off, every page is drawn exactly as it always was; the window keeps
    // the choice in the user's settings, varn-cli takes it from --annotate.
    bool annotate = false;
    // The text sizes of the surface painted on last; every paint with annotations measures them.
    LabelMetrics labelMetrics;
    void OnAxesAndLegend();

    // Asked whenever the view wants to be repainted; erase = repaint with the background erased.
    // The window connects it to its widget; headless use leaves it empty.
    std::function<void(bool erase)> onInvalidate;
    void Invalidate(bool erase = true) {
        if (onInvalidate) onInvalidate(erase);
    }

    // The mouse cursor the view asks for while a range is dragged. The window connects it.
    enum class Cursor { Arrow, CrossHair };
    std::function<void(Cursor)> onCursor;
    void SetCursor(Cursor cursor) {
        if (onCursor) onCursor(cursor);
    }

    // ---- mouse, in device pixels of the client area ----
    // Range selection after Range Set: the press records where the drag starts (and which
    // chromosome panel it hit), moves with the left button held follow it, the release turns the
    // pixels into positions and sets the baseline region.
    void OnLButtonDown(int x, int y);
    void OnMouseMove(int x, int y, bool leftButtonHeld);
    void OnLButtonUp(int x, int y);
    // Point inspection in the Explore view of a chromosome: reports the SNP under the mouse and
    // offers its place in the genome browser.
    void OnRButtonDown(int x, int y);

    // Where point inspection sends the person; the window fills it from the user's settings.
    GenomeBrowserSite browserSite;

    // ---- the B-allele fraction panel ----
    // The View toggle "B-allele Fraction": the person wants each chromosome's profile to carry the
    // panel of its SNPs' B-allele fractions. It is drawn only where the analysis shown has allele
    // data; everywhere else every page is what it is without the toggle.
    bool bafPanel = false;
    void OnBafPanel();
    // The toggle on and the allele analysis of the display available: the panel is drawn, and the
    // rows of the genome page stand panelRowPitch(true) apart.
    bool bafPanelShown() const;
    int rowPitch() const { return panelRowPitch(bafPanelShown()); }
    // Why the display's allele analysis cannot run; empty when it can, or when the display shows
    // no analysis (nothing to explain there).
    std::string bafPanelUnavailable() const;
    // The allele analysis of the display (genome and chromosome views of a pool or paired
    // analysis), computed once and kept while the analysis shown stays the same; nullptr for a
    // display without one. Unavailable analyses carry their reason.
    const AlleleAnalysis* shownAlleles() const;

    // ---- Data > Allele-specific Decoding ----
    // The toggle, checked while doc.alleleSpecificDecoding: on, the analysis shown (one array,
    // both merged, or paired) is decoded by the allele-specific HMM at the means and baseline copy
    // number in use, or one message says why it cannot be and nothing changes; off, the seven-state
    // HMM decodes it again and it is the profile it was. Greyed where shownAlleles() is not
    // available, bafPanelUnavailable() saying why.
    void OnAlleleDecoding();
    // After a solution of the joint fit was applied from the HMM dialog: an analysis shown with
    // allele data is decoded by the allele-specific HMM (the toggle turned on, which the person
    // can turn off again), and the status bar says so.
    void decodeFitWithAlleles();

    // ---- painting ----
    // Paints the current display mode. Writes yScale and paintChromosome; in the compensation
    // mode it also recomputes the document's one-reference ratio.
    void OnDraw(Canvas& canvas);

    // ---- analysis flows that end on a display ----
    // Each asks for the averaging and shows the genome; false when the dialog was cancelled (or
    // failed), which leaves the display as it was.
    bool averageArrayType(int t);
    bool averageCombined();
    bool averagePaired(int t);
    void OnAverageMode();
    void showCompensationPlots(int t);

    // ---- reference ranking ----
    // Ranks by referenceSdTable[t], runs the reference dialog and stores the ticks.
    // Returns false when the dialog was cancelled or failed.
    bool rankReferences(int t);
    void OnSort();
    // The Sort's own steps; false when a dialog was cancelled (the state at its start is back).
    bool sortAndAverage();
    void OnHmmParameter();

    // ---- region baseline ----
    // What the release of a Range Set selection does once its positions are known: stores the
    // region of array type t (ordered and clamped to the array) and the base copy number (1..4;
    // any other value keeps the current one), shows the selection's information box (the
    // compensation view's names no base line), then in the paired genome view recomputes the
    // paired profile on the region, and otherwise (pool genome or compensation view) measures
    // every reference's SD on it and shows the reference ranking (mode 10).
    void applyRegionBaseline(int t, int regionStart, int regionEnd, int baseCopy);
    // The same for a stretch of the merged genome, given as merged indices: each array gets the
    // part of the stretch that holds its SNPs (an array with none keeps its region), the box names
    // both, and the ranking (mode 10) waits for Sort to measure both arrays' references.
    void applyCombinedRegion(int mergedStart, int mergedEnd, int baseCopy);
    // An armed Range Set's region typed instead of dragged (the page's Enter key): the region
    // dialog, then what a drag's release over the same stretch does, base copy number included.
    void OnRegionTyped();

    // ---- view commands of the Parameter and View menus ----
    void OnCghView();
    void OnRangeSet();
    void OnPrintView();
    void OnMonitorView();
    void OnExploreView();
    void OnAllGenome();
    void OnEachChromosome();
    void OnPrevChromosome();
    void OnNextChromosome();
    void OnMoveLeft();
    void OnMoveRight();
    void OnReturnToTop();
    // The Fit to Window toggle: the whole page in the window, or the preset again.
    void OnFitToWindow();

    // The view's update handlers: whether the command of that id is enabled now. Commands the
    // view has no rule for are reported through handlesEnableRule() = false.
    static bool handlesEnableRule(int commandId);
    bool isCommandEnabled(int commandId) const;
    // On a profile's page, why a command of the 50K analysis is greyed (Sort, the reference
    // ranking, the compensation pages); empty elsewhere and for every other command.
    std::string unavailableOnProfile(int commandId) const;

    // ---- a profile from any array (ModeProfileGenome, ModeProfileChromosome) ----
    // The page is drawn at one device pixel a unit over the window (PictureSize when headless);
    // zooming makes it profileZoom windows wide, and the scroll bars move over it.
    int profileZoom = 1;
    // Where the last paint put the genome strip across, in device pixels: right-clicks map back.
    int profileStripLeft = 0, profileStripRight = 0;
    // The whole genome or the chromosome shown, and the part of it in the window.
    GenomeRange profileRange() const;
    GenomeRange profileVisible() const;
    PictureSize profilePageSize() const;
    // The genome page of the document's profile, whole.
    void showProfileGenome();
    // What a right-click on a profile's page reports: the SNP nearest the base under x.
    void inspectProfileSnp(int x);
    bool profileCommandEnabled(int commandId) const;

    // The chromosome dialog pre-checks "Ch1" on its first opening in a run only.
    bool chromosomeDialogOpened = false;

    // The analysis as it was shown before a Range Set release turned to the reference ranking
    // (mode 10), where the new region waits for Sort. A Sort cancelled in its reference or
    // averaging dialog puts it back, region and copy number included, so that the person returns
    // to the result they had instead of the ranking's blank page. Dropped when a Sort finishes.
    std::unique_ptr<AnalysisSnapshot> shownBeforeRanking;

private:
    CVARNDoc& doc_;
    // The allele analysis shownAlleles() computed last and what it was computed from.
    mutable std::shared_ptr<const AlleleAnalysis> alleles_;
    mutable std::uint64_t allelesKey_ = 0;
    // hmmState[0] as the allele-specific decoding found it, for the positions the seven-state HMM
    // does not decode; empty while it is off.
    std::vector<int> statesBeforeAlleles_;
};

} // namespace varn
