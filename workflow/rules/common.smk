# The sample sheet, its checks and the names of every file the cohort writes. The program names
# a 50K analysis's outputs after the signal file (its name without extension), so those names,
# not the sheet's sample names, make the file names below. A profile row (a final report, a
# PennCNV signal file, ASCAT's LogR file or a plain table, in its "profile" column) is named
# after its sample, which is also the sample the file is read for.
import csv
import os
import re

from snakemake.exceptions import WorkflowError
from snakemake.utils import validate

validate(config, "../schemas/config.schema.yaml")

ROOT = os.path.abspath(config["root"])
SHEET = config["samples"]
SHEET_COLUMNS = ("sample", "array", "signal", "calls", "normal_signal", "normal_calls", "profile", "normal", "format",
                 "build")


def sheet_error(row, column, what):
    where = f"{SHEET} row {row}" if column is None else f"{SHEET} row {row}, column {column}"
    return WorkflowError(f"{where}: {what}")


def schema_error(row, error):
    # The validation error arrives as text: its "ValidationError: ..." line says what is wrong,
    # "On instance['column']" (or the message of a missing property) says where.
    text = str(error)
    what = re.search(r"ValidationError: (.*)", text)
    message = what.group(1) if what else text.splitlines()[0]
    at = re.search(r"On instance\['([^']+)'\]", text) or re.match(r"'([^']+)' is a required property", message)
    return sheet_error(row, at.group(1) if at else None, message)


def read_sheet():
    if not os.path.isfile(SHEET):
        raise WorkflowError(f"the sample sheet {SHEET} does not exist")
    with open(SHEET, newline="") as f:
        reader = csv.DictReader(f, delimiter="\t")
        unknown = [c for c in reader.fieldnames or [] if c not in SHEET_COLUMNS]
        if unknown:
            raise sheet_error(0, unknown[0], f"unknown column (the columns are {', '.join(SHEET_COLUMNS)})")
        rows = []
        for number, record in enumerate(reader, start=1):
            # An empty optional cell is the same as a missing one.
            row = {k: v.strip() for k, v in record.items() if k is not None and v is not None and v.strip()}
            schema = "profile-samples" if "profile" in row else "samples"
            try:
                validate(row, f"../schemas/{schema}.schema.yaml")
            except WorkflowError as e:
                raise schema_error(number, e)
            if ("normal_signal" in row) != ("normal_calls" in row):
                column = "normal_calls" if "normal_signal" in row else "normal_signal"
                raise sheet_error(number, column, "a paired normal needs both its signal and its calls file")
            row["row"] = number
            rows.append(row)
    return rows


def stem(path):
    return os.path.splitext(os.path.basename(path))[0]


def check_sheet(sheet):
    rows = [r for r in sheet if "profile" not in r]
    seen = {}
    writers = {}  # output name -> (row, column) of the file that names it
    for row in rows:
        n = row["row"]
        key = (row["sample"], row["array"])
        if key in seen:
            raise sheet_error(n, "sample", f"{row['sample']} on {row['array']} is already in row {seen[key]}")
        seen[key] = n
        for column in ("signal", "calls", "normal_signal", "normal_calls"):
            if column in row and not os.path.isfile(os.path.join(ROOT, row[column])):
                raise sheet_error(n, column, f"{row[column]} does not exist under the root {ROOT}")
        name = stem(row["signal"])
        if name in writers:
            raise sheet_error(n, "signal", f"{row['signal']} writes the same files ({name}.*) as row {writers[name]}")
        writers[name] = n
    for sample, arrays in tumours(rows).items():
        if len(arrays) == 2:
            name = merged_name(arrays)
            if name in writers:
                raise sheet_error(arrays["xba"]["row"], "sample",
                                  f"the merged analysis of {sample} writes the same files ({name}.*) as row {writers[name]}")
            writers[name] = arrays["xba"]["row"]
    samples = {r["sample"]: r["row"] for r in rows}
    for row in (r for r in sheet if "profile" in r):
        n, sample = row["row"], row["sample"]
        if sample in samples:
            raise sheet_error(n, "sample", f"{sample} is already in row {samples[sample]}")
        samples[sample] = n
        for column in ("profile", "normal"):
            if column in row and not os.path.isfile(os.path.join(ROOT, row[column])):
                raise sheet_error(n, column, f"{row[column]} does not exist under the root {ROOT}")
        if sample in writers:
            raise sheet_error(n, "sample", f"{sample} writes the same files ({sample}.*) as row {writers[sample]}")
        writers[sample] = n


