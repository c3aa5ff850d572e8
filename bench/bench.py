#!/usr/bin/env python3
"""Benchmarks of the programs on large inputs.

Each benchmark runs, side by side and in turns: the built program, the same course written plainly with
scanf and printf (compiled here from naive/), and cat moving the same input and output bytes. Standard
input comes from a file, standard output goes into a pipe that cat drains. It prints the median wall
time of several runs, the ratios and the program's peak resident memory, and checks them against the
goals; the exit status is 1 when a goal is missed.

    python3 bench/bench.py [--build build] [--runs 7] [menucalc] [palettecount]
"""

import argparse
import hashlib
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def menucalc_input(path):
    """300,000 operations of every kind, then exit."""
    rng = random.Random(1)
    parts = []
    for _ in range(300_000):
        choice = rng.choice([1, 2, 3, 4, 5, 0, 7])
        if choice in (1, 2, 3):
            parts.append(f"{choice}\n{rng.randint(-100000, 100000)}\n{rng.randint(-100000, 100000)}\n")
        elif choice == 4:
            parts.append(f"4\n{rng.randint(-100000, 100000)}\n{rng.choice([-1, 1]) * rng.randint(1, 1000)}\n")
        elif choice == 5:
            parts.append(f"5\n{rng.randint(-2, 15)}\n")
        else:
            parts.append(f"{choice}\n")
    parts.append("6\n")
    with open(path, "w") as f:
        f.write("".join(parts))


def palettecount_input(path):
    """A 2000x2000 image of random pixels 0..255."""
    rng = random.Random(2)
    rows, cols = 2000, 2000
    with open(path, "w") as f:
        f.write(f"{rows} {cols}\n")
        for _ in range(rows):
            f.write(" ".join(str(rng.randrange(256)) for _ in range(cols)))
            f.write("\n")


BENCHMARKS = {
    # name: (input maker, goals: at least this many times faster than the naive peer, at most this many
    # times cat, peak resident memory at most this many bytes)
    "menucalc": (menucalc_input, 6.0, 1.5, lambda: 4 << 20),
    "palettecount": (palettecount_input, 10.0, 3.0, lambda: 4 * 2000 * 2000 + (4 << 20)),
}


def run_into_pipe(command, input_path, output_path=None):
    """Runs command with input from a file and output into a pipe that cat drains (or into a file).
    Returns the wall time in seconds."""
    with open(input_path, "rb") as stdin:
        start = time.perf_counter()
        if output_path:
            with open(output_path, "wb") as out:
                status = subprocess.run(command, stdin=stdin, stdout=out).returncode
        else:
            drain = subprocess.Popen(["cat"], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
            program = subprocess.Popen(command, stdin=stdin, stdout=drain.stdin)
            drain.stdin.close()
            status = program.wait()
            drain.wait()
        elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"{command[0]} ended with status {status}")
    return elapsed


def peak_memory(peak, command, input_path):
    """The command's peak resident memory in bytes, output into a pipe."""
    with open(input_path, "rb") as stdin:
        drain = subprocess.Popen(["cat"], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL)
        measured = subprocess.run([peak] + command, stdin=stdin, stdout=drain.stdin, stderr=subprocess.PIPE)
        drain.stdin.close()
        drain.wait()
    return int(measured.stderr.split()[-1]) * 1024


def cat_time(input_path, output_path):
    """cat reading the input and writing the output bytes into a pipe."""
    read_in = run_into_pipe(["/bin/cat", input_path], os.devnull, os.devnull)
    write_out = run_into_pipe(["/bin/cat", output_path], os.devnull)
    return read_in + write_out


def digest(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


def bench(name, build, runs, work):
    make_input, faster_than_naive, times_cat, memory_limit = BENCHMARKS[name]
    program = os.path.join(build, "bin", name)
    naive, peak = os.path.join(work, f"{name}-naive"), os.path.join(work, "peak")
    subprocess.run(["cc", "-O2", "-o", naive, os.path.join(HERE, "naive", f"{name}.c")], check=True)
    subprocess.run(["cc", "-O2", "-o", peak, os.path.join(HERE, "naive", "peak.c")], check=True)
    input_path = os.path.join(work, f"{name}.in")
    make_input(input_path)
    ours_out, naive_out = os.path.join(work, f"{name}.out"), os.path.join(work, f"{name}.naive.out")
    run_into_pipe([program], input_path, ours_out)
    run_into_pipe([naive], input_path, naive_out)
    if digest(ours_out) != digest(naive_out):
        sys.exit(f"{name} and its naive peer wrote different bytes")

    ours, peer, cat, memory = [], [], [], []
    for _ in range(runs):
        ours.append(run_into_pipe([program], input_path))
        peer.append(run_into_pipe([naive], input_path))
        cat.append(cat_time(input_path, ours_out))
        memory.append(peak_memory(peak, [program], input_path))
    ours, peer, cat = statistics.median(ours), statistics.median(peer), statistics.median(cat)
    speedup, against_cat, peak = peer / ours, ours / cat, max(memory)
    size_in, size_out = os.path.getsize(input_path), os.path.getsize(ours_out)
    print(f"{name}: {size_in / 1e6:.1f} MB in, {size_out / 1e6:.1f} MB out, median of {runs} runs")
    print(f"  {name} {ours * 1000:.1f} ms, naive {peer * 1000:.1f} ms, cat {cat * 1000:.1f} ms")
    print(f"  {speedup:.1f}x faster than naive (goal >= {faster_than_naive}),"
          f" {against_cat:.2f}x cat (goal <= {times_cat}),"
          f" peak {peak / 2**20:.2f} MiB (goal <= {memory_limit() / 2**20:.2f} MiB)")
    return speedup >= faster_than_naive and against_cat <= times_cat and peak <= memory_limit()


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(HERE, "..", "build"))
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("names", nargs="*", default=[n for n in BENCHMARKS])
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        met = [bench(name, args.build, args.runs, work) for name in args.names if name in BENCHMARKS]
    sys.exit(0 if all(met) else 1)


if __name__ == "__main__":
    main()
