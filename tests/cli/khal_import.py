# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A named schedule written and imported twice into a scratch khal lists each observance once, on
# its date, with the name in its title; the family register's coming ten years of the same death,
# imported on top, doubles none of them.
import json, os, subprocess, sys, tempfile

schedule = [sys.argv[1], *("schedule --order dmy --from 2026 --years 10 --months 12 "
                           "--days 4,10,30 --remind 2 20-08-2001").split(), "--name", "Dinshaw Mehta"]
with tempfile.TemporaryDirectory() as tmp:
    env = dict(os.environ, LC_ALL="C.UTF-8", TZ="UTC", HOME=tmp, XDG_CONFIG_HOME=tmp)
    run = lambda *a: subprocess.run(a, env=env, check=True, capture_output=True, text=True).stdout
    os.mkdir(f"{tmp}/family")
    with open(f"{tmp}/khal.conf", "w") as config:
        config.write(f"[calendars]\n[[family]]\npath = {tmp}/family\n[sqlite]\npath = {tmp}/db\n"
                     "[locale]\ndateformat = %Y-%m-%d\n")
    khal = ["khal", "--config", f"{tmp}/khal.conf"]
    for _ in range(2):  # the second file updates the events of the first
        run(*schedule, "--ics", f"{tmp}/family.ics")
        run(*khal, "import", "--batch", "-a", "family", f"{tmp}/family.ics")
    register = ["--register", f"{tmp}/family.sqlite"]
    run(sys.argv[1], "family", "add", *register, "--order", "dmy", "--name", "Dinshaw Mehta",
        "20-08-2001")
    run(sys.argv[1], "family", "upcoming", *register, "--from", "2026-01-01", "--days", "3660",
        "--ics", f"{tmp}/upcoming.ics")
    run(*khal, "import", "--batch", "-a", "family", f"{tmp}/upcoming.ics")
    listed = sorted(filter(None, run(*khal, "list", "--format", "{start-date} {title}",
                                     "--day-format", "", "2001-01-01", "2040-12-31").split("\n")))
    expected = sorted(f"{o['date']} Dinshaw Mehta: {o['name']}, {o['kind']} {o['n']}"
                      for o in json.loads(run(*schedule, "--json"))["observances"])
assert len(expected) == 25 and listed == expected, f"khal: {listed}\nschedule: {expected}"
