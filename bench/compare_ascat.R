# ASCAT on VARN's own LogR / BAF files of every demo tumour, and both against what was planted.
# Reads the list compare_ascat.sh writes (one line per tumour and array: the files VARN wrote and
# the tumour cell fraction it used), runs ASCAT on the same two files (germline genotypes
# predicted with the settings of the 100K array set these two arrays form, ascat.aspcf, then
# ascat.runAscat at each gamma given) and prints three Markdown tables:
#   1. planted and found purity and ploidy (the planted one over 1..22 and X as the truth file
#      gives it, and over 1..22 alone), each one's goodness of fit (VARN's where it fits the
#      ploidy), and the ploidy VARN's segments imply (their copy numbers weighted by length);
#   2. allele-specific accuracy: the share of usable positions whose (nMajor, nMinor) is planted;
#   3. LOH: recall over planted LOH stretches >= 5 Mb and the false rate over positions that keep
#      both parents, from the calls' LOH score, from the alleles, and from ASCAT.
# Usable positions: every SNP in the sample's LogR file on chromosomes 1..22 where the tumour is
# clonal (a subclonal stretch has no single state to match).
#
#   Rscript compare_ascat.R LIST WORKDIR GAMMA[,GAMMA...] CACHE
args <- commandArgs(trailingOnly = TRUE)
list <- read.table(args[1], header = TRUE, sep = "\t", stringsAsFactors = FALSE, quote = "")
work <- args[2]
gammas <- as.numeric(strsplit(args[3], ",")[[1]])
cache <- args[4]
suppressMessages(suppressWarnings(library(ASCAT)))

kLongStretch <- 5e6
kLohScoreCall <- 30 # the LOH score above which the calls say LOH (the track holds 2^score)

quiet <- function(expr) {
  sink(tempfile())
  on.exit(sink())
  suppressMessages(suppressWarnings(expr))
}

chromosomeNumber <- function(chr) ifelse(chr %in% c("X", "23"), 23L, suppressWarnings(as.integer(chr)))

# The row of the segment (chromosome, start..end, inclusive) holding each position, NA outside all.
locate <- function(segChr, segStart, segEnd, chr, pos) {
  out <- rep(NA_integer_, length(pos))
  for (c in unique(chr)) {
    i <- which(chr == c)
    j <- which(segChr == c)
    if (!length(j)) next
    j <- j[order(segStart[j])]
    k <- findInterval(pos[i], segStart[j])
    r <- rep(NA_integer_, length(i))
    r[k > 0] <- j[k[k > 0]]
    inside <- !is.na(r) & pos[i] <= segEnd[ifelse(is.na(r), 1L, r)]
    r[!inside] <- NA_integer_
    out[i] <- r
  }
  out
}

readTruth <- function(file) {
  header <- strsplit(readLines(file, n = 1), "\t")[[1]]
  field <- function(key, otherwise) {
    hit <- grep(paste0("^", key, "="), header, value = TRUE)
    if (length(hit)) sub("^[^=]*=", "", hit[1]) else otherwise
  }
  t <- read.table(file, skip = 1, sep = "\t", col.names = c("chr", "start", "end", "cn", "loh", "minor",
                                                            "subCn", "subMinor", "subFraction"))
  autosomal <- t$chr <= 22
  bases <- as.numeric(t$end - t$start + 1)
  cells <- (1 - t$subFraction) * t$cn + t$subFraction * t$subCn
  list(segments = t, normal = as.numeric(field("normal_cells", "0")), ploidy = as.numeric(field("ploidy", "NA")),
       autosomalPloidy = sum(bases[autosomal] * cells[autosomal]) / sum(bases[autosomal]),
       male = field("sex", "female") == "male")
}

readVarnSegments <- function(file) {
  s <- read.table(file, header = TRUE, sep = "\t", comment.char = "#", stringsAsFactors = FALSE,
                  na.strings = "", check.names = FALSE)
  s$chr <- chromosomeNumber(as.character(s$chrom))
  s
}

# The LOH score of every SNP of the calls' track (2 to the power of the score), by "chr:position".
readLohTrack <- function(file) {
  t <- read.table(file, sep = "\t", stringsAsFactors = FALSE, strip.white = TRUE)
  key <- paste0(chromosomeNumber(sub("^chr", "", trimws(t[[1]]))), ":", t[[2]])
  setNames(log2(t[[3]]), key)
}

