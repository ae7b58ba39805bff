#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""ardeno-cli export-csv read back with Python's csv module and compared with the records.

The records are read straight from datax.dat with struct (the byte layout of the record, not the
program's reader); the ephemeris and the heliographic places are compared with what
`ardeno-cli ephemeris` and `ardeno-cli convert` print for the same date, time and position.
Usage: tidy_export_test.py ARDENO-CLI ARDENO-SAMPLE
"""
import csv
import os
import struct
import subprocess
import sys
import tempfile

RECORD = 1774
failures = []


def fail(text):
    failures.append(text)
    print("FAIL:", text)


def short_string(raw, offset, capacity):
    length = min(raw[offset], capacity)
    return raw[offset + 1:offset + 1 + length].decode("cp1250")


def u16(raw, offset):
    return struct.unpack_from("<H", raw, offset)[0]


def records(path):
    data = open(path, "rb").read()
    for i in range(len(data) // RECORD):
        raw = data[i * RECORD:(i + 1) * RECORD]
        if raw[0] == 0:
            break
        yield raw


def iso(date_text):
    day, month, year = (int(part) for part in date_text.split("."))
    return f"{year:04d}-{month:02d}-{day:02d}"


def read_csv(path):
    with open(path, newline="", encoding="utf-8") as f:
        rows = list(csv.reader(f))
    return rows[0], [dict(zip(rows[0], row)) for row in rows[1:]]


def run(cli, args, stdin=""):
    return subprocess.run([cli] + args, input=stdin, capture_output=True, text=True, check=True)


def close(text, value, tolerance):
    return text != "" and abs(float(text) - value) <= tolerance


def main():
    cli, sample = sys.argv[1], sys.argv[2]
    work = tempfile.mkdtemp()
    folder = os.path.join(work, "db")
    subprocess.run([sample, folder, "150", "11"], capture_output=True, check=True)
    # A special drawing without places and an observer whose name needs quoting.
    data = bytearray(open(os.path.join(folder, "datax.dat"), "rb").read())
    data[5 * RECORD + 86:5 * RECORD + 95] = bytes([8]) + "zvlášťní".encode("cp1250")
    name = 'Nový, "Jan"'.encode("cp1250")
    data[7 * RECORD + 34:7 * RECORD + 34 + 1 + len(name)] = bytes([len(name)]) + name
    open(os.path.join(folder, "datax.dat"), "wb").write(bytes(data))
    out = os.path.join(work, "out")
    run(cli, ["export-csv", folder, out])

    recs = list(records(os.path.join(folder, "datax.dat")))
    header, days = read_csv(os.path.join(out, "days.csv"))
    indices = ["g", "f", "r", "cv", "sn", "rb", "area", "corrected_area"]
    expected_header = ["date", "ut", "observer", "station", "kind", "p", "b0", "l0", "rotation"]
    for name in indices:
        expected_header += [name, name + "_n", name + "_s"]
    if header != expected_header:
        fail(f"days.csv header {header}")
    if len(days) != len(recs):
        fail(f"days.csv has {len(days)} rows for {len(recs)} records")

    ephemeris = run(cli, ["ephemeris"], "".join(
        f"{short_string(r, 0, 10)} {u16(r, 16):04d}\n" for r in recs)).stdout.split("\n")
    expected_groups = []
    expected_vertices = []
    for raw, row, eph in zip(recs, days, ephemeris):
        when = f"{short_string(raw, 0, 10)} {u16(raw, 16)}"
        kind = short_string(raw, 86, 8)
        if row["date"] != iso(short_string(raw, 0, 10)):
            fail(f"{when}: date {row['date']}")
        ut = u16(raw, 16)
        if row["ut"] != f"{ut // 100:02d}:{ut % 100:02d}":
            fail(f"{when}: ut {row['ut']}")
        for column, offset, capacity in (("observer", 34, 30), ("station", 65, 20)):
            if row[column] != short_string(raw, offset, capacity):
                fail(f"{when}: {column} {row[column]!r}")
        if row["kind"] != kind:
            fail(f"{when}: kind {row['kind']!r}")
        _, p, b0, l0, rotation = eph.split()
        if not (close(row["p"], float(p), 0.005) and close(row["b0"], float(b0), 0.005)
                and close(row["l0"], float(l0), 0.005) and row["rotation"] == rotation):
            fail(f"{when}: ephemeris {row['p']} {row['b0']} {row['l0']} {row['rotation']}")
        marker = u16(raw, 136) == 1200 and u16(raw, 134) in (10, 1790)
        for q, name in enumerate(indices):
            north, south = u16(raw, 1730 + 2 * q), u16(raw, 1746 + 2 * q)
            if kind and name in ("area", "corrected_area"):
                want = ["", "", ""]
            elif kind and not marker:
                want = [str(north + south), "", ""]
            else:
                want = [str(north + south), str(north), str(south)]
            got = [row[name], row[name + "_n"], row[name + "_s"]]
            if got != want:
                fail(f"{when}: {name} {got} instead of {want}")
        for k in range(1, min(raw[14], 40) + 1):
            slot = raw[128 + 40 * (k - 1):128 + 40 * k]
            area = round(u16(slot, 10) + u16(slot, 12) * 15.3)  # halves to even, as the program
            expected_groups.append((row["date"], row["ut"], row["observer"], str(u16(slot, 14)),
                                    str(u16(slot, 16)), short_string(slot, 0, 3), str(slot[4]),
                                    str(area), kind, when, u16(slot, 6), u16(slot, 8)))
        for k in range(1, min(raw[15], 40) + 1):
            slot = raw[128 + 40 * (k - 1):128 + 40 * k]
            for v in range(1, 7):
                packed = u16(slot, 26 + 2 * (v - 1))
                if packed == 0:
                    break
                expected_vertices.append((row["date"], row["ut"], row["observer"], str(k), str(v),
                                          str(packed // 128), str(packed % 128), when))

    _, groups = read_csv(os.path.join(out, "groups.csv"))
    if len(groups) != len(expected_groups):
        fail(f"groups.csv has {len(groups)} rows for {len(expected_groups)} groups")
    places = run(cli, ["convert"], "".join(
        f"{g[9]} {g[10]} {g[11]}\n" for g in expected_groups)).stdout.split("\n")
    for want, row, place in zip(expected_groups, groups, places):
        got = (row["date"], row["ut"], row["observer"], row["group_number"],
               row["rotation_group_number"], row["class"], row["spots"], row["area"])
        if got != want[:8]:
            fail(f"group {got} instead of {want[:8]}")
        cmd, latitude, longitude = (float(x) for x in place.split())
        placed = want[8] == "" and not (want[11] == 1200 and want[10] in (10, 1790))
        if placed:
            if not (close(row["latitude"], latitude, 0.005) and close(row["cmd"], cmd, 0.005)
                    and close(row["carrington_longitude"], longitude, 0.005)
                    and close(row["position_angle"], want[10] / 10, 0.05)
                    and close(row["distance"], want[11] / 10, 0.05)):
                fail(f"{want[9]}: group place {row}")
        elif any(row[c] for c in ("latitude", "carrington_longitude", "cmd")):
            fail(f"{want[9]}: a group without a place has one: {row}")

    _, vertices = read_csv(os.path.join(out, "faculae.csv"))
    if len(vertices) != len(expected_vertices):
        fail(f"faculae.csv has {len(vertices)} rows for {len(expected_vertices)} vertices")
    for want, row in zip(expected_vertices, vertices):
        got = (row["date"], row["ut"], row["observer"], row["field"], row["vertex"],
               row["position_angle"], row["distance"])
        if got != want[:7]:
            fail(f"{want[7]}: vertex {got} instead of {want[:7]}")

    if not any(row["kind"] for row in days):
        fail("no special drawing was exported")
    if not any(row["observer"] == 'Nový, "Jan"' for row in days):
        fail("the quoted observer did not read back")
    print(f"{len(failures) == 0 and 'all passed' or 'failed'}: {len(days)} drawings, "
          f"{len(groups)} groups, {len(vertices)} vertices")
    return 1 if failures else 0


sys.exit(main())
