#!/usr/bin/env python3
"""Writes the small seed corpora of the fuzzers into fuzz/corpus/<name>/.

A seed is either a short file as it stands or a compact description of a full-length one: "!",
a signed count adjustment byte, then head, SEP, a unit repeated to the array's length, SEP, tail
(see expandInput in FuzzSupport.h)."""
import gzip
import os
import struct
import sys

SEP = b"\x01\x02\x03"
HERE = os.path.dirname(os.path.abspath(__file__))


def bulk(head, unit, tail=b"", adjust=0):
    return b"!" + struct.pack("b", adjust) + head + SEP + unit + SEP + tail


def write(name, seeds):
    folder = os.path.join(HERE, "corpus", name)
    os.makedirs(folder, exist_ok=True)
    for key, data in seeds.items():
        with open(os.path.join(folder, key), "wb") as f:
            f.write(data)


def annotation():
    seeds = {}
    for which, hind in ((0, True), (1, False)):
        sel = bytes([which])
        seeds[f"id{which}_short"] = sel + b"snp\tchr\tpos\tlen\tgc\nheader two\n1 1 1000 800 0.45\n2 1 2000 1500 0.5\n3 x\n"
        seeds[f"id{which}_full"] = sel + bulk(b"h1\nh2\n", b"1 3 123456 900 0.41\n")
        seeds[f"id{which}_long"] = sel + bulk(b"h1\nh2\n", b"7 2 99 1000 0.5\n", adjust=9)
    for which in (2, 3):
        sel = bytes([which])
        seeds[f"arrange{which}_short"] = sel + b"0\n57244\n-1\n116204\n99999999999\nx\n"
        seeds[f"arrange{which}_full"] = sel + bulk(b"", b"57300\n", adjust=3)
    for which in (4, 5):
        sel = bytes([which])
        seeds[f"cyto{which}_short"] = sel + b"1 p36.33\n3 q21.1abcdefghij\n9\n\n8 " + b"x" * 40 + b"\n"
        seeds[f"cyto{which}_full"] = sel + bulk(b"", b"2 p11.2\n", adjust=2)
    seeds["combine_short"] = b"\x06" + b"0 \n1 \n116203\n-5\n"
    seeds["combine_full"] = b"\x06" + bulk(b"", b"60000 \n", adjust=4)
    seeds["hetero_short"] = b"\x07" + b"1 0.35 \n2 1e39\n3 nan\n"
    seeds["hetero_full"] = b"\x07" + bulk(b"", b"12 0.25 \n", adjust=5)
    write("annotation", seeds)


def signal_line(serial, value=b"1"):
    fields = [str(serial).encode(), b"SNP_A-%07d" % serial]
    fields += [value] * 40
    fields[3:3] = [b"null"] * 8  # "null" fields stand anywhere among the intensities
    fields += [b"null"] * 8
    return b"\t".join(fields) + b"\n"


def signal_file():
    head = b"probe set\tname\tvalues\nsecond header\n"
    seeds = {
        "xba_two_lines": b"\x01" + head + signal_line(1) + signal_line(2, b"2.25"),
        "hind_slot1": b"\x02" + head + signal_line(1) + b"2\tSNP\t1e40\tnull\t-3\n",
        "xba_full": b"\x05" + bulk(head, signal_line(7)),
        "hind_full_long": b"\x00" + bulk(head, signal_line(9, b"2"), adjust=6),
        "header_only": b"\x01" + head,
    }
    write("signal_file", seeds)


def snp_call_file():
    head = b"Probe Set ID\tCall\nheader two\n"
    seeds = {
        "xba_calls": b"\x01" + head + b"1\tSNP_A-1\tAB\n2\tSNP_A-2\tNoCall\nAA at start\n3\tx\tBB\n",
        "hind_normal": b"\x02" + head + b"1\tSNP_AA\tAB\n",
        "xba_full": b"\x01" + bulk(head, b"5\tSNP_A-0000005\tBB\n"),
        "hind_full_long": b"\x00" + bulk(head, b"5\tSNP\tAB\n", adjust=4),
    }
    write("snp_call_file", seeds)


