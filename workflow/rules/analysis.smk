# Per tumour and array: the analysis against the array's pool, stored (with the sample's allele
# sums beside it, for the fit of purity and ploidy), with its tracks, raw data table, segments and
# ASCAT files; per tumour with both arrays: the merged analysis; per row with a normal:
# the paired analysis; per profile row: the profile's analysis, stored, with its segments.
# varn-cli is the VARN build itself, not a packaged tool, so the jobs are
# run blocks that hand its command line to the shell; the command is a parameter, so a changed
# setting reruns the jobs it changes.
import shlex


rule analyze:
    input:
        pool=lambda w: pool(BY_STEM[w.name]["array"]),
        signal=lambda w: rooted(BY_STEM[w.name]["signal"]),
        calls=lambda w: rooted(BY_STEM[w.name]["calls"]),
    output:
        **pool_outputs("{name}"),
    log:
        rooted("logs", "analyze", "{name}.log"),
    wildcard_constraints:
        name=alternatives(BY_STEM),
    params:
        command=lambda w, input: shlex.join(
            [config["varn_cli"], "--root", ROOT, "analyze", "--pool", input.pool, "--signal", input.signal,
             "--calls", input.calls, *region_options(), "--refs", config["refs"], *profile_options(),
             "--store", "--tracks", "--raw-data", "--segments", "--baf"]
        ),
    run:
        shell("{params.command} >{log:q} 2>&1")


rule merged:
    input:
        xba_pool=pool("xba"),
        hind_pool=pool("hind"),
        xba_store=lambda w: pool_outputs(stem(MERGED[w.name]["xba"]["signal"]))["store"],
        hind_store=lambda w: pool_outputs(stem(MERGED[w.name]["hind"]["signal"]))["store"],
    output:
        **merged_outputs("{name}"),
    log:
        rooted("logs", "merged", "{name}.log"),
    wildcard_constraints:
        name=alternatives(MERGED),
    params:
        command=lambda w, input: shlex.join(
            [config["varn_cli"], "--root", ROOT, "merged", "--pool", input.xba_pool, "--pool", input.hind_pool,
             "--xba-temp", input.xba_store, "--hind-temp", input.hind_store, *profile_options(),
             "--tracks", "--segments"]
        ),
    run:
        shell("{params.command} >{log:q} 2>&1")


rule paired:
    input:
        signal=lambda w: rooted(BY_STEM[w.name]["signal"]),
        calls=lambda w: rooted(BY_STEM[w.name]["calls"]),
        normal_signal=lambda w: rooted(BY_STEM[w.name]["normal_signal"]),
        normal_calls=lambda w: rooted(BY_STEM[w.name]["normal_calls"]),
    output:
        store=rooted("Self temporary files", "{name}.temp"),
    log:
        rooted("logs", "paired", "{name}.log"),
    wildcard_constraints:
        name=alternatives(PAIRED),
    params:
        command=lambda w, input: shlex.join(
            [config["varn_cli"], "--root", ROOT, "paired", "--array", BY_STEM[w.name]["array"],
             "--tumor-signal", input.signal, "--tumor-calls", input.calls, "--normal-signal",
             input.normal_signal, "--normal-calls", input.normal_calls, *region_options(),
             "--average", str(config["average"]), *(["--all-data"] if config["all_data"] else []), "--store"]
        ),
    run:
        shell("{params.command} >{log:q} 2>&1")


# A profile from any array: the joint fit of purity and ploidy and the allele-specific decoding
# (profile's own default, whatever the config's purity), kept for the cohort's SEG file.
rule profile:
    input:
        profile=lambda w: rooted(PROFILES[w.name]["profile"]),
        normal=lambda w: [rooted(PROFILES[w.name]["normal"])] if "normal" in PROFILES[w.name] else [],
    output:
        **profile_outputs("{name}"),
    log:
        rooted("logs", "profile", "{name}.log"),
    wildcard_constraints:
        name=alternatives(PROFILES),
    params:
        command=lambda w, input: shlex.join(
            [config["varn_cli"], "--root", ROOT, "profile", input.profile, *profile_read_options(PROFILES[w.name]),
             "--sample", w.name, "--store", "--segments"]
        ),
    run:
        shell("{params.command} >{log:q} 2>&1")
