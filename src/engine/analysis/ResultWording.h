#pragma once

#include "engine/purity/PurityEstimate.h"
#include "engine/purity/PurityPloidyFit.h"

#include <string>
#include <vector>

namespace varn {

// How the engine words its results for a person, in one place: the joint fit's solutions, the
// tumour cell fraction, and where a pool's allele model came from (the line its file keeps).
// The fits and the learning hand over numbers; the words are made here.

// How a solution is worded: in full, with its intervals; as the first line of a list of
// solutions; as a later line of that list, which leaves out the words the first gave.
enum class SolutionWording { Full, ListedFirst, ListedNext };

// Full: "Tumour cells 62 % (60–64 %), ploidy 3.42 (3.36–3.50), genome doubled — fit 96 %";
// ListedFirst: "Tumour cells 62 %, ploidy 3.4, genome doubled — fit 96 %";
// ListedNext: "next: 31 %, ploidy 1.9 — fit 91 %".
std::string solutionText(const PurityPloidySolution& solution,
                         SolutionWording wording = SolutionWording::Full);

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
