# Judges VARN on the real pair of r-cran-pscbs (see pscbs_pair.R): its allele-specific states
# against PSCBS's calls on the same pair, arm by arm, and the dilution series against the pair.
#
#   Rscript compare_calls.R TABLES SEGMENTS PURITIES
#
# TABLES: the folder pscbs_pair.R wrote; SEGMENTS: the root's segments/ after varn-cli profile
# --segments on each table; PURITIES: one line per table, "<name> <f> <purity>" (pair first, f 1).
# Exits non-zero, saying what failed, when a check fails.
suppressPackageStartupMessages(library(PSCBS))
args <- commandArgs(trailingOnly = TRUE)
tables <- args[1]
segments <- args[2]
purities <- read.table(args[3], col.names = c("name", "f", "purity"), stringsAsFactors = FALSE)

# The pair's positions are on hg18: its last SNP lies at 247.17 Mb (chromosome 1 ends at
# 247.25 Mb on hg18, 249.25 Mb on hg19) and its largest gap, 120.99-141.51 Mb, ends inside the
# heterochromatin hg19 places up to 142.54 Mb. hg18's centromere of chromosome 1 (UCSC's gap
# table, as VARN's genome builds hold it):
kCentromere <- c(121236957, 123476957)
# The bulk of an arm: nine in ten of its SNPs. The two segmentations place their breakpoints a
# few SNPs apart and cut short stretches differently; a wrong call of an arm or of a large part
# of one moves far more.
kBulk <- 0.9
# A mix's fraction against f times the pair's.
kPurityTolerance <- 0.05

failures <- character()
fail <- function(...) failures <<- c(failures, paste0(...))

snps <- read.table(file.path(tables, "pair.tsv"), header = TRUE, sep = "\t", stringsAsFactors = FALSE)
snps <- snps[!duplicated(snps$position), ]
arm <- ifelse(snps$position < kCentromere[1], "1p", ifelse(snps$position > kCentromere[2], "1q", NA))

# The row of the segment (start..end, inclusive) holding each position; NA outside all.
locate <- function(start, end, pos) {
  o <- order(start)
  k <- findInterval(pos, start[o])
  r <- ifelse(k > 0, o[pmax(k, 1)], NA)
  r[!is.na(r) & pos > end[r]] <- NA
  r
}

# PSCBS as its vignette runs it: the gaps of 1 Mb and more as known segments, then allelic
# balance, LOH and gain / neutral / loss called on the segments.
pair <- R.utils::loadObject(system.file("data-ex/PairedPSCBS,exData,chr01.Rbin", package = "PSCBS"))
data <- data.frame(chromosome = pair$chromosome, x = pair$x, CT = pair$CT, betaT = pair$betaT, betaN = pair$betaN)
known <- gapsToSegments(findLargeGaps(data, minLength = 1e6))
fit <- suppressWarnings({
  fit <- segmentByPairedPSCBS(data, knownSegments = known, avgDH = "median", seed = 0xBEEF)
  callGNL(callLOH(callAB(fit)))
})
ps <- getSegments(fit, simplify = TRUE)
ps <- ps[!is.na(ps$tcnMean), ]
psClass <- paste(ifelse(ps$lohCall %in% TRUE, "LOH", ifelse(ps$abCall %in% TRUE, "balanced", "imbalanced")),
                 ifelse(ps$gainCall %in% TRUE, "gain", ifelse(ps$lossCall %in% TRUE, "loss", "neutral")))
pscbs <- psClass[locate(ps$start, ps$end, snps$position)]

# VARN's states at each SNP, and the same classes: LOH (no minor copy), balanced, imbalanced;
# gain or loss against two copies.
varnStates <- function(name) {
  s <- read.table(file.path(segments, paste0(name, ".segments.tsv")), header = TRUE, sep = "\t",
                  stringsAsFactors = FALSE, check.names = FALSE, comment.char = "#")
  row <- locate(s$loc.start, s$loc.end, snps$position)
  major <- s$nMajor[row]
  minor <- s$nMinor[row]
  total <- major + minor
  list(state = paste0(major, "+", minor),
       class = paste(ifelse(minor == 0 & major >= 1, "LOH", ifelse(major == minor, "balanced", "imbalanced")),
                     ifelse(total > 2, "gain", ifelse(total < 2, "loss", "neutral"))))
}

share <- function(same, where) sum(same & where, na.rm = TRUE) / sum(where)
report <- data.frame()
base <- varnStates("pair")
for (a in c("1p", "1q")) {
  onArm <- arm %in% a & !is.na(pscbs)
  agreed <- share(base$class == pscbs, onArm)
  report <- rbind(report, data.frame(check = "pair against PSCBS", arm = a, share = agreed))
  if (agreed < kBulk) {
    top <- sort(table(paste0(base$class[onArm], " / ", pscbs[onArm])), decreasing = TRUE)
    fail(sprintf("%s: VARN agrees with PSCBS on %.0f %% of the SNPs (VARN / PSCBS: %s)", a, 100 * agreed,
                 paste(names(top)[1:min(3, length(top))], top[1:min(3, length(top))], collapse = ", ")))
  }
}

p1 <- purities$purity[purities$name == "pair"]
if (!is.finite(p1)) fail("pair: the fit did not decide the tumour cell fraction")
for (k in which(purities$name != "pair")) {
  m <- purities[k, ]
  if (is.finite(p1) && !(is.finite(m$purity) && abs(m$purity - m$f * p1) <= kPurityTolerance))
    fail(sprintf("%s: tumour cells %.2f, not %.2f (%.1f x the pair's %.2f)", m$name, m$purity, m$f * p1, m$f, p1))
  mixed <- varnStates(m$name)
  for (a in c("1p", "1q")) {
    agreed <- share(mixed$state == base$state, arm %in% a)
    report <- rbind(report, data.frame(check = paste(m$name, "against the pair"), arm = a, share = agreed))
    if (agreed < kBulk) fail(sprintf("%s, %s: the pair's states on %.0f %% of the SNPs", m$name, a, 100 * agreed))
  }
}
report$share <- sprintf("%.3f", report$share)
print(report, row.names = FALSE)
print(purities, row.names = FALSE)
if (length(failures)) {
  cat(paste0("FAILED: ", failures, "\n"), sep = "")
  quit(status = 1)
}
cat("The real pair: every arm agrees\n")
