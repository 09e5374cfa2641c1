#include "CliHelp.h"

#include <string>

namespace varn::cli {

namespace {

constexpr std::string_view kOutputsHelp =
    "OUTPUTS (written after the analysis, in this order):\n"
    "  --store           Store: the temporary file of the analysis, in \"temporary files/\" (pool)\n"
    "                    or \"Self temporary files/\" (paired); <sample>.temp\n"
    "  --tracks          IGBFileOut: genome-browser tracks <sample>.sgr and <sample>LOH.sgr in IGBfiles/\n"
    "                    (merged: <xba>and<hind>.sgr, <xba>and<hind>LOH.sgr)\n"
    "  --raw-data        RawDataOut: the raw data table RawData/<sample>.xls\n"
    "  --view-file       the view file <sample>.cng in the folder \"VARN View\" beside the root\n"
    "  --segments        SegmentOut: the HMM segments as segments/<sample>.seg (SEG),\n"
    "                    <sample>.segments.tsv (every column) and <sample>.bed (BED9 of the changes)\n"
    "  --baf             the allele analysis (AlleleOut): the log ratio (base 2) and B-allele fraction\n"
    "                    as ASCAT reads them, alleles/<sample>.LogR.txt and alleles/<sample>.BAF.txt;\n"
    "                    with --segments the table gains nMajor, nMinor, baf.mirrored, loh.alleles and\n"
    "                    cn.mismatch; with --store the sample's allele sums are kept beside the stored\n"
    "                    analysis (temporary files/<sample>.alleles) for reload --baf and batch-segments.\n"
    "                    A pool analysis needs the pool's allele model (<pool>.alleles beside the pool)\n"
    "  --plot FILE.png   a picture of the display the command ends in, drawn as the window draws it\n"
    "                    under MonitorView, in an image that holds the whole page; FILE.svg and\n"
    "                    FILE.pdf keep it a vector drawing\n"
    "  --plot-chromosomes PREFIX  the same for every chromosome (EachChromosome, chromosomes\n"
    "                    1..22 and X): PREFIX-ch1.png .. PREFIX-chX.png; PREFIX.svg or PREFIX.pdf\n"
    "                    gives PREFIX-ch1.svg .. (or .pdf)\n"
    "  --dpi N           resolution of the PNG plots, 72..1200 (default 96, the screen's: one\n"
    "                    pixel per window pixel; 300 draws the same page 300/96 times larger)\n"
    "  --annotate yes|no the plots with \"Axes and Legend\" (default yes, as the window starts):\n"
    "                    value axes, megabase ticks, a legend and the HMM call as a coloured step\n"
    "                    line; no draws the pages without them\n"
    "  --baf-panel yes|no  the plots carry the B-allele fraction panel under every chromosome's\n"
    "                    profile, as the window draws it with View > B-allele Fraction (default no);\n"
    "                    yes also asks for the allele analysis as --baf does for --segments and\n"
    "                    --store. An analysis without allele data is drawn without it; the command\n"
    "                    says why and fails\n"
    "  Each output is offered where the window offers it, and asking for it elsewhere is a\n"
    "  usage error: --store after analyze, reload, paired or reload-self; --tracks after\n"
    "  analyze, reload or merged; --raw-data and --view-file after analyze or reload only;\n"
    "  --segments after analyze, reload or merged (paired analyses have no HMM).\n";

constexpr std::string_view kAveragingHelp =
    "  --average N       moving-average window, 1..10 (default 10)\n"
    "  --all-data        average with \"Include All Data\" (default \"Exclude Max and Min\")\n";

constexpr std::string_view kMeansHelp =
    "  --hmm-means M0,...,M6  the HMM means of copy numbers 0..6 (as the HMM parameter dialog sets\n"
    "                    them; M0..M5 in -1.50..1.50): the profile is decoded again with them\n"
    "  --purity auto|P   the means for a tumour cell fraction P (0.10..1.00), mixed from the\n"
    "                    pure-tumour means with the normal cells' DNA; auto: the estimate, printed\n"
    "                    with its interval as one line on stderr (a profile that cannot tell\n"
    "                    keeps its means). Where the pool has an allele model (and the sample's\n"
    "                    allele sums are held) the estimate fits the fraction and the ploidy\n"
    "                    together on the levels and the B-allele fraction, the baseline region at\n"
    "                    its --base-copy\n"
    "  --ploidy auto|X   the fraction and the tumour's ploidy fitted together, the data deciding\n"
    "                    the baseline region's copy number (auto) or the ploidy held at X\n"
    "                    (1.5..5.5); the solution is printed on stderr and applied: the means for\n"
    "                    its fraction, the baseline region at the copy number it gives it\n"
    "  --solution N      applies the N-th solution of that fit (1 the best; see varn-cli purity)\n";

constexpr std::string_view kDecoderHelp =
    "  --decoder hmm|alleles  hmm: the seven-state HMM (default); alleles: the allele-specific HMM\n"
    "                    (total and minor copies from log ratio and alleles; both arrays of a\n"
    "                    merged analysis in one chain; X where the sexes allow); it needs the\n"
    "                    allele analysis (the pool's allele model and the sample's allele sums).\n"
    "                    Without --hmm-means, --purity, --ploidy or --solution it decodes at the\n"
    "                    best solution of the joint fit, as --purity auto --ploidy auto (printed\n"
    "                    on stderr); where the fit cannot tell, at the means in use, and says so\n";

constexpr std::string_view kPurityHelp =
    "Usage: varn-cli [--root DIR] purity TEMPFILE --pool POOL [--ploidy auto|X] [--plot FILE.png]\n"
    "       varn-cli [--root DIR] purity XBATEMP HINDTEMP --pool XBAPOOL --pool HINDPOOL [--ploidy auto|X]\n"
    "         [--plot FILE.png]\n"
    "       varn-cli [--root DIR] purity --self SELFTEMP [--ploidy auto|X] [--plot FILE.png]\n"
    "       varn-cli [--root DIR] purity --profile FILE [--normal F] [--format F] [--sample N] [--build B]\n"
    "         [--pfb F] [--ploidy auto|X] [--plot FILE.png]\n"
    "  The tumour cell fraction of a stored pool analysis (one array, or both arrays of one\n"
    "  sample as File New \"Xba + Hind\" loads them), or of a stored paired analysis (--self):\n"
    "  the profile is segmented, the segment levels are fitted to the expected levels of every\n"
    "  copy number over the fraction 0.10..1.00, and the estimate, its interval (a likelihood-\n"
    "  ratio interval on the fit), the next-best fractions and the fit curve are printed as a\n"
    "  table. A paired analysis also fits the allele ratios at the normal's heterozygous SNPs,\n"
    "  where a lost parental allele measures the fraction directly. A profile without changes,\n"
    "  or with two fractions that fit about as well, says it cannot tell.\n"
    "  Where the alleles can be read (a pool with an allele model and the sample's allele sums\n"
    "  stored with --baf, or the paired normal), the fraction and the tumour's ploidy are fitted\n"
    "  together on the segment levels and their B-allele fraction, and every solution is listed:\n"
    "  fraction and ploidy with their intervals, the fit (1 - cost / (25 x segments), the score\n"
    "  they are listed by, best first), whether the genome doubled, the shares of the genome in\n"
    "  LOH, doubled and altered, and the share of the markers in segments explained. With the\n"
    "  baseline held, the map's best is listed too, ranked with the solutions the baseline leaves.\n"
    "  --profile FILE    an array's profile of log ratio and B-allele fraction, read as profile\n"
    "                    reads it (with --normal, --format, --sample, --build and --pfb): the\n"
    "                    fraction and the ploidy are fitted together, the data deciding the baseline\n"
    "  --ploidy auto|X   the data decide the baseline region's copy number (auto), or the ploidy\n"
    "                    is held at X (1.5..5.5); default: the region holds its stored copy number\n"
    "  --plot FILE.png   draws the fit curve, or with the alleles the map of the fit over\n"
    "                    fraction and ploidy (darker is better, the solutions marked)\n";

constexpr std::string_view kDemoHelp =
    "Usage: varn-cli [--root DIR] demo-data [--seed N] [--refs K]\n"
    "  Writes a complete synthetic installation into the root: the eight annotation tables,\n"
    "  K normal references per array (default 10) with sample lists and pools (their SNP calls\n"
    "  apart, in referencecallsX|H), seven tumours on both arrays with their paired normals\n"
    "  (Tumor3..Tumor5 with 30, 50 and 70 % normal cells; Tumor6, a doubled genome, and Tumor7,\n"
    "  a subclonal trisomy, with 30 %), the empty output folders and per tumour a truth file.\n"
    "  Beside them, in finalreports/, Tumor8 and its normal Tumor8N as GenomeStudio final\n"
    "  reports of 700,000 SNPs on hg19 (Tumor4's changes, a 100 kb homozygous deletion, a 50 kb\n"
    "  germline loss) with the array's PennCNV PFB file demo.pfb, and Tumor8's truth in\n"
    "  truth/hg19/Tumor8.txt. The same seed (default 1) gives the same files.\n";

constexpr std::string_view kDemoReportHelp =
    "Usage: varn-cli demo-report --out FILE [--snps N] [--normal F] [--truth F] [--pfb F] [--seed S]\n"
    "  Writes demo-data's final-report tumour, Tumor8, as a GenomeStudio final report of N SNPs\n"
    "  (1000..5000000, default 700000) to FILE; --normal writes its normal Tumor8N, --truth what\n"
    "  was planted (hg19), --pfb the array's population B-allele frequencies. The same seed\n"
    "  (default 1) and N give the same files; at the defaults they are demo-data's. Each file\n"
    "  written is named on stdout.\n";

constexpr std::string_view kMakePoolHelp =
    "Usage: varn-cli [--root DIR] make-pool --array xba|hind --list FILE --out POOL\n"
    "  MakeReference: builds a new reference pool of the array from a sample list (one sample\n"
    "  name per line; at most 199). Each name's signal file is sampledataX/<name>X.txt (Xba) or\n"
    "  sampledataH/<name>H.txt (Hind) under the root. The pool is saved as POOL.\n";

constexpr std::string_view kAddToPoolHelp =
    "Usage: varn-cli [--root DIR] add-to-pool --pool POOL --list FILE --out POOL\n"
    "  AddReference: loads the pool, appends the samples of the list (the pool's array type;\n"
    "  at most 200 rows in all) and saves the grown pool as --out (may be the same file).\n";

constexpr std::string_view kAlleleModelHelp =
    "Usage: varn-cli [--root DIR] allele-model --pool POOL\n"
    "  AlleleModel: learns the allele model of the pool (where the genotype clusters AA, AB and BB\n"
    "  of every SNP's allele contrast ln(B/A) lie) from its references' signal files in\n"
    "  sampledataX/ or sampledataH/ under the root, and writes it beside the pool as\n"
    "  <stem>.alleles (XbaPool.ref -> XbaPool.alleles). A reference whose SNP-call file\n"
    "  <name>X_snp.txt lies beside its signal file is labelled by its calls. Pools are given their\n"
    "  model whenever they are made or grown (make-pool, add-to-pool); this is for a pool without\n"
    "  one. A pool of fewer than three references gets none.\n";

constexpr std::string_view kAnalyzeHead =
    "Usage: varn-cli [--root DIR] analyze --pool POOL --signal FILE --calls FILE [--region R]\n"
    "         [--base-copy N] [--refs all|best:K|ROW[,ROW...]] [--hmm-means M0,...,M6 | --purity auto|P]\n"
    "         [--ploidy auto|X] [--solution N] [--average N] [--all-data] [OUTPUTS]\n"
    "  A new sample against a reference pool (the array type is the pool's): File New with\n"
    "  \"Non self reference\" and \"New Sample\", the one-reference ratio, the baseline region and\n"
    "  its copy number, the references' SDs measured on it, Sort with the ticked references and\n"
    "  the best-ranked ticked one as denominator, averaging, LOH score; ends in display mode 4.\n"
    "  --pool POOL        the reference pool file (Load Ref)\n"
    "  --signal FILE      the sample's signal file; its name without extension names the sample\n"
    "  --calls FILE       the sample's SNP-call file\n"
    "  --region R         FROM-TO display positions of the array, inclusive; or chrN / chrN:START-END\n"
    "                     (N = 1..22 or X, START/END in bases): the first and last positions inside;\n"
    "                     default: all autosomes of the array\n"
    "  --base-copy N      copy number of the region, 1..4 (default 2)\n"
    "  --refs SPEC        references to tick in the reference dialog: all (default), best:K (the K\n"
    "                     best-ranked, i.e. quietest on the region), or pool rows as 1,4,7 (row 1 is\n"
    "                     the pool's first reference)\n"
    "  --plot-compensation FILE.png  the compensation plots (display mode 7) File New opens on,\n"
    "                     drawn whole as the window draws them, before the region is applied\n"
    "                     (.svg and .pdf too; --dpi sets a PNG's resolution)\n";

constexpr std::string_view kPairedHead =
    "Usage: varn-cli [--root DIR] paired --array xba|hind --tumor-signal F --tumor-calls F\n"
    "         --normal-signal F --normal-calls F [--region R --base-copy N] [--average N]\n"
    "         [--all-data] [OUTPUTS]\n"
    "  A tumour against the patient's own normal: File New with \"Self reference\" and \"New\n"
    "  Sample\"; the paired profile on the whole array, recomputed on --region with --base-copy\n"
    "  (default 2) when a region is given; ends in display mode 21.\n"
    "  --region R, --base-copy N   as for analyze; --base-copy needs --region\n";

constexpr std::string_view kReloadHead =
    "Usage: varn-cli [--root DIR] reload TEMPFILE --pool POOL [--hmm-means M0,...,M6 | --purity auto|P]\n"
    "         [--ploidy auto|X] [--solution N] [--average N] [--all-data] [OUTPUTS]\n"
    "  NonSelfLoad: reloads a stored pool analysis with the pool it was made with and recomputes\n"
    "  its profile with the stored region, base copy number, HMM means and references; ends in\n"
    "  display mode 4.\n";

constexpr std::string_view kReloadSelfHead =
    "Usage: varn-cli [--root DIR] reload-self TEMPFILE [--average N] [--all-data] [OUTPUTS]\n"
    "  SelfLoad: reloads a stored paired analysis and recomputes its profile; ends in display\n"
    "  mode 21.\n";

constexpr std::string_view kMergedHead =
    "Usage: varn-cli [--root DIR] merged --pool POOL --pool POOL --xba-temp F --hind-temp F\n"
    "         [--hmm-means M0,...,M6 | --purity auto|P] [--ploidy auto|X] [--solution N] [--average N]\n"
    "         [--all-data] [OUTPUTS]\n"
    "  File New with \"Non self reference\" and \"Xba + Hind\": loads the Xba and the Hind pool,\n"
    "  the two stored pool analyses, computes both profiles and averages them together; ends in\n"
    "  display mode 2.\n";

constexpr std::string_view kBatchHelp =
    "Usage: varn-cli [--root DIR] batch-tracks --pool POOL [--pool POOL]\n"
    "  The batch track export: every *.temp of \"temporary files/\" is reloaded, its profile and\n"
    "  LOH score recomputed and its two tracks written to IGBfiles/. A file whose array type has\n"
    "  no pool given is skipped with \"Reference is not loaded\" (exit status 1).\n";

constexpr std::string_view kBatchSegmentsHelp =
    "Usage: varn-cli [--root DIR] batch-segments --pool POOL [--pool POOL]\n"
    "  The batch segment export: every *.temp of \"temporary files/\" is reloaded, its profile,\n"
    "  HMM states and LOH score recomputed and its segments written to segments/ (<sample>.seg,\n"
    "  <sample>.segments.tsv, <sample>.bed); then segments/cohort.seg holds every sample's\n"
    "  segments in one SEG file. A file whose array type has no pool given is skipped with\n"
    "  \"Reference is not loaded\" (exit status 1). A stored analysis with its allele sums beside it\n"
    "  (stored with --baf) is an allele analysis: its table gains the allele columns and its\n"
    "  ASCAT files are written to alleles/ (see --baf). The profiles kept by profile --store\n"
    "  (*.profile.gz) join cohort.seg after them with their segments as stored.\n";

constexpr std::string_view kCohortSamplesHelp =
    "Usage: varn-cli [--root DIR] cohort-samples --pool POOL [--pool POOL] [--ploidy auto|X]\n"
    "  Every *.temp of \"temporary files/\" is reloaded as batch-segments reloads it and its\n"
    "  tumour summarised in segments/cohort-samples.tsv, one row per stored analysis: the tumour\n"
    "  cell fraction and the ploidy fitted together (where its allele sums were stored with --baf\n"
    "  and the pool has an allele model) with their intervals, whether the genome doubled, the\n"
    "  shares of the genome altered, in LOH and doubled, the fit (1 - cost / (25 x segments)), the\n"
    "  number of solutions and whether the fit decided; NA and a note where the alleles cannot be\n"
    "  read (the fraction is then the levels' alone). The baseline region holds its stored copy\n"
    "  number unless --ploidy auto lets the data decide it or --ploidy X holds the ploidy.\n"
    "  The profiles kept by profile --store (*.profile.gz) follow, array \"profile\", with the\n"
    "  solution they were decoded with (NA where none was fitted).\n";

constexpr std::string_view kSampleListHelp =
    "Usage: varn-cli [--root DIR] sample-list [--pool POOL ...]\n"
    "  The Debug command: writes SampleList.xls in the root with the row number and name of\n"
    "  every reference of the given pools (Xba first, then Hind).\n";

constexpr std::string_view kReportHelp =
    "Usage: varn-cli [--root DIR] report TEMPFILE --pool POOL [--pool POOL --hind-temp F] --out FILE.pdf\n"
    "  ReportOut: the PDF report of a stored pool analysis, reloaded with its pool (NonSelfLoad), or\n"
    "  with --hind-temp of the Xba + Hind analysis of TEMPFILE (the Xba one) and F: the genome page,\n"
    "  the program version, the date, each array's pool file and the input files, the SD and S/N\n"
    "  before and after compensation, the references used with their SDs, the HMM means, the\n"
    "  tumour cell fraction they stand for and the ploidy, the segments that are not two copies\n"
    "  without LOH and each changed chromosome with its segments; every page ends in a line naming\n"
    "  the version, the sample, the tumour cell fraction, the ploidy and the page. A stored\n"
    "  analysis whose pool is not given ends with \"Reference is not loaded\".\n"
    "  --average N, --all-data  the averaging dialog's answer, as for reload\n"
    "  --annotate yes|no the pictures with \"Axes and Legend\" (default yes) or without\n";

constexpr std::string_view kCohortHelp =
    "Usage: varn-cli [--root DIR] cohort [--plot FILE.png] [SEGMENTS.tsv ...]\n"
    "  The cohort summary: from the samples' segment tables (default: every *.segments.tsv in\n"
    "  segments/, a merged <xba>and<hind> table standing for its two single-array ones), the share\n"
    "  of samples with a gain (copy number above 2), a loss (below 2) and LOH along the genome,\n"
    "  written to segments/cohort-frequency.tsv: chrom, start, end (bases, inclusive), samples\n"
    "  covering the stretch, gain, loss and loh shares (gain and loss empty on X, which has no\n"
    "  copy number).\n"
    "  --plot FILE.png   the frequencies drawn along the merged genome page: gains up, losses\n"
    "                    down, LOH below them, over each chromosome's cytoband ideogram\n";

std::string withOptions(std::string_view head) {
    return std::string(head) + std::string(kAveragingHelp) + std::string(kOutputsHelp);
}

std::string withDecoderOption(std::string_view head) {
    return std::string(head) + std::string(kDecoderHelp) + std::string(kAveragingHelp) + std::string(kOutputsHelp);
}

std::string withMeansOptions(std::string_view head) {
    return std::string(head) + std::string(kMeansHelp) + std::string(kDecoderHelp) + std::string(kAveragingHelp) +
           std::string(kOutputsHelp);
}

} // namespace

const std::string_view kUsage =
    "Usage: varn-cli [--root DIR] COMMAND [OPTIONS]\n"
    "  --root DIR        the installation root standing for c:\\VARN\\ (default $VARN_ROOT, else ~/VARN)\n"
    "  -h, --help        usage of the tool or of one command;  --version\n"
    "Exit status: 0 success; 1 when the operation failed (its message is on stderr); 2 bad usage.\n"
    "\n"
    "demo-data [--seed N] [--refs K]\n"
    "demo-report  --out FILE [--snps N] [--normal F] [--truth F] [--pfb F] [--seed S]\n"
    "make-pool    --array xba|hind --list FILE --out POOL        MakeReference, the Save As answered by "
    "--out\n"
    "add-to-pool  --pool POOL --list FILE --out POOL             AddReference on that pool (its array type)\n"
    "allele-model --pool POOL                                    AlleleModel: the pool's allele model beside it\n"
    "analyze      --pool POOL --signal FILE --calls FILE [--region R] [--base-copy N]\n"
    "             [--refs all|best:K|ROW[,ROW...]] [--average N] [--all-data] [OUTPUTS]\n"
    "paired       --array xba|hind --tumor-signal F --tumor-calls F --normal-signal F --normal-calls F\n"
    "             [--region R --base-copy N] [--average N] [--all-data] [OUTPUTS]\n"
    "reload       TEMPFILE --pool POOL [--average N] [--all-data] [OUTPUTS]        NonSelfLoad\n"
    "reload-self  TEMPFILE [--average N] [--all-data] [OUTPUTS]                     SelfLoad\n"
    "merged       --pool POOL --pool POOL --xba-temp F --hind-temp F [--average N] [--all-data] [OUTPUTS]\n"
    "batch-tracks --pool POOL [--pool POOL]                      the batch track export of \"temporary "
    "files\"\n"
    "batch-segments --pool POOL [--pool POOL]                    the same for segments, plus cohort.seg\n"
    "sample-list  [--pool POOL ...]                              the Debug command\n"
    "report       TEMPFILE --pool POOL [--pool POOL --hind-temp F] --out FILE.pdf    ReportOut\n"
    "cohort       [--plot FILE.png] [SEGMENTS.tsv ...]           gain, loss and LOH frequencies of a cohort\n"
    "cohort-samples --pool POOL [--pool POOL] [--ploidy auto|X]  purity, ploidy, doubling of every stored analysis\n"
    "purity       TEMPFILE --pool POOL | XBATEMP HINDTEMP --pool P --pool P | --self SELFTEMP [--plot F]\n"
    "             [--ploidy auto|X]  the tumour cell fraction (and ploidy) with intervals, every solution\n"
    "purity       --profile FILE [--normal F] [--format F] [--sample N] [--build B] [--pfb F] [--plot F]\n"
    "             [--ploidy auto|X]  the same of an array profile\n"
    "profile      FILE [--normal FILE] [--format auto|illumina|penncnv|ascat|table] [--sample NAME]\n"
    "             [--build hg18|hg19|hg38] [--pfb FILE] [--purity auto|P] [--ploidy auto|X]\n"
    "             [--solution N] [--sex auto|female|male] [OUTPUTS]  a SNP array's profile of log ratio\n"
    "             and B-allele fraction; or --logr-file F --baf-file F [--normal-baf-file F]\n"
    "             [--normal-logr-file F] [...] for ASCAT's files; --reload STORED [OUTPUTS]\n"
    "analyze, reload, merged also take --hmm-means M0,...,M6 or --purity auto|P (0.10..1.00),\n"
    "             --ploidy auto|X (1.5..5.5) and --solution N\n"
    "analyze, reload, merged, paired also take --decoder hmm|alleles\n"
    "OUTPUTS: --store  --tracks  --raw-data  --view-file          Store, IGBFileOut, RawDataOut, save view "
    "file\n"
    "         --segments  --baf                                  SegmentOut, AlleleOut\n"
    "\n"
    "Every message box of the program is one line on stderr. 'varn-cli COMMAND --help' explains a command.\n";

std::string commandHelp(std::string_view command) {
    if (command == "demo-data") return std::string(kDemoHelp);
    if (command == "demo-report") return std::string(kDemoReportHelp);
    if (command == "make-pool") return std::string(kMakePoolHelp);
    if (command == "add-to-pool") return std::string(kAddToPoolHelp);
    if (command == "allele-model") return std::string(kAlleleModelHelp);
    if (command == "analyze") return withMeansOptions(kAnalyzeHead);
    if (command == "paired") return withDecoderOption(kPairedHead);
    if (command == "reload") return withMeansOptions(kReloadHead);
    if (command == "reload-self") return withOptions(kReloadSelfHead);
    if (command == "merged") return withMeansOptions(kMergedHead);
    if (command == "purity") return std::string(kPurityHelp);
    if (command == "batch-tracks") return std::string(kBatchHelp);
    if (command == "batch-segments") return std::string(kBatchSegmentsHelp);
    if (command == "cohort-samples") return std::string(kCohortSamplesHelp);
    if (command == "sample-list") return std::string(kSampleListHelp);
    if (command == "report") return std::string(kReportHelp);
    if (command == "cohort") return std::string(kCohortHelp);
    if (command == "profile") return std::string(kProfileHelp);
    return {};
}

} // namespace varn::cli
