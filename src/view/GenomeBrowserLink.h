#pragma once

#include <string>

namespace varn {

// The genome browser that point inspection links to: its host and the session number passed as
// hgsid. The defaults open the public browser; the assembly is always hg16, the build the
// annotation tables' base positions refer to.
struct GenomeBrowserSite {
    std::string host = "genome.ucsc.edu";
    std::string session = "10000000";
};

// "http://HOST/cgi-bin/hgTracks?hgsid=SESSION&db=hg16&position=chrC%3AA-B" with C the chromosome
// (1..22, X for 23) and A..B the 200 bases centred on the position. A profile from another array
// names the assembly its positions are in.
std::string genomeBrowserUrl(const GenomeBrowserSite& site, int chromosome, int position,
                             const char* assembly = "hg16");

} // namespace varn
