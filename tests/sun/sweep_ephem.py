# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sunrise, solar noon and sunset, 1900 to 2100, 60 degrees south to north, within a minute of
# PyEphem with the same horizon: the centre 50 arc minutes below it, refraction included.
import datetime, random, subprocess, sys
import ephem

random.seed(15)
cases = [(datetime.date(1900, 1, 1) + datetime.timedelta(days=random.randrange(73414)),
          round(random.uniform(-60, 60), 2), round(random.uniform(-180, 180), 2))
         for _ in range(1500)]
lines = "".join(f"{d.year} {d.month} {d.day} {lat} {lon}\n" for d, lat, lon in cases)
answers = subprocess.run([sys.argv[1]], input=lines, capture_output=True, text=True,
                         check=True).stdout.split("\n")
sun, worst, failures = ephem.Sun(), 0.0, []
for (day, lat, lon), answer in zip(cases, answers):
    observer = ephem.Observer()
    observer.lat, observer.lon, observer.pressure, observer.horizon = str(lat), str(lon), 0, "-0:50"
    observer.date = ephem.Date(day) + 0.5 - lon / 360  # noon local mean time, as the program
    expected = [(t - ephem.Date("1970/1/1")) * 86400 for t in (
        observer.previous_rising(sun, use_center=True),
        observer.next_transit(sun, start=observer.date - 0.25),
        observer.next_setting(sun, use_center=True))]
    got = [float(x) for x in answer.split()] if answer not in ("up", "down") else [1e9] * 3
    worst = max(worst, *(abs(g - e) for g, e in zip(got, expected)))
    if max(abs(g - e) for g, e in zip(got, expected)) > 60:
        failures.append(f"{day} {lat} {lon}: {answer}, ephemeris {expected}")
print(f"{len(cases)} days, worst difference {worst:.1f} s", *failures[:20], sep="\n")
sys.exit(1 if failures else 0)