# ASCAT's fit of one sample at every gamma, kept in CACHE under the checksum of its two files, so
# that a rerun after a change to VARN's calls skips what ASCAT has already done.
runAscat <- function(row) {
  key <- paste(c(unname(tools::md5sum(c(row$logr, row$baf))), row$male), collapse = " ")
  kept <- file.path(cache, paste0(row$name, ".rds"))
  if (file.exists(kept)) {
    k <- readRDS(kept)
    done <- sapply(k$fits, function(f) f$gamma)
    if (identical(k$key, key) && all(gammas %in% done)) return(k$fits[match(gammas, done)])
  }
  fits <- fitAscat(row)
  dir.create(cache, showWarnings = FALSE, recursive = TRUE)
  saveRDS(list(key = key, fits = fits), kept)
  fits
}

fitAscat <- function(row) {
  dir <- file.path(work, row$name)
  dir.create(dir, showWarnings = FALSE, recursive = TRUE)
  old <- setwd(dir)
  on.exit(setwd(old))
  obj <- quiet(ascat.loadData(Tumor_LogR_file = row$logr, Tumor_BAF_file = row$baf, chrs = c(1:22, "X"),
                              gender = if (row$male) "XY" else "XX"))
  gg <- quiet(ascat.predictGermlineGenotypes(obj, platform = "Affy100k"))
  obj <- quiet(ascat.aspcf(obj, ascat.gg = gg, seed = 1))
  lapply(gammas, function(g) {
    fit <- quiet(ascat.runAscat(obj, gamma = g))
    found <- !is.null(fit$purity) && length(fit$purity) == 1 && !is.na(fit$purity)
    if (!found) return(list(gamma = g, found = FALSE))
    s <- fit$segments
    list(gamma = g, found = TRUE, purity = fit$purity, ploidy = fit$ploidy, fit = fit$goodnessOfFit,
         chr = chromosomeNumber(as.character(s$chr)), start = s$startpos, end = s$endpos,
         major = pmax(s$nMajor, s$nMinor), minor = pmin(s$nMajor, s$nMinor))
  })
}

share <- function(hit, of) if (sum(of) > 0) sum(hit & of) / sum(of) else NA_real_
pct <- function(x, digits = 1) ifelse(is.na(x), "n/a", formatC(100 * x, format = "f", digits = digits))

# Recall over the planted LOH stretches >= 5 Mb (worst stretch / all their positions) and the
# false rate over positions keeping both parents, for one LOH call per position.
lohFigures <- function(call, stretch, retained) {
  per <- tapply(call[!is.na(stretch)], stretch[!is.na(stretch)], mean)
  c(worst = if (length(per)) min(per) else NA_real_, all = share(call, !is.na(stretch)),
    false = share(call, retained))
}

