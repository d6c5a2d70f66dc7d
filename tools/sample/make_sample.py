#!/usr/bin/env python3
"""Writes sample-contest.adi, the log the host tool replays through the plug-in.

The log is that of DL1ABC (CQ zone 14) in a 48-hour CW DX contest from
2026-05-09 00:00 to 2026-05-10 23:59 UTC, operated from Saturday 12:00 on:
about 400 QSOs on 160m to 10m, with runs and search-and-pounce stretches,
band changes by time of day and off-times. The worked stations are real
contest calls from MASTER.SCP; each sends its CQ zone as found in cty.dat.

On purpose the log also holds what the plug-in must catch: three dupes (same
call, same band, later), one QSO on 30m, one QSO without the received zone and
one SSB QSO.

The output depends only on the two input files: run it again on the same
hamradio-files release and the log comes out byte for byte the same.

    python3 tools/sample/make_sample.py [--scp FILE] [--cty FILE] [--output FILE]
"""

import argparse
import random
import re
from dataclasses import dataclass
from datetime import datetime, timedelta
from pathlib import Path

SEED = 20260509
OWN_CALL = "DL1ABC"
OWN_ZONE = "14"
CONTEST_START = datetime(2026, 5, 9, 0, 0)
CONTEST_HOURS = 48
SOUTH_AMERICA_SHARE = 0.3  # the contest draws South American stations out
DUPE_COUNT = 3

# CW part of each band the contest uses, in kHz.
CW_SEGMENTS = {
    "160m": (1810, 1850),
    "80m": (3500, 3570),
    "40m": (7000, 7040),
    "20m": (14000, 14070),
    "15m": (21000, 21080),
    "10m": (28000, 28100),
}
WARC_FREQUENCY_KHZ = 10115.0  # 30m, which contests leave alone
PHONE_FREQUENCY_KHZ = 14245.0

# When the operator sat at the radio, and the bands that were open from DL.
OPERATING_PERIODS = [
    ("2026-05-09 12:00", "2026-05-09 15:40", ["15m", "10m", "20m"]),
    ("2026-05-09 16:30", "2026-05-09 19:10", ["20m", "15m"]),
    ("2026-05-09 20:00", "2026-05-09 23:40", ["40m", "80m", "20m"]),
    ("2026-05-10 00:10", "2026-05-10 01:50", ["80m", "160m", "40m"]),
    ("2026-05-10 05:00", "2026-05-10 06:40", ["40m", "20m"]),
    ("2026-05-10 07:30", "2026-05-10 11:30", ["20m", "15m", "10m"]),
    ("2026-05-10 13:00", "2026-05-10 17:20", ["15m", "20m", "10m"]),
    ("2026-05-10 18:30", "2026-05-10 23:50", ["40m", "20m", "80m", "160m"]),
]


@dataclass
class Station:
    call: str
    continent: str
    zone: int


@dataclass
class Qso:
    station: Station
    time: datetime
    band: str
    frequency_hz: int
    mode: str = "CW"
    rst: str = "599"
    sends_zone: bool = True


class CountryFile:
    """Entity data of plain calls (no '/'), resolved as the host's library does."""

    def __init__(self, path):
        self.prefixes = {}
        self.exact_calls = {}
        entity = None
        for line in path.read_text(encoding="ascii", errors="replace").splitlines():
            if ":" in line:
                fields = [field.strip() for field in line.split(":")]
                entity = (fields[3], int(fields[1]))
                continue
            if entity is None:
                continue
            for alias in line.strip().rstrip(";").split(","):
                self._add_alias(alias.strip(), entity)
            if ";" in line:
                entity = None

    def _add_alias(self, alias, entity):
        match = re.fullmatch(r"(=?)([A-Z0-9/]+)(.*)", alias)
        if not match:
            return
        exact, key, overrides = match.groups()
        zone = re.search(r"\((\d+)\)", overrides)
        continent = re.search(r"\{([A-Z]{2})\}", overrides)
        table = self.exact_calls if exact else self.prefixes
        table.setdefault(key, (continent[1] if continent else entity[0], int(zone[1]) if zone else entity[1]))

    def resolve(self, call):
        if call in self.exact_calls:
            return self.exact_calls[call]
        for length in range(len(call), 0, -1):
            if call[:length] in self.prefixes:
                return self.prefixes[call[:length]]
        return None


def read_master_scp(path):
    """The calls of MASTER.SCP and its release line, if it has one."""
    calls = []
    release = "unknown release"
    for line in path.read_text(encoding="ascii", errors="replace").splitlines():
        line = line.strip()
        if line.startswith("#"):
            if line.lstrip("# ").startswith("Release"):
                release = line.lstrip("# ")
            continue
        if line:
            calls.append(line.upper())
    return sorted(set(calls)), release


def active_stations(calls, country_file, rng):
    """The stations on the air this weekend: a fixed share from South America."""
    south_america, elsewhere = [], []
    for call in calls:
        if call == OWN_CALL or not re.fullmatch(r"[A-Z0-9]{3,8}", call) or not re.search(r"\d", call):
            continue
        entity = country_file.resolve(call)
        if entity is None:
            continue
        station = Station(call, entity[0], entity[1])
        (south_america if station.continent == "SA" else elsewhere).append(station)
    return rng.sample(south_america, 150), rng.sample(elsewhere, 450)