def mfc_string(text):
    return bytes([len(text)]) + text


START = b"<## 100K CGH Loaded data start ##>"
END = b"<## 100K CGH Loaded data end ##>"


def pool_file():
    name = b"normal01" + b"\0" * 8
    seeds = {
        "empty_pool_xba": b"\x01" + mfc_string(START) + struct.pack("<ii", 1, 1) + mfc_string(END),
        "empty_pool_hind": b"\x00" + mfc_string(START) + struct.pack("<ii", 2, 1) + mfc_string(END),
        "one_ref_xba": b"\x01" + bulk(mfc_string(START) + struct.pack("<ii", 1, 2), struct.pack("<f", 20.5),
                                      struct.pack("<f", 812.0) + name + mfc_string(END)),
        "one_ref_hind_long_form": b"\x00" + bulk(b"\xff" + struct.pack("<H", len(START)) + START + struct.pack("<ii", 2, 2),
                                                 struct.pack("<f", 19.0), struct.pack("<f", 700.0) + name + mfc_string(END)),
        "wrong_marker": b"\x01" + mfc_string(END) + struct.pack("<ii", 1, 1) + mfc_string(END),
        "wide_marker": b"\x01\xff\xfe\xff" + bytes([len(START)]) + START.decode().encode("utf-16-le") + struct.pack("<ii", 1, 1) + mfc_string(END),
    }
    write("pool_file", seeds)


def nonself_tail(flags=(0, 1, 1, 1, 1)):
    text = b"57300 \t 70000 \t 2 \n"
    for m in (b"-1.240000", b"-0.490000", b"0.000000", b"0.365000", b"0.657000", b"0.899000", b"1.100000"):
        text += m + b"\n"
    for k in range(200):
        text += b"%d\n" % (flags[k] if k < len(flags) else 0)
    text += b"4 \t 0\n"
    return text


ATTRIBUTES = (b"AttributesInformation\n1\nAML\n\nGenome\n3N\n1\n2\n0\nfirst line\nsecond\n$$EOF1$$\n0\n5\n"
              b"remark\n$$EOF2$$\n2026/01/01\n")


def nonself_temp_file():
    seeds = {
        "xba_full": b"\x01" + bulk(b"1 \n 0 \n tumour01 \n", b"20.500000\t2\n", nonself_tail()),
        "hind_full_attributes": b"\x00" + bulk(b"2 \n 3 \n tumour02 \n", b"19.250000\t1\n",
                                                nonself_tail().replace(b"57300 \t 70000", b"100 \t 20000") + ATTRIBUTES),
        "xba_short_by_one": b"\x01" + bulk(b"1 \n 0 \n t \n", b"20.000000\t3\n", nonself_tail(), adjust=-1),
        "sort_road_pivot": b"\x03" + bulk(b"1 \n 0 \n tumour05 \n", b"21.000000\t2\n",
                                          nonself_tail().replace(b"4 \t 0\n", b"4 \t 2\n")),
        "truncated": b"\x01" + b"1 \n 0 \n tumour01 \n20.000000\t2\n",
        "no_pool_type": b"\x01" + b"0 \n",
    }
    write("nonself_temp_file", seeds)


def self_tail():
    text = b"0 \t 55807 \t 2 \n"
    for m in (b"-1.240000", b"-0.490000", b"0.000000", b"0.365000", b"0.657000", b"0.899000", b"1.100000"):
        text += m + b"\n"
    return text


def self_temp_file():
    seeds = {
        "hind_full": b"\x00" + bulk(b"2 \n 0 \n tumour03 \n", b"20.000000\t10.500000\t9.500000\t2\n", self_tail()),
        "xba_full": b"\x01" + bulk(b"1 \n 0 \n tumour04 \n", b"18.000000\t9.000000\t9.000000\t1\n",
                                   self_tail().replace(b"0 \t 55807", b"-1 \t 999999")),
        "truncated": b"\x01" + b"1 \n 0 \n x \n1.0\t2.0\t3.0\t1\n",
    }
    write("self_temp_file", seeds)


