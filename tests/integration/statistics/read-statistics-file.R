# Reads a statistics file the way a researcher does and checks what comes back.
path <- commandArgs(trailingOnly = TRUE)[1]
stat <- read.delim(path, fileEncoding = "CP1250", check.names = FALSE, stringsAsFactors = FALSE)

check <- function(ok, what) if (!isTRUE(ok)) stop(what, call. = FALSE)

check(ncol(stat) == 357, paste("357 columns expected, got", ncol(stat)))
check(nrow(stat) == 3, paste("3 rows expected, got", nrow(stat)))
check(identical(names(stat)[1:4], c("Kod", "Nem", "kor", "isk")), "the first header names")
check("Színes_I" %in% names(stat), "an accented header name read back")
check(sum(names(stat) == "Feleletszám") == 2, "the answer count's two columns keep one name")

check(identical(stat$Kod, c("minta_20261105", "ferfi_51", "Árvíztűrő_tükörfúrógép")), "the codes")
check(identical(stat$Nem, c(2L, 1L, 1L)), "sex as 2 for a woman, 1 otherwise")
check(identical(stat$kor, c(34L, 51L, 19L)), "the ages as integers")
check(identical(stat$isk, c("főiskola I-től", "középiskola IV.", "általános iskola 8-ig")), "the education")

text_columns <- c("Kod", "isk")
numeric_columns <- setdiff(seq_along(stat), match(text_columns, names(stat)))
check(all(vapply(stat[numeric_columns], is.numeric, logical(1))), "every other column numeric")
check(!anyNA(stat[numeric_columns]), "no empty number")
check(stat[["F1perc"]][1] == 85.71, "a percentage with its decimals")

cat("ok\n")
