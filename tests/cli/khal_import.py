# SPDX-FileCopyrightText: 2026 The Dalvane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A schedule's calendar file as a family's calendar client takes it: written and imported twice into khal
under a scratch configuration, it lists each observance once, on the date the schedule gives."""
import json, os, subprocess, sys, tempfile

cli = sys.argv[1]
schedule = ["schedule", "--order", "dmy", "--from", "2026", "--years", "10", "--months", "12",
            "--days", "4,10,30", "--remind", "2", "20-08-2001"]
with tempfile.TemporaryDirectory() as scratch:
    env = dict(os.environ, LC_ALL="C.UTF-8", TZ="UTC", HOME=scratch, XDG_CONFIG_HOME=scratch,
               XDG_DATA_HOME=scratch)

    def run(*arguments):
        return subprocess.run(arguments, env=env, check=True, capture_output=True,
                              text=True).stdout

    answer = json.loads(run(cli, *schedule, "--json"))
    expected = sorted(f"{o['date']} {o['name']}, {o['kind']} {o['n']}"
                      for o in answer["observances"])
    ics, config = os.path.join(scratch, "family.ics"), os.path.join(scratch, "khal.conf")
    os.mkdir(os.path.join(scratch, "family"))
    with open(config, "w") as f:
        f.write(f"[calendars]\n[[family]]\npath = {scratch}/family\n[locale]\n"
                "dateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\ntimeformat = %H:%M\n"
                "datetimeformat = %Y-%m-%d %H:%M\nlongdatetimeformat = %Y-%m-%d %H:%M\n"
                f"[sqlite]\npath = {scratch}/khal.db\n")
    for _ in range(2):  # a second run's file updates the first run's events
        run(cli, *schedule, "--ics", ics)
        run("khal", "--config", config, "import", "--batch", "-a", "family", ics)
    listed = sorted(filter(None, run("khal", "--config", config, "list", "--format",
                                     "{start-date} {title}", "--day-format", "", "2001-01-01",
                                     "2040-12-31").splitlines()))
if len(expected) != 25 or listed != expected:
    sys.exit("khal lists:\n" + "\n".join(listed) + "\nthe schedule says:\n" + "\n".join(expected))
print(f"khal lists the {len(listed)} observances on their dates")
