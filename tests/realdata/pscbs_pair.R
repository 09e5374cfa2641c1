# The real tumour/normal pair that Debian's r-cran-pscbs ships (chromosome 1 of an Affymetrix
# GenomeWideSNP_6 array, positions on hg18), as VARN's plain profile table, and the same tumour
# diluted in silico with its own normal.
#
#   Rscript pscbs_pair.R OUTDIR
#
# Writes OUTDIR/pair.tsv (the tumour as it is) and OUTDIR/mix70.tsv, mix50.tsv, mix30.tsv (70, 50
# and 30 % of the tumour's content). Columns: name, chromosome, position, logr, baf, baf_normal,
# genotype_normal.
#
# The file's CT is the tumour's total copy number against its normal, scaled so that the normal
# is 2 (CT = 2 thetaT / thetaN); its log ratio is log2(CT / 2). betaT and betaN are the B-allele
# fractions of the tumour and of the normal; the normal's genotypes are PSCBS's own naive calls
# from betaN.
#
# The dilution model: a probe's signal is linear in the DNA it measures, so a mix of a fraction f
# of the tumour's DNA with 1 - f of the normal's gives, SNP by SNP, the same mix of the two signals.
# On the copy ratio R = CT / 2 (the normal is 1): R_f = f R + (1 - f). The B allele's copies mix
# the same way, the tumour's betaT R with the normal's betaN 1:
#   baf_f = (f betaT R + (1 - f) betaN) / R_f.
# The mix's tumour cell fraction is then f times the pair's (exactly so at ploidy 2; f is a share
# of DNA, not of cells). The noise is the pair's own, not a new array's: what the mix tests is
# how the fit reads a smaller contrast, not a noisier one.
suppressPackageStartupMessages({
  library(PSCBS)
  library(aroma.light)
})
args <- commandArgs(trailingOnly = TRUE)
out <- if (length(args)) args[1] else "."
dir.create(out, showWarnings = FALSE, recursive = TRUE)

pair <- R.utils::loadObject(system.file("data-ex/PairedPSCBS,exData,chr01.Rbin", package = "PSCBS"))
genotype <- callNaiveGenotypes(pair$betaN)
genotypeText <- ifelse(is.na(genotype), "NC", ifelse(genotype == 0, "AA", ifelse(genotype == 1, "BB", "AB")))

number <- function(x) ifelse(is.finite(x), sprintf("%.6g", x), "NA")

writeMix <- function(f, file) {
  ratio <- pair$CT / 2
  mixed <- f * ratio + (1 - f)
  baf <- (f * pair$betaT * ratio + (1 - f) * pair$betaN) / mixed
  table <- data.frame(name = rownames(pair), chromosome = pair$chromosome, position = pair$x,
                      logr = number(log2(mixed)), baf = number(baf), baf_normal = number(pair$betaN),
                      genotype_normal = genotypeText)
  write.table(table, file.path(out, file), sep = "\t", quote = FALSE, row.names = FALSE)
}

writeMix(1, "pair.tsv")
for (f in c(0.7, 0.5, 0.3)) writeMix(f, sprintf("mix%02d.tsv", round(100 * f)))