def sample_list():
    seeds = {
        "make_xba": b"\x00" + b"s1\ns2 trailing words\n\n" + b"n" * 40 + b"\r\ns1\n",
        "add_hind": b"\x03" + b"s1\r\ns3\n",
        "make_199": b"\x00" + bulk(b"s1\n", b"a\n", adjust=-1),
        "make_200": b"\x02" + bulk(b"", b"b\n", adjust=1),
        "add_too_many": b"\x01" + bulk(b"", b"abc\n", adjust=-4),
    }
    write("sample_list", seeds)


REPORT_HEAD = b"[Header]\nGSGT Version\t2.0.4\nContent\t\tGSA-24v3-0_A1.bpm\nNum SNPs\t3\n[Data]\n"
REPORT_COLUMNS = b"SNP Name\tSample ID\tChr\tPosition\tGType\tLog R Ratio\tB Allele Freq\n"
REPORT_ROWS = (b"rs1\tS1\t1\t100\tAA\t0.1\t0.01\nrs2\tS1\tX\t50\tAB\tNaN\t0.5\nrs3\tS1\tY\t7\tNC\t-\t\n"
               b"rs1\tS2\tchr1\t100\tBB\t-0.3\t0.99\nrs2\tS2\t23\t50\t--\t0\t0.4\r\n")


def final_report():
    seeds = {
        "two_samples": b"\x00" + REPORT_HEAD + REPORT_COLUMNS + REPORT_ROWS,
        "two_samples_gz_named": b"\x03" + REPORT_HEAD + REPORT_COLUMNS + REPORT_ROWS,
        "commas_alleles": b"\x00[Header],,\r\n[Data],,,\r\nSNP Name,Chr,Position,Allele1 - AB,Allele2 - AB,Log R Ratio\r\n"
                          b"rs9,2,5,A,B,0.25\r\nrs8,2,4,B,B,1e-3\r\nrs7,MT,1,A,A,0\r\n",
        "no_data": b"\x00[Header]\nContent\tx.bpm\n",
    }
    write("final_report", seeds)


def penncnv():
    seeds = {
        "two_samples": b"\x02Name\tChr\tPosition\tS1.Log R Ratio\tS1.B Allele Freq\tS2.Log R Ratio\tS2.B Allele Freq\tS2.GType\n"
                       b"rs2\t1\t20\t0.2\t0.1\t-0.2\t0.5\tAB\nrs1\tchr1\t10\t0.1\tNA\t-0.1\t0\tAA\nrs3\tY\t5\t0\t0\t0\t0\tAA\n",
        "bare_affymetrix": b"\x01Name\tChr\tPosition\tLog R Ratio\nSNP_A-1\t2\t5\t0.3\nCN_0001\t2\t9\t-1\n",
    }
    write("penncnv", seeds)


def ascat():
    logr = b"\tChr\tPosition\tS1\tS2\nSNP1\t1\t30\t0.03\t-1.04\nSNP2\t1\t177\t0.15\tNA\nSNP3\tX\t9\t0\t0\n"
    baf = b"\tChr\tPosition\tS1\tS2\nSNP1\t1\t30\t0.52\t0.99\nSNP3\tX\t9\t0.5\t0.5\n"
    seeds = {
        "pair_named": b"\x02" + logr + SEP + baf,
        "pair_gz": b"\x01" + logr.replace(b"\tS2", b"") + SEP + baf,
        "logr_only": b"\x00\tChr\tPosition\tT\nSNP_1\t1\t3\t-0.25\n",
    }
    write("ascat", seeds)