rows <- list()
for (r in seq_len(nrow(list))) {
  row <- list[r, ]
  truth <- readTruth(row$truth)
  row$male <- truth$male
  snps <- read.table(row$logr, header = TRUE, sep = "\t", stringsAsFactors = FALSE, check.names = FALSE)
  chr <- chromosomeNumber(as.character(snps[[2]]))
  pos <- snps[[3]]
  ts <- truth$segments
  ti <- locate(ts$chr, ts$start, ts$end, chr, pos)
  clonal <- !is.na(ti) & ts$subFraction[ti] >= 1
  usable <- clonal & chr <= 22
  tMinor <- ts$minor[ti]
  tMajor <- ts$cn[ti] - tMinor
  longLoh <- ts$loh == 1 & ts$end - ts$start + 1 >= kLongStretch & ts$subFraction >= 1
  stretch <- ifelse(usable & longLoh[ti], ti, NA_integer_)
  retained <- usable & ts$cn[ti] >= 1 & tMinor >= 1

  v <- readVarnSegments(row$segments)
  vi <- locate(v$chr, v$loc.start, v$loc.end, chr, pos)
  vRight <- !is.na(vi) & !is.na(v$nMajor[vi]) & v$nMajor[vi] == tMajor & v$nMinor[vi] == tMinor
  vAlleleLoh <- !is.na(vi) & v$loh.alleles[vi] == "yes"
  score <- readLohTrack(row$lohtrack)[paste0(chr, ":", pos)]
  vCallLoh <- !is.na(score) & score > kLohScoreCall
  autosomal <- v$chr <= 22 & !is.na(v$copy.number)
  bases <- v$loc.end - v$loc.start + 1
  varnPloidy <- sum(bases[autosomal] * v$copy.number[autosomal]) / sum(bases[autosomal])

  ascat <- runAscat(row)
  rows[[r]] <- list(row = row, truth = truth, varnPloidy = varnPloidy, ascat = ascat,
                    varnAccuracy = share(vRight, usable), usable = sum(usable),
                    calls = lohFigures(vCallLoh, stretch, retained),
                    alleles = lohFigures(vAlleleLoh, stretch, retained),
                    stretches = length(unique(stretch[!is.na(stretch)])),
                    ascatFigures = lapply(ascat, function(a) {
                      if (!a$found) return(list(accuracy = NA_real_, loh = c(worst = NA, all = NA, false = NA)))
                      ai <- locate(a$chr, a$start, a$end, chr, pos)
                      right <- !is.na(ai) & a$major[ai] == tMajor & a$minor[ai] == tMinor
                      loh <- !is.na(ai) & a$minor[ai] == 0 & a$major[ai] >= 1
                      list(accuracy = share(right, usable), loh = lohFigures(loh, stretch, retained))
                    }))
  unlink(file.path(work, row$name), recursive = TRUE)
}

g <- paste0("γ ", gammas)
f2 <- function(x) ifelse(is.na(x), "n/a", formatC(x, format = "f", digits = 2))
line <- function(...) cat("|", paste(c(...), collapse = " | "), "|\n")

cat("\n### 1. Purity and ploidy\n\n")
line("tumour", "array", "planted p", "planted ψ", "planted ψ 1..22", "VARN p", "VARN ψ", "VARN fit %", "VARN ψ (segments)",
     paste("ASCAT p,", g), paste("ASCAT ψ,", g), paste("ASCAT fit %,", g))
line(paste(rep("---", 9 + 3 * length(g)), collapse = " | "))
for (x in rows) {
  a <- x$ascat
  line(x$row$tumour, x$row$array, f2(1 - x$truth$normal), f2(x$truth$ploidy), f2(x$truth$autosomalPloidy), f2(x$row$p), f2(x$row$psi),
       ifelse(is.na(x$row$fit), "n/a", x$row$fit), f2(x$varnPloidy),
       sapply(a, function(s) if (s$found) f2(s$purity) else "none"),
       sapply(a, function(s) if (s$found) f2(s$ploidy) else "none"),
       sapply(a, function(s) if (s$found) formatC(s$fit, format = "f", digits = 1) else "none"))
}

cat("\n### 2. nMajor / nMinor as planted, % of usable autosomal positions\n\n")
line("tumour", "array", "normal cells", "positions", "VARN", paste("ASCAT,", g))
line(paste(rep("---", 5 + length(g)), collapse = " | "))
for (x in rows)
  line(x$row$tumour, x$row$array, pct(x$truth$normal, 0), x$usable, pct(x$varnAccuracy, 2),
       sapply(x$ascatFigures, function(s) pct(s$accuracy, 2)))

cat("\n### 3. LOH: recall over planted stretches >= 5 Mb (worst stretch / all), % of retained positions called LOH\n\n")
line("tumour", "array", "normal cells", "stretches", "calls: recall", "calls: false", "alleles: recall",
     "alleles: false", "VARN nMajor/nMinor", paste("ASCAT", g[1], ": recall"), paste("ASCAT", g[1], ": false"),
     paste("ASCAT", g[1], "nMajor/nMinor"))
line(paste(rep("---", 12), collapse = " | "))
both <- function(l) paste0(pct(l[["worst"]]), " / ", pct(l[["all"]]))
for (x in rows) {
  s <- x$ascatFigures[[1]]
  line(x$row$tumour, x$row$array, pct(x$truth$normal, 0), x$stretches, both(x$calls), pct(x$calls[["false"]], 2),
       both(x$alleles), pct(x$alleles[["false"]], 2), pct(x$varnAccuracy), both(s$loh), pct(s$loh[["false"]], 2),
       pct(s$accuracy))
}
