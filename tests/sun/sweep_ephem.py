# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sunrise, solar noon and sunset from 1900 to 2100 between 60 degrees south and north, against
# PyEphem with the same horizon (the centre 50 arc minutes below it, refraction included).
import datetime
import random
import subprocess
import sys

import ephem

random.seed(15)
cases = []
for _ in range(1500):
    day = datetime.date(1900, 1, 1) + datetime.timedelta(days=random.randrange(73414))
    cases.append((day, round(random.uniform(-60, 60), 2), round(random.uniform(-180, 180), 2)))
lines = "".join(f"{d.year} {d.month} {d.day} {lat} {lon}\n" for d, lat, lon in cases)
answers = subprocess.run([sys.argv[1]], input=lines, capture_output=True, text=True,
                         check=True).stdout.split("\n")

sun = ephem.Sun()
unix = ephem.Date("1970/1/1")
worst = 0.0
failures = []
for (day, lat, lon), answer in zip(cases, answers):
    observer = ephem.Observer()
    observer.lat, observer.lon = str(lat), str(lon)
    observer.pressure, observer.horizon = 0, "-0:50"
    # The solar day around noon local mean time, as the program takes a date's sun.
    observer.date = ephem.Date(day) + 0.5 - lon / 360
    expected = (observer.previous_rising(sun, use_center=True),
                observer.next_transit(sun, start=observer.date - 0.25),
                observer.next_setting(sun, use_center=True))
    seconds = [(e - unix) * 86400 for e in expected]
    got = [float(x) for x in answer.split()] if answer not in ("up", "down") else []
    errors = [abs(g - s) for g, s in zip(got, seconds)] if len(got) == 3 else [1e9]
    worst = max(worst, *errors)
    if max(errors) > 60:
        failures.append(f"{day} {lat} {lon}: program {answer}, ephemeris "
                        + " ".join(f"{s:.0f}" for s in seconds))
print(f"{len(cases)} days, worst difference {worst:.1f} s")
for failure in failures[:20]:
    print(failure)
sys.exit(1 if failures else 0)
