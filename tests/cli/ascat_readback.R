# ASCAT reads VARN's files of one sample: its log ratio and B-allele fraction files are loaded,
# the germline genotypes predicted (the 100K arrays' settings), the profile segmented and the
# purity and ploidy fitted. Prints what it read and found, one "key value" per line.
#
#   Rscript ascat_readback.R SAMPLE.LogR.txt SAMPLE.BAF.txt WORKDIR [GAMMA]
#
# GAMMA is ASCAT's compression of the log ratio: on these arrays a lost copy reads about 0.7 of
# the ideal log2(1/2) (VARN's mean of one copy, -0.49 in natural log).
args <- commandArgs(trailingOnly = TRUE)
gamma <- if (length(args) >= 4) as.numeric(args[4]) else 0.7
suppressMessages(suppressWarnings(library(ASCAT)))
setwd(args[3])
quiet <- function(expr) {
  sink(tempfile())
  on.exit(sink())
  suppressMessages(suppressWarnings(expr))
}
obj <- quiet(ascat.loadData(Tumor_LogR_file = args[1], Tumor_BAF_file = args[2], chrs = c(1:22, "X"),
                            gender = "XX"))
cat("snps", nrow(obj$Tumor_LogR), "\n")
cat("baf.read", sum(!is.na(obj$Tumor_BAF[, 1])), "\n")
gg <- quiet(ascat.predictGermlineGenotypes(obj, platform = "Affy100k"))
obj <- quiet(ascat.aspcf(obj, ascat.gg = gg, seed = 1))
fit <- quiet(ascat.runAscat(obj, gamma = gamma))
found <- !is.null(fit$purity) && length(fit$purity) == 1 && !is.na(fit$purity)
cat("solution", if (found) "yes" else "no", "\n")
if (found) {
  cat("purity", fit$purity, "\n")
  cat("ploidy", fit$ploidy, "\n")
  seg <- fit$segments
  write.table(seg, file = "ascat_segments.tsv", sep = "\t", quote = FALSE, row.names = FALSE)
  cat("segments", nrow(seg), "\n")
}