def pick_station(stations, band, worked, rng):
    south_america, elsewhere = stations
    while True:
        pool = south_america if rng.random() < SOUTH_AMERICA_SHARE else elsewhere
        station = rng.choice(pool)
        if (station.call, band) not in worked:
            worked.add((station.call, band))
            return station


def operate(stations, rng):
    """QSOs of all operating periods: stretches of 15 to 45 minutes on one
    band, either running (calling CQ on one frequency, quick QSOs) or
    searching and pouncing (tuning up the band, slower)."""
    qsos = []
    worked = set()
    for start_text, end_text, bands in OPERATING_PERIODS:
        time = datetime.fromisoformat(start_text)
        end = datetime.fromisoformat(end_text)
        while time < end:
            band = rng.choice(bands)
            low_khz, high_khz = CW_SEGMENTS[band]
            stretch_end = min(end, time + timedelta(minutes=rng.randint(15, 45)))
            running = rng.random() < 0.4
            frequency_hz = rng.randint(low_khz * 10, high_khz * 10) * 100
            while True:
                gap = rng.randint(30, 120) if running else rng.randint(75, 360)
                if rng.random() < 0.08:
                    gap += rng.randint(300, 900)  # a lull, a break or a QSY that went nowhere
                time += timedelta(seconds=gap)
                if time >= stretch_end:
                    break
                if not running:
                    frequency_hz += rng.randint(3, 30) * 100
                    if frequency_hz > high_khz * 1000:
                        frequency_hz = low_khz * 1000 + rng.randint(0, 50) * 100
                qsos.append(Qso(pick_station(stations, band, worked, rng), time, band, frequency_hz))
            time = stretch_end + timedelta(minutes=rng.randint(0, 20))
    return qsos


def add_deliberate_mistakes(qsos):
    """Puts in the QSOs the plug-in has to reject or flag, each on a QSO of its own."""
    used = set()

    def take(share, wanted=lambda index: True):
        index = next(i for i in range(int(len(qsos) * share), len(qsos)) if i not in used and wanted(i))
        used.add(index)
        return index

    def earlier_on_same_band(index):
        candidates = range(index - 30, -1, -1)
        return next((i for i in candidates if i not in used and qsos[i].band == qsos[index].band), None)

    for share in (0.25, 0.55, 0.8):
        dupe = take(share, lambda index: earlier_on_same_band(index) is not None)
        original = earlier_on_same_band(dupe)
        used.add(original)
        qsos[dupe].station = qsos[original].station

    wrong_band = qsos[take(0.4, lambda index: qsos[index].band == "20m")]
    wrong_band.band = "30m"
    wrong_band.frequency_hz = int(WARC_FREQUENCY_KHZ * 1000)

    qsos[take(0.65)].sends_zone = False

    phone = qsos[take(0.88, lambda index: qsos[index].band == "20m")]
    phone.mode = "SSB"
    phone.rst = "59"
    phone.frequency_hz = int(PHONE_FREQUENCY_KHZ * 1000)


def adif_field(name, value):
    return f"<{name}:{len(value)}>{value}"


def adif_record(qso):
    fields = [
        ("CALL", qso.station.call),
        ("QSO_DATE", qso.time.strftime("%Y%m%d")),
        ("TIME_ON", qso.time.strftime("%H%M%S")),
        ("FREQ", f"{qso.frequency_hz // 1_000_000}.{qso.frequency_hz % 1_000_000 // 10:05d}"),
        ("BAND", qso.band.upper()),
        ("MODE", qso.mode),
        ("RST_SENT", qso.rst),
        ("RST_RCVD", qso.rst),
        ("STX_STRING", OWN_ZONE),
    ]
    if qso.sends_zone:
        fields.append(("SRX_STRING", f"{qso.station.zone:02d}"))
    fields.append(("STATION_CALLSIGN", OWN_CALL))
    return " ".join(adif_field(name, value) for name, value in fields) + " <EOR>\n"


def adif_log(qsos, scp_release):
    end = CONTEST_START + timedelta(hours=CONTEST_HOURS, minutes=-1)
    header = (
        f"Sample log of {OWN_CALL} in a {CONTEST_HOURS}-hour CW DX contest, "
        f"{CONTEST_START:%Y-%m-%d %H:%M} to {end:%Y-%m-%d %H:%M} UTC.\n"
        f"Made by tools/sample/make_sample.py (seed {SEED}) from MASTER.SCP ({scp_release}) and cty.dat.\n"
        f"Holds on purpose {DUPE_COUNT} dupes, one QSO on 30m, one QSO without the received zone "
        "and one SSB QSO.\n"
        + adif_field("ADIF_VER", "3.1.4") + "\n"
        + adif_field("PROGRAMID", "make_sample") + "\n"
        + "<EOH>\n"
    )
    return header + "".join(adif_record(qso) for qso in qsos)


def main():
    here = Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--scp", type=Path, default=Path("/usr/share/hamradio-files/MASTER.SCP"))
    parser.add_argument("--cty", type=Path, default=Path("/usr/share/hamradio-files/cty.dat"))
    parser.add_argument("--output", type=Path, default=here / "sample-contest.adi")
    arguments = parser.parse_args()

    rng = random.Random(SEED)
    calls, release = read_master_scp(arguments.scp)
    stations = active_stations(calls, CountryFile(arguments.cty), rng)
    qsos = operate(stations, rng)
    add_deliberate_mistakes(qsos)
    arguments.output.write_text(adif_log(qsos, release), encoding="ascii", newline="\n")
    print(f"{arguments.output}: {len(qsos)} QSOs")


if __name__ == "__main__":
    main()
