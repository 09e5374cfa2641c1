#pragma once

#include "engine/purity/PurityEstimate.h"
#include "engine/purity/PurityPloidyFit.h"

#include <limits>
#include <string>
#include <vector>

namespace varn {

// How the engine words its results for a person, in one place: the joint fit's solutions, the
// tumour cell fraction, and where a pool's allele model came from (the line its file keeps).
// The fits and the learning hand over numbers; the words are made here.

// The figures of a tumour, as every place prints them (the window's title and status bar, the
// HMM dialog, the report's pages, varn-cli's lines): the tumour cell fraction in whole percent,
// the ploidy to two decimals.
enum class Figure { TumourCells, Ploidy };

// The digits alone: "70", "3.52".
std::string figureDigits(Figure kind, double value);

// With the unit and, when given, the interval: "70 %", "70 % (68–72 %)", "3.52 (3.48–3.56)". An
// interval narrower than the printed precision is left out: its ends would print as the value.
std::string figureText(Figure kind, double value, double low = std::numeric_limits<double>::quiet_NaN(),
                       double high = std::numeric_limits<double>::quiet_NaN());

// The decimals of "fit N %" that tell a list of solutions apart: the fewest (0..3) at which no
// two different scores print alike.
int fitDigits(const std::vector<PurityPloidySolution>& solutions);

// How a solution is worded: in full, with its intervals; as the first line of a list of
// solutions; as a later line of that list, which leaves out the words the first gave.
enum class SolutionWording { Full, ListedFirst, ListedNext };

// Full: "Tumour cells 62 % (60–64 %), ploidy 3.42 (3.36–3.50), genome doubled — fit 96 %";
// ListedFirst: "Tumour cells 62 %, ploidy 3.42, genome doubled — fit 96 %";
// ListedNext: "next: 31 %, ploidy 1.90 — fit 91 %". The fit with `digits` decimals.
std::string solutionText(const PurityPloidySolution& solution,
                         SolutionWording wording = SolutionWording::Full, int digits = 0);

// "Tumour cells 52 % (46–58 %)", or "Tumour cells: cannot tell (...)"; from the joint fit
// "Tumour cells 62 % (60–64 %), ploidy 3.42 (3.36–3.50), genome doubled — fit 96 %".
std::string purityText(const PurityEstimate& estimate);

// The allele model's learned line: "clustering", or "calls of 3 of 10 references, clustering of
// the rest" (withCalls of references labelled by their call files).
std::string alleleModelLearnedText(int withCalls, int references);

// "X.txt reads allele A and allele B alike at every SNP (a summarised signal file)", or the same
// of several files.
std::string summarisedFilesText(const std::vector<std::string>& files);

// What the learned line adds for summarised references left out ("; 2 summarised references
// left out"); empty for none.
std::string summarisedLeftOutText(const std::vector<std::string>& files);

// The learned line after references were added: how the model began, then one running count of
// the added references (and of those with calls) and of the summarised ones left out, so that a
// pool grown many times keeps a short line ("clustering; 12 references added (2 with calls)").
std::string alleleModelGrownText(const std::string& learned, int added, int addedWithCalls, int summarised);

} // namespace varn
