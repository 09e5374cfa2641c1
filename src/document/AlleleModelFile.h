#pragma once

#include "engine/alleles/AlleleModel.h"

#include <filesystem>
#include <string>

namespace varn {

// The allele model file of a reference pool: beside the pool file, with its stem and the
// extension ".alleles" (XbaPool.ref -> XbaPool.alleles). Text, tab-separated:
//
//   VARN allele model                   magic line
//   version <TAB> 1
//   array <TAB> Xba 50K | Hind 50K
//   pool <TAB> XbaPool.ref              the pool file it was saved with
//   references <TAB> 10
//   key <TAB> 16 hex digits             poolKeyOf of the pool
//   learned <TAB> clustering            how (see AlleleModel::learned)
//   spacingAA, spacingBB, spacingSd, spreadAA, spreadAB, spreadBB, centreABMean, centreABSd
//                                       one line each: the array-wide relation, six decimals
//   records <TAB> 58960
//   a column header line, then one line per SNP record of the array, in record order:
//   centreAA centreAB centreBB countAA countAB countBB meanAA meanAB meanBB sdAA sdAB sdBB
//   (four decimals; "-" for the mean and SD of an empty cluster, and for the centres of a SNP
//   that no reference gave a usable value)
std::filesystem::path alleleModelPathOf(const std::filesystem::path& poolPath);

// The whole file as text.
std::string formatAlleleModelFile(const AlleleModel& model, const std::string& poolFileName);

// Parses a model file's text. False, with a sentence naming the file (fileName) and what is wrong
// in reason, for anything that is not a complete model file of this version: no magic line,
// binary bytes, an unknown version or array, a missing or malformed header line, a SNP line that
// does not scan or breaks the clusters' rules, an over-long line, fewer or more SNP lines than
// the array has records.
bool parseAlleleModelFile(std::string_view text, const std::string& fileName, AlleleModel& model,
                          std::string& reason);

// Why a model read from fileName does not belong to the pool of array t in the document (named
// poolName): another array, another number of references, another pool; empty when it does.
std::string alleleModelMismatch(const AlleleModel& model, const CVARNDoc& doc, int t,
                                const std::string& fileName, const std::string& poolName);

} // namespace varn
