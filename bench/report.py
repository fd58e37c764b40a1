#!/usr/bin/env python3
"""Turns the harness's samples into the benchmark table and puts it into
docs/benchmarks.md between its markers (the rest of the file is kept)."""
import argparse
import collections
import re
import statistics
import subprocess
from pathlib import Path

BEGIN, END = "<!-- bench:begin -->", "<!-- bench:end -->"
KIB = 1024


def read_samples(path):
    samples = collections.defaultdict(list)
    for line in Path(path).read_text().splitlines():
        parts = line.strip().split("\t")
        if len(parts) == 3:
            samples[(parts[0], parts[1])].append(float(parts[2]))
    return samples


def file_alignment(exe):
    headers = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", exe], capture_output=True, text=True).stdout
    match = re.search(r"^FileAlignment\s+([0-9a-fA-F]+)", headers, re.M)
    return int(match.group(1), 16) if match else 0


def map_contributions(map_file):
    """Bytes of each input file in the image's sections, from a GNU ld map."""
    contributions = collections.Counter()
    pending = None
    in_memory_map = False
    for line in Path(map_file).read_text(errors="replace").splitlines():
        if line.startswith("Linker script and memory map"):
            in_memory_map = True
            continue
        if not in_memory_map:
            continue
        if re.match(r"^ (\.\S+|COMMON)$", line):  # an input section whose name took the whole line
            pending = line.strip()
            continue
        match = re.match(r"^ (\.\S+)?\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$", line)
        section = (match.group(1) if match else None) or pending
        pending = None
        # .bss and COMMON take no bytes in the file.
        if not match or not section or section.startswith((".debug", ".stab", ".bss", "COMMON")):
            continue
        contributions[match.group(4).strip()] += int(match.group(3), 16)
    return contributions


def component(input_file):
    """Who an input file belongs to: our libraries and objects, the runtime, the resources."""
    if input_file == "dll stuff":
        return "base relocations"
    if ".rc." in input_file or input_file.endswith(".res"):
        return "resources"
    archive = re.match(r"(.*/)?([^/]+)\.a\((.*)\)$", input_file)
    if archive and archive.group(2) == "objects":  # CMake's archive of the program's own objects
        return "program object " + archive.group(3)
    if archive:
        return f"{archive.group(2)}.a"
    name = Path(input_file).name
    if "/CMakeFiles/" in input_file:
        return "program object " + name
    return "C runtime start-up (" + name + ")"


def size_breakdown(map_file, payload_size, limit=16):
    parts = collections.Counter()
    for input_file, size in map_contributions(map_file).items():
        parts[component(input_file)] += size
    parts["resources: the payload"] = payload_size
    parts["resources: icon, manifest, pictures, version"] = parts.pop("resources", 0) - payload_size
    rows = parts.most_common()
    shown, rest = rows[:limit], rows[limit:]
    if rest:
        shown.append((f"{len(rest)} other inputs", sum(size for _, size in rest)))
    return shown


def median(values):
    return statistics.median(values) if values else float("nan")


def fmt(value, unit=""):
    return f"{value:,.1f}{unit}" if value == value else "n/a"


def verdict(ok):
    return "—" if ok is None else "met" if ok else "**missed**"


def build_table(args, samples):
    s = lambda figure, subject: samples.get((figure, subject), [])
    rows = []

    def row(name, value, floor, ratio, goal, ok, runs):
        rows.append(f"| {name} | {value} | {floor} | {ratio} | {goal} | {verdict(ok)} | {runs} |")

    start_upd, start_floor = s("start_ms", "updater"), s("start_ms", "floor")
    r = median(start_upd) / median(start_floor)
    row("1. Start to visible window (full payload, real update)", fmt(median(start_upd), " ms"),
        "minimal window program " + fmt(median(start_floor), " ms"), f"{r:.2f}", "≤ 1.25", r <= 1.25,
        f"{len(start_upd)} / {len(start_floor)}")

    controls = s("start_ms", "floor_common_controls")
    r = median(start_upd) / median(controls)
    row("1'. the same vs the floor with the manifest's Common Controls 6 and a button", fmt(median(start_upd), " ms"),
        "window program with Common Controls 6 " + fmt(median(controls), " ms"), f"{r:.2f}", "(for information)",
        None, f"{len(start_upd)} / {len(controls)}")

    ext, copy = s("write_ms", "extract_payload"), s("write_ms", "copyfile_flush")
    mb = args.payload_size / 1e6
    r = median(copy) / median(ext)
    row("2. Extraction throughput (ExtractPayload, flushed)",
        f"{mb / median(ext) * 1000:,.0f} MB/s ({fmt(median(ext), ' ms')})",
        f"CopyFileA + FlushFileBuffers {mb / median(copy) * 1000:,.0f} MB/s ({fmt(median(copy), ' ms')})",
        f"{r:.2f}", "≥ 0.90", r >= 0.9, f"{len(ext)} / {len(copy)}")

    big, small = s("peak_private_kib", "updater"), s("peak_private_kib", "updater_1k")
    diff = median(big) - median(small)
    row("3. Peak private memory, full payload − 1 KB payload", fmt(diff, " KiB"),
        f"{fmt(median(big), ' KiB')} vs {fmt(median(small), ' KiB')}", f"{diff / KIB:.2f} MiB", "< 1 MiB",
        diff < KIB, f"{len(big)} / {len(small)}")

    release = Path(args.release).stat().st_size
    payload = Path(args.release_payload).stat().st_size
    own = release - payload
    row("4. Release (i686) size − payload", f"{own / KIB:,.1f} KiB",
        f"{release:,} B − {payload:,} B", f"{own / (160 * KIB):.2f} of goal", "≤ 160 KiB", own <= 160 * KIB, "1")

    cpu, latency = s("wait_cpu_percent", "updater"), s("exit_to_outcome_ms", "updater")
    span = median(s("wait_observed_ms", "updater"))
    row("5a. CPU while waiting for the old executable", fmt(median(cpu), " %"),
        f"wait of {fmt(span, ' ms')} observed", f"{median(cpu) / 5:.2f} of goal", "< 5 %", median(cpu) < 5,
        str(len(cpu)))
    row("5b. Holder's exit to success outcome visible", fmt(median(latency), " ms"), "—",
        f"{median(latency) / 150:.2f} of goal", "< 150 ms", median(latency) < 150, str(len(latency)))

    nsis = s("start_ms", "nsis")
    r = median(start_upd) / median(nsis)
    row("6. Updater (start to outcome visible) vs NSIS installer (start to exit)", fmt(median(start_upd), " ms"),
        "NSIS " + fmt(median(nsis), " ms"), f"{r:.2f}", "≤ 1.00", r <= 1.0, f"{len(start_upd)} / {len(nsis)}")
    nocrc = s("start_ms", "nsis_nocrc")
    r = median(start_upd) / median(nocrc)
    row("6'. the same vs NSIS with `CRCCheck off` (stricter)", fmt(median(start_upd), " ms"),
        "NSIS " + fmt(median(nocrc), " ms"), f"{r:.2f}", "(for information)", None,
        f"{len(start_upd)} / {len(nocrc)}")
    return rows