def tumours(rows):
    by_sample = {}
    for row in rows:
        by_sample.setdefault(row["sample"], {})[row["array"]] = row
    return by_sample


def merged_name(arrays):
    return f"{stem(arrays['xba']['signal'])}and{stem(arrays['hind']['signal'])}"


SHEET_ROWS = read_sheet()
check_sheet(SHEET_ROWS)
ROWS = [r for r in SHEET_ROWS if "profile" not in r]
PROFILES = {r["sample"]: r for r in SHEET_ROWS if "profile" in r}
BY_STEM = {stem(r["signal"]): r for r in ROWS}
MERGED = {merged_name(a): a for a in tumours(ROWS).values() if len(a) == 2}
PAIRED = [s for s, r in BY_STEM.items() if "normal_signal" in r]


def rooted(*parts):
    return os.path.join(ROOT, *parts)


def pool(array):
    return rooted(config["pools"][array])


def alternatives(names):
    return "|".join(re.escape(n) for n in sorted(names)) or "(?!)"


# The analysis options every sample shares, as varn-cli takes them.
def region_options():
    region = config.get("region", "")
    return ["--region", region, "--base-copy", str(config["base_copy"])] if region else []


def profile_options():
    options = ["--average", str(config["average"])]
    if config["all_data"]:
        options.append("--all-data")
    if config["purity"] == "auto":
        options += ["--purity", "auto"]
    return options


def pool_outputs(name):
    return {
        "store": rooted("temporary files", f"{name}.temp"),
        "track": rooted("IGBfiles", f"{name}.sgr"),
        "loh_track": rooted("IGBfiles", f"{name}LOH.sgr"),
        "raw_data": rooted("RawData", f"{name}.xls"),
        "seg": rooted("segments", f"{name}.seg"),
        "table": rooted("segments", f"{name}.segments.tsv"),
        "bed": rooted("segments", f"{name}.bed"),
    }


def profile_outputs(name):
    return {
        "store": rooted("temporary files", f"{name}.profile.gz"),
        "seg": rooted("segments", f"{name}.seg"),
        "table": rooted("segments", f"{name}.segments.tsv"),
        "bed": rooted("segments", f"{name}.bed"),
    }


# How a profile row's file is read: its normal, format and build, as varn-cli takes them.
def profile_read_options(row):
    options = ["--normal", rooted(row["normal"])] if "normal" in row else []
    for column in ("format", "build"):
        if column in row:
            options += [f"--{column}", row[column]]
    return options


def merged_outputs(name):
    outputs = pool_outputs(name)
    return {k: outputs[k] for k in ("track", "loh_track", "seg", "table", "bed")}


# One segment table per tumour for the cohort summary: the merged one where both arrays are in
# the sheet, else the one array's.
def cohort_tables():
    tables = []
    for arrays in tumours(ROWS).values():
        name = merged_name(arrays) if len(arrays) == 2 else stem(next(iter(arrays.values()))["signal"])
        tables.append(pool_outputs(name)["table"])
    tables += [profile_outputs(name)["table"] for name in PROFILES]
    return sorted(tables)


# batch-segments rewrites the single-array tables; a summary that reads one of them must come
# after it, or it would be older than a table it read and run again the next time.
def cohort_waits_for_batch():
    return any(len(arrays) == 1 for arrays in tumours(ROWS).values())


def every_output():
    files = [f for name in BY_STEM for f in pool_outputs(name).values()]
    files += [f for name in MERGED for f in merged_outputs(name).values()]
    files += [rooted("Self temporary files", f"{name}.temp") for name in PAIRED]
    files += [f for name in PROFILES for f in profile_outputs(name).values()]
    files += [rooted("segments", f) for f in ["cohort.seg", "cohort-samples.tsv"]]
    files += [rooted("segments", "cohort-frequency.tsv"), rooted("segments", "cohort-frequency.png")]
    return files
