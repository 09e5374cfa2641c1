# The cohort: every stored pool and profile analysis in one SEG file and summarised in one table (tumour cell
# fraction, ploidy, doubling), and the gain, loss and LOH frequencies of the tumours' segment
# tables as a table and a picture.
import shlex


rule cohort_seg:
    input:
        xba_pool=pool("xba"),
        hind_pool=pool("hind"),
        stores=[pool_outputs(name)["store"] for name in sorted(BY_STEM)],
        profiles=[profile_outputs(name)["store"] for name in sorted(PROFILES)],
    output:
        seg=rooted("segments", "cohort.seg"),
    log:
        rooted("logs", "cohort", "cohort-seg.log"),
    params:
        command=lambda w, input: shlex.join(
            [config["varn_cli"], "--root", ROOT, "batch-segments", "--pool", input.xba_pool, "--pool",
             input.hind_pool]
        ),
    run:
        shell("{params.command} >{log:q} 2>&1")


rule cohort_samples:
    input:
        xba_pool=pool("xba"),
        hind_pool=pool("hind"),
        stores=[pool_outputs(name)["store"] for name in sorted(BY_STEM)],
        profiles=[profile_outputs(name)["store"] for name in sorted(PROFILES)],
    output:
        table=rooted("segments", "cohort-samples.tsv"),
    log:
        rooted("logs", "cohort", "cohort-samples.log"),
    params:
        command=lambda w, input: shlex.join(
            [config["varn_cli"], "--root", ROOT, "cohort-samples", "--pool", input.xba_pool, "--pool",
             input.hind_pool]
        ),
    run:
        shell("{params.command} >{log:q} 2>&1")


rule cohort_frequency:
    input:
        tables=cohort_tables(),
        after=[rooted("segments", "cohort.seg")] if cohort_waits_for_batch() else [],
    output:
        table=rooted("segments", "cohort-frequency.tsv"),
        plot=rooted("segments", "cohort-frequency.png"),
    log:
        rooted("logs", "cohort", "cohort-frequency.log"),
    params:
        command=lambda w, input, output: shlex.join(
            [config["varn_cli"], "--root", ROOT, "cohort", "--plot", output.plot, *input.tables]
        ),
    run:
        shell("{params.command} >{log:q} 2>&1")
