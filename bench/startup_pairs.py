"""Runs program and floor alternately (ABAB..., then BABA... so neither always goes first)."""
import statistics
import subprocess
import sys

timer, program, floor, pairs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])


def measure(binary):
    out = subprocess.run([timer, binary], check=True, capture_output=True, text=True).stdout
    seconds, rss = out.split()
    return float(seconds), int(rss)


for warm in (program, floor):  # warm the page cache and the font cache
    measure(warm)
ratios, times, memory = [], {program: [], floor: []}, {program: [], floor: []}
for i in range(pairs):
    order = (program, floor) if i % 2 == 0 else (floor, program)
    result = {b: measure(b) for b in order}
    for b in order:
        times[b].append(result[b][0])
        memory[b].append(result[b][1])
    ratios.append(result[program][0] / result[floor][0])

med = statistics.median
print(f"pairs: {pairs}")
print(f"start-up to mapped window: program {med(times[program]) * 1000:.1f} ms, "
      f"floor {med(times[floor]) * 1000:.1f} ms")
print(f"median ratio program/floor: {med(ratios):.3f} "
      f"(min {min(ratios):.3f}, max {max(ratios):.3f})")
print(f"resident memory: program {med(memory[program]) / 1024:.1f} MiB, "
      f"floor {med(memory[floor]) / 1024:.1f} MiB, "
      f"difference {(med(memory[program]) - med(memory[floor])) / 1024:.2f} MiB")