def profile_table():
    seeds = {
        "paired": b"\x00chromosome\tposition\tlogr\tbaf\tgenotype\tbaf_normal\tgenotype_normal\tname\n"
                  b"1\t5\t0.1\t0.3\tAB\t0.5\tAB\trs5\n1\t5\t0\t0\tAA\t0\tAA\trs6\n",
        "cgh_csv_gz": b"\x01extra,LogR,Position,Chromosome\r\nq,0.5,10,3\r\nq,-1,5,3\r\nq,x,5,3\r\n",
    }
    write("profile_table", seeds)


def pfb():
    seeds = {
        "frequencies": b"\x00Name\tChr\tPosition\tPFB\nrs1\t1\t100\t0.5\nrs2\t1\t200\t0.1\nrs3\t1\t300\t2\n",
        "by_place_gz": b"\x01Name\tChr\tPosition\tPFB\n\t1\t100\t0.5\n\t1\t400\t0.3\n",
    }
    write("pfb", seeds)


def cytoband():
    seeds = {
        "bands": b"\x00chr1\t0\t2300000\tp36.33\tgneg\nchr1\t121500000\t125000000\tp11.1\tacen\n"
                 b"chr1\t125000000\t128900000\tq11\tacen\nchrY\t0\t10\tp11\tgneg\nchrX\t0\t4300000\tp22.33\tgneg\n",
        "gz_bad_line": b"\x01chr2\t0\t10\tp1\tgneg\r\nchr2\tten\t20\tp2\tgneg\r\n",
    }
    write("cytoband", seeds)


def profile_auto():
    seeds = {
        "report_pair": b"\x02" + REPORT_HEAD + REPORT_COLUMNS + REPORT_ROWS,
        "vcf_gz": b"\x01##fileformat=VCFv4.2\n#CHROM\tPOS\n",
        "table": b"\x00chromosome,position,logr\n1,1,0\n",
        "penncnv": b"\x00Name\tChr\tPosition\tS1.Log R Ratio\nrs1\t1\t1\t0\n",
        "ascat": b"\x00\tChr\tPosition\tS1\nSNP1\t1\t30\t0.03\n",
        "binary": b"\x00" + bytes(range(256)),
    }
    write("profile_auto", seeds)


def stored_profile():
    head = (b"VARN profile analysis 1\nsample\tS\nsource\tS.txt\nplatform\tIllumina Infinium\narray\t\t3\n"
            b"build\thg19\nlog_base\t2\npurity\t0.5\nploidy\t2\nsolution\t1\nsolution_line\tTumour cells 50 %\n"
            b"levels\t-3\t-0.4\t0\t0.3\t0.5\t0.6\t0.7\n")
    seeds = {
        "analysis": b"\x00" + head + b"snps\t2\nrs1\t1\t100\t0.1\t0.5\t2\t1\t1\nrs2\t23\t200\tNaN\tNaN\t-1\t-1\t0\n"
                    b"segments\t1\n1\t100\t100\t1\t0.069\t2\t1\t0\t1\t0.5\n",
        "cut_short_gz": b"\x01" + head + b"snps\t3\nrs1\t1\t100\t0.1\t0.5\t2\t1\t1\n",
    }
    write("stored_profile", seeds)


def gzip_text():
    text = b"SNP Name\tChr\tPosition\nrs1\t1\t100\r\nrs2\tX\t200\n"
    seeds = {
        "one_member": gzip.compress(text, mtime=0),
        "members_and_tail": gzip.compress(text[:20], mtime=0) + gzip.compress(text[20:], mtime=0) + b"\n\n",
        "named": gzip.compress(text, mtime=0)[:3] + b"\x08" + gzip.compress(text, mtime=0)[4:10] + b"t.txt\0"
                 + gzip.compress(text, mtime=0)[10:],
        "cut_short": gzip.compress(text * 20, mtime=0)[:-12],
    }
    write("gzip_text", seeds)


if __name__ == "__main__":
    for make in (annotation, signal_file, snp_call_file, pool_file, nonself_temp_file, self_temp_file, sample_list,
                 final_report, penncnv, ascat, profile_table, pfb, cytoband, profile_auto, stored_profile, gzip_text):
        make()
    sys.exit(0)
