// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's family functions and dalvane-cli family, on one register of varied entries: the
// same core must list the same entries, see the same days coming, write the same calendar file
// and refuse a file in the same words.
import {test} from "node:test";
import assert from "node:assert/strict";
import {execFile} from "node:child_process";
import {existsSync, mkdtempSync, rmSync, writeFileSync} from "node:fs";
import os from "node:os";
import path from "node:path";
import {promisify} from "node:util";
import {loadCalendar, source} from "./module.mjs";

const run = promisify(execFile);
const cli = process.env.DALVANE_CLI ||
            [path.join(source, "build/cli/dalvane-cli"),
             path.join(source, "build/release/cli/dalvane-cli")].find(existsSync);

// person | kind | date | calendar | before dawn | time | place | days | months | note
const register = `
Dinshaw Mehta | death | 2025-11-20 | shahenshahi | no | | | 4,10,30 | 12 | Aban roz
Perin Irani | death | 2026-08-01 | kadmi | yes | | | 3,31 | 6 |
Rustom Bharucha | birth | 1990-03-21 | fasli | no | | | | |
Homai & Jal | wedding | 2001-08-20 | shahenshahi | no | | | | | on a Gatha day, "quoted"
Zarir Patel | navjote | 2015-12-25 | shahenshahi | no | | | | |
Fravardegan visit | other | 2010-03-17 | kadmi | no | | | | |
Avardad-sal-gah | birth | 2024-03-20 | fasli | no | | | | |
Gatha Behram | death | 2025-08-12 | shahenshahi | no | | | | 2 |
Jamshed London | death | 2026-03-29 | shahenshahi | no | 01:30 | London | 4 | 3 |
Roshan Mumbai | birth | 2000-01-15 | shahenshahi | no | 05:40 | 19.08,72.88,Asia/Kolkata | | |
Khorshed Ünvala ખોરશેદ | wedding | 1975-10-26 | kadmi | no | 06:10 | london | | | મુંબઈ
New York gap | death | 2026-03-08 | shahenshahi | no | 02:30 | 40.71,-74.01,America/New_York | 1,2,3 | 1 |
`.trim().split("\n").map(line => {
    const [person, kind, date, calendar, dawn, time, place, days, months, note] =
        line.split("|").map(cell => cell.trim());
    const entry = {person, kind, date, calendar, before_dawn: dawn === "yes"};
    if (time)
        Object.assign(entry, {time, place});
    if (kind === "death")
        Object.assign(entry, {days: days ? days.split(",").map(Number) : [],
                              months: Number(months || 12)});
    if (note)
        entry.note = note;
    return entry;
});

// from | days | reminder days before ("-" for none)
const spans = [["2026-01-01", 365, "-"], ["2026-03-01", 30, "1"], ["2026-03-26", 7, "0"],
               ["2025-12-07", 3660, "7"], ["2027-03-15", 1, "-"]];

const withoutStamp = text => text.replace(/^DTSTAMP:.*\r\n/gm, "");
// The Observance column of `family upcoming`'s table (its columns two blanks or more apart).
const listedLabels = table => table.split("\n").slice(1).filter(Boolean)
                                  .map(line => line.split(/ {2,}/)[1]);

test("the page's family functions answer as dalvane-cli family does",
     {skip: !cli && "no dalvane-cli built"}, async t => {
    const calendar = await loadCalendar();
    const folder = mkdtempSync(path.join(os.tmpdir(), "dalvane-family-"));
    t.after(() => rmSync(folder, {recursive: true, force: true}));
    const env = {...process.env, HOME: folder, XDG_DATA_HOME: folder, XDG_CONFIG_HOME: folder};
    const family = async (...args) =>
        (await run(cli, ["family", ...args, "--register", path.join(folder, "family.db")],
                   {env, maxBuffer: 1 << 26})).stdout;
    const refusal = async (...args) => {
        const failed = await family(...args).then(() => null, error => error);
        assert.ok(failed, `dalvane-cli family ${args.join(" ")} refuses`);
        return failed.stderr.trim();
    };

    const document = calendar.familyDocument(JSON.stringify(register));
    assert.equal(typeof document, "string", JSON.stringify(document));
    // Another document written since: the calls below must read theirs, not the last one.
    assert.equal(typeof calendar.familyDocument(JSON.stringify(register.slice(0, 2))), "string");
    writeFileSync(path.join(folder, "family.json"), document);
    await family("import", path.join(folder, "family.json"));
    assert.equal(await family("export", "-"), document);
    assert.deepEqual(calendar.familyList(document), JSON.parse(await family("list", "--json")));

    for (const [from, days, remind] of spans) {
        const span = ["--from", from, "--days", String(days)];
        // The page's observances are the CLI's JSON, each with the label of the CLI's listing.
        const {observances, ...upcoming} = calendar.familyUpcoming(document, from, days);
        assert.deepEqual(observances.map(o => o.label), listedLabels(await family("upcoming", ...span)),
                         `${from} ${days}`);
        assert.deepEqual({...upcoming, observances: observances.map(({label, ...o}) => o)},
                         JSON.parse(await family("upcoming", "--json", ...span)), `${from} ${days}`);
        const reminder = remind === "-" ? [] : ["--remind", remind];
        assert.equal(withoutStamp(calendar.familyCalendar(document, from, days,
                                                          remind === "-" ? null : Number(remind),
                                                          1e9)),
                     withoutStamp(await family("upcoming", "--ics", "-", ...reminder, ...span)),
                     `${from} ${days} ${remind}`);
    }

    // A file that does not read is refused whole, in import's words.
    const newer = document.replace(/"version": 1/, "\"version\": 2");
    const badRow = "person,date,kind\r\nAnahita,2020-02-02,birth\r\nBehram,2020-02-31,death\r\n";
    for (const [name, text] of [["newer.json", newer], ["bad.csv", badRow]]) {
        writeFileSync(path.join(folder, name), text);
        assert.deepEqual(calendar.familyOpen(document, text),
                         {ok: false, message: await refusal("import", path.join(folder, name))});
    }
    // A file that reads adds what is not kept yet, as import counts it.
    const more = "person,date,kind,calendar\r\nRustom Bharucha,1990-03-21,birth,fasli\r\n" +
                 "Anahita,2020-02-02,birth,kadmi\r\n";
    writeFileSync(path.join(folder, "more.csv"), more);
    const opened = calendar.familyOpen(document, more);
    assert.equal(`${opened.message}\n`, await family("import", path.join(folder, "more.csv")));
    assert.deepEqual(opened.people.map(entry => entry.person), ["Anahita"]);
});
