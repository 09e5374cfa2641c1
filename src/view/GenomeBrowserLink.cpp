#include "GenomeBrowserLink.h"

#include <cstdio>

namespace varn {

std::string genomeBrowserUrl(const GenomeBrowserSite& site, int chromosome, int position, const char* assembly) {
    // The browser names the sex chromosome by letter; chr23 would be an unknown sequence.
    std::string url = "http://" + site.host + "/cgi-bin/hgTracks?hgsid=" + site.session +
                      "&db=" + assembly + "&position=chr" +
                      (chromosome == 23 ? std::string("X") : std::to_string(chromosome));
    url += "%3A";
    // 100 bases either side of the SNP: close enough that the SNP is in the middle of the screen.
    char range[32];
    std::snprintf(range, sizeof range, "%d-%d", position - 100, position + 100);
    return url + range;
}

} // namespace varn
