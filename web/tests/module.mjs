// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's module under node, and the tables of published dates the native tests read.
import {execFileSync} from "node:child_process";
import {readFileSync} from "node:fs";
import {fileURLToPath} from "node:url";
import path from "node:path";

const here = path.dirname(fileURLToPath(import.meta.url));
export const source = path.resolve(here, "../..");
export const page = process.env.DALVANE_WEB_PAGE || path.join(source, "build/web");

// The module is built for the browser: under node it is handed its wasm, which it would
// otherwise look for beside __dirname.
export async function loadCalendar()
{
    const {default: Dalvane} = await import(path.join(page, "dalvane.mjs"));
    return Dalvane({wasmBinary: readFileSync(path.join(page, "dalvane.wasm"))});
}

// A table of tests/data: one case a line, its name and fields " | " apart; "#" lines are notes.
export function table(name)
{
    return readFileSync(path.join(source, "tests/data", name), "utf8").split("\n")
        .filter(line => line && !line.startsWith("#")).map(line => line.split(" | "));
}

// A place as a table writes it: a built-in name, or LAT,LON,ZONE given whole.
export function placeOf(text)
{
    const parts = text.split(",");
    return parts.length === 3
        ? {name: text, latitude: Number(parts[0]), longitude: Number(parts[1]), zone: parts[2]}
        : text;
}

// The system's offsets from UT of zones at noon UT of days, as dalvane-cli reads them from tzdata,
// through Python's zoneinfo; null for a day that does not exist.
const systemOffsets = `
import json, sys
from datetime import datetime, timezone
from zoneinfo import ZoneInfo
def offset(zone, y, m, d):
    try:
        noon = datetime(y, m, d, 12, tzinfo=timezone.utc)
    except ValueError:
        return None
    return int(noon.astimezone(ZoneInfo(zone)).utcoffset().total_seconds())
print(json.dumps([day and offset(*day) for day in json.load(sys.stdin)]))
`;

function browserOffset(zone, y, m, d)
{
    const name = new Intl.DateTimeFormat("en-US", {timeZone: zone, timeZoneName: "longOffset"})
        .formatToParts(new Date(Date.UTC(y, m - 1, d, 12))).find(p => p.type === "timeZoneName");
    const [, sign, hours, minutes] = /GMT(?:([+-])(\d\d):(\d\d))?/.exec(name.value);
    return sign ? (sign === "-" ? -1 : 1) * (hours * 3600 + minutes * 60) : 0;
}

// Whether the browser's zone data (ICU's, in node and chromium) and the system's tzdata give each
// [zone, year, month, day] the same offset (true for a day given as null). Each follows its own releases, and a zone whose rules
// changed after the older of the two (British Columbia's summer time all year, in tzdata 2026)
// reads differently in them until both have it: on such days the two front ends' local times
// compare the two copies of the zone data, not the core.
export function zoneDataAgree(days)
{
    const system = JSON.parse(execFileSync("python3", ["-c", systemOffsets],
                                           {input: JSON.stringify(days)}));
    return days.map((day, i) => system[i] === null || system[i] === browserOffset(...day));
}
