#pragma once

#include "document/profile/GenomeBuild.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace varn {

class TextStream;
struct Profile;
struct ProfileReading;
struct ReadSummary;

// Where a reader found the values of a data row: column indices, -1 for a value the file does
// not have. header keeps the column names for messages.
struct RowColumns {
    int name = -1;
    int chromosome = -1;
    int position = -1;
    int logRatio = -1;
    int baf = -1;
    int genotype = -1;
    int allele1 = -1; // GenomeStudio's "Allele1 - AB" / "Allele2 - AB", when there is no GType
    int allele2 = -1;
    int normalBaf = -1;
    int normalGenotype = -1;
    std::vector<std::string> header;

    // Fields a row must have to hold every column used.
    std::size_t fieldsNeeded() const;
    // The column of that name in the header (any case), -1 when there is none.
    int column(std::string_view name) const;
};

// Reads a table's header line: its separator (a tab when it has one, else a comma) and its names
// into columns.header. Empty when read, else the refusal (a file that cannot be opened, an empty
// file, a read error).
std::string readHeader(TextStream& in, const std::filesystem::path& file, RowColumns& columns,
                       char& separator);

// The refusal of a header without the columns a format needs: "file, line 1: the columns
// needed are not all found (the header has a, b); <needs>".
std::string columnsNotFound(const std::filesystem::path& file, const RowColumns& columns,
                            std::string_view needs);

// Reads every data row left in the stream into the profile (addRow; blank lines skipped), the
// columns' room reserved at the first row. Empty when the file was read to its end, else the
// refusal with the line.
std::string readDataRows(TextStream& in, const std::filesystem::path& file, char separator,
                         const RowColumns& columns, Profile& profile, ReadSummary& summary);

// Adds a data row to the profile's columns (the optional ones only where the file has them), or
// counts it as left out for its chromosome or its missing position. Empty when done; otherwise
// why the row cannot be read (too few fields, a value that is no number, a genotype that is none).
std::string addRow(const std::vector<std::string_view>& fields, const RowColumns& columns, Profile& profile,
                   ReadSummary& summary);

// Reserves room in the profile's columns (those the file has) for the rows a file will give:
// expected when the file says (a final report's "Num SNPs"), else estimated from the size of a
// plain file and the length of its first data row; nothing for a gzipped file of unknown count.
// Growing 2.5 million names by doubling costs more than reading them.
void reserveRows(Profile& profile, const RowColumns& columns, std::size_t expected);
void reserveRowsForFile(Profile& profile, const RowColumns& columns, const std::filesystem::path& file,
                        std::size_t firstRowLength);

// A reading that ends in a refusal: no profile, the summary as far as it got.
ProfileReading refusedReading(std::string refusal, ReadSummary summary);

// A reading whose rows are all in: puts them in genome order (GenomeOrder.h), names the profile
// after the file's stem when it has no name yet and records the file as its source. A file
// without one SNP on chromosomes 1..22 or X is refused.
ProfileReading finishedReading(Profile profile, ReadSummary summary, std::vector<std::string> warnings,
                               const std::filesystem::path& file, GenomeBuild build);

// "file, line 12: why" (without the line when it is 0), as every refusal of a reader begins.
std::string fileMessage(const std::filesystem::path& file, std::size_t line, std::string_view why);

} // namespace varn