def build_section(args, samples):
    s = lambda figure, subject: samples.get((figure, subject), [])
    lines = [
        f"Measured {args.date} on {args.machine}; {args.wine}; {args.runs} runs of each subject, interleaved, "
        f"after one warm-up round. Load average (1/5/15 min) before: {args.load_before}; after: {args.load_after}.",
        "",
        "| Figure | Ours (median) | Floor (median) | Ratio | Goal | | Runs (ours / floor) |",
        "|---|---|---|---|---|---|---|",
        *build_table(args, samples),
        "",
        "All medians, in milliseconds unless stated, with the spread (min–max):",
        "",
        "| Sample | Subject | Median | Min | Max |",
        "|---|---|---|---|---|",
    ]
    for (figure, subject), values in sorted(samples.items()):
        lines.append(f"| {figure} | {subject} | {median(values):,.1f} | {min(values):,.1f} | {max(values):,.1f} |")
    ours, other = file_alignment(args.updater), file_alignment(args.other_alignment)
    m = lambda figure, subject: median(s(figure, subject))
    lines += [
        "",
        f"File alignment 0x{ours:x} (what the updater is linked with) against 0x{other:x}, start to visible window: "
        f"the floor carrying the full-size payload {fmt(m('start_ms', 'floor_payload'), ' ms')} against "
        f"{fmt(m('start_ms', 'floor_payload_other_alignment'), ' ms')}, with "
        f"{fmt(m('peak_private_kib', 'floor_payload'), ' KiB')} against "
        f"{fmt(m('peak_private_kib', 'floor_payload_other_alignment'), ' KiB')} of private memory (the bare floor "
        f"{fmt(m('start_ms', 'floor'), ' ms')}); the full-size updater {fmt(m('start_ms', 'updater'), ' ms')} "
        f"against {fmt(m('start_ms', 'updater_other_alignment'), ' ms')}, with "
        f"{fmt(m('peak_private_kib', 'updater'), ' KiB')} against "
        f"{fmt(m('peak_private_kib', 'updater_other_alignment'), ' KiB')} of private memory.",
        "",
        f"Where the release's {Path(args.release).stat().st_size:,} bytes go (input sections from the link map "
        f"`{args.map}`; the rest of the file is headers and the padding of each section to the 4 KiB file "
        "alignment):",
        "",
        "| Part | Bytes |",
        "|---|---|",
    ]
    for name, size in size_breakdown(args.map, Path(args.release_payload).stat().st_size):
        lines.append(f"| {name} | {size:,} |")
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser()
    for option in ("samples", "out", "release", "release-payload", "map", "updater", "other-alignment", "machine",
                   "wine", "date", "load-before", "load-after"):
        parser.add_argument("--" + option, required=True)
    parser.add_argument("--runs", type=int, required=True)
    parser.add_argument("--payload-size", type=int, required=True)
    args = parser.parse_args()
    section = build_section(args, read_samples(args.samples))
    print(section)
    out = Path(args.out)
    text = out.read_text() if out.exists() else f"# Benchmarks\n\n{BEGIN}\n{END}\n"
    head, _, rest = text.partition(BEGIN)
    _, _, tail = rest.partition(END)
    out.write_text(f"{head}{BEGIN}\n{section}\n{END}{tail}")


if __name__ == "__main__":
    main()
