// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's module and dalvane-cli --json, field by field, on random dates, years, reckonings,
// before-dawn ticks, times and places: the same core compiled twice must answer alike.
import {test} from "node:test";
import assert from "node:assert/strict";
import {execFile} from "node:child_process";
import {existsSync} from "node:fs";
import path from "node:path";
import {promisify} from "node:util";
import {loadCalendar, source, zoneDataAgree} from "./module.mjs";

const run = promisify(execFile);
const cli = process.env.DALVANE_CLI ||
            [path.join(source, "build/cli/dalvane-cli"),
             path.join(source, "build/release/cli/dalvane-cli")].find(existsSync);
const count = Number(process.env.DALVANE_SWEEP || 10000);
const seed = Number(process.env.DALVANE_SEED || Date.now() % 100000);

// A small seeded generator, so that a failing case can be run again with its seed.
function generator(state)
{
    return n => {
        state = (state + 0x6d2b79f5) | 0;
        let t = Math.imul(state ^ (state >>> 15), 1 | state);
        t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
        return (((t ^ (t >>> 14)) >>> 0) % n);
    };
}

const two = n => String(n).padStart(2, "0");

test(`${count} random questions answered as dalvane-cli --json answers them (seed ${seed})`,
     {skip: !cli && "no dalvane-cli built"}, async () => {
    const calendar = await loadCalendar();
    const zones = new Map(calendar.places().map(p => [p.name, p.zone]));
    const places = [...zones.keys()];
    const random = generator(seed);
    let cases = [];
    for (let i = 0; i < count; ++i) {
        // The roz over the whole calendar; the sun from 1970, where the browser's zone data
        // (ICU's) and the system's agree: before it, ICU keeps some zones' local mean time
        // where the system's tzdata links them to a neighbour's.
        const withSun = random(2) === 0;
        const year = withSun ? 1970 + random(131) : 100 + random(9900);
        // Day 29 to 31 of every month, so that dates that do not exist are asked too.
        const date = `${two(1 + random(31))}-${two(1 + random(12))}-${year}`;
        const target = String(random(4) === 0 ? 1 + random(9999) : year + random(60) - 5);
        const reckoning = ["shahenshahi", "kadmi", "fasli"][random(3)];
        const args = ["--json", "--order", "dmy", "--calendar", reckoning];
        const question = {date, order: 1, separator: "/", year: target, calendar: reckoning,
                          beforeDawn: false};
        if (withSun) {
            question.place = places[random(places.length)];
            args.push("--place", question.place);
            if (random(2) === 0) {
                question.hour = random(24);
                question.minute = random(60);
                args.push("--time", `${two(question.hour)}:${two(question.minute)}`);
            }
        } else if (random(2) === 0) {
            question.beforeDawn = true;
            args.push("--before-dawn");
        }
        args.push(date, target);
        cases.push({args, question});
    }
    const days = cases.map(({question: q}) => q.place &&
                                [zones.get(q.place), ...q.date.split("-").reverse().map(Number)]);
    const agree = zoneDataAgree(days.map(day => day || null));
    cases = cases.filter((c, i) => agree[i]);

    let next = 0, compared = 0;
    async function worker()
    {
        while (next < cases.length) {
            const {args, question} = cases[next++];
            const wasm = calendar.calculate(question);
            let native;
            try {
                native = JSON.parse((await run(cli, args, {env: {...process.env,
                                                                 LC_ALL: "C.UTF-8"}})).stdout);
            } catch (failure) {
                // Bad input: the window's message on standard error, status 1.
                assert.equal(failure.code, 1, `${args.join(" ")}: ${failure.stderr}`);
                assert.equal(wasm.ok, false, args.join(" "));
                assert.equal(failure.stderr.trim(), wasm.message, args.join(" "));
                ++compared;
                continue;
            }
            assert.equal(wasm.ok, true, `${args.join(" ")}: ${wasm.message}`);
            for (const key of Object.keys(native))
                assert.deepEqual(wasm[key], native[key], `${key} of ${args.join(" ")}`);
            ++compared;
        }
    }
    await Promise.all([worker(), worker(), worker()]);
    assert.equal(compared, cases.length);
    assert.ok(cases.length > count * 0.9, `${count - cases.length} left out for the zone data`);
});

test(`the moon's phases of 200 random months at random places, as dalvane-cli moon --json gives them (seed ${seed})`,
     {skip: !cli && "no dalvane-cli built"}, async () => {
    const calendar = await loadCalendar();
    const zones = new Map(calendar.places().map(p => [p.name, p.zone]));
    const places = [...zones.keys()];
    const random = generator(seed + 1);
    for (let i = 0; i < 200; ++i) {
        const year = 1970 + random(131), month = 1 + random(12);
        const place = places[random(places.length)];
        if (!zoneDataAgree([1, 15, 28].map(day => [zones.get(place), year, month, day])).every(Boolean))
            continue;
        const args = ["moon", "--from", `${year}-${two(month)}`, "--months", "1", "--place", place,
                      "--json"];
        const native = JSON.parse((await run(cli, args)).stdout)
            .map(p => `${p.phase} ${Number(p.date.slice(8))} ${p.time.slice(11, 16).replace(/^0/, "")}`);
        const wasm = calendar.month({year, month, calendar: "shahenshahi", names: "en", place,
                                     zone: "UTC", week_start: 1})
            .moon.map(p => `${p.phase} ${p.day} ${p.time}`);
        assert.deepEqual(wasm, native, args.join(" "));
    }
});

// The calendar file of a schedule, its stamp (the moment of writing) aside.
const unstamped = text => text.replace(/^DTSTAMP:.*\r\n/gm, "");

test(`200 random schedules written as dalvane-cli schedule --ics writes them (seed ${seed})`,
     {skip: !cli && "no dalvane-cli built"}, async () => {
    const calendar = await loadCalendar();
    const random = generator(seed + 2);
    const names = ["", "Dinshaw Mehta", "  Roshan   Irani ", "Jer, Dady; and \\ Rusi",
                   "ફિરોઝ", "فیروز", "A very long name that folds a line of the calendar file"];
    for (let i = 0; i < 200; ++i) {
        const year = 1900 + random(200);
        const date = `${two(1 + random(28))}-${two(1 + random(12))}-${year}`;
        const from = String(year + random(30));
        const years = 1 + random(5), months = random(14), remind = random(8);
        const days = Array.from({length: random(4)}, () => 1 + random(400)).join(", ");
        const reckoning = ["shahenshahi", "kadmi", "fasli"][random(3)];
        const name = names[random(names.length)];
        const beforeDawn = random(3) === 0;
        const args = ["schedule", "--order", "dmy", "--calendar", reckoning, "--from", from,
                      "--years", String(years), "--months", String(months), "--days", days,
                      "--remind", String(remind), "--name", name, "--ics", "-",
                      ...(beforeDawn ? ["--before-dawn"] : []), date];
        const native = (await run(cli, args, {env: {...process.env, LC_ALL: "C.UTF-8"}})).stdout;
        const wasm = calendar.schedule({date, order: 1, separator: "/", beforeDawn,
                                        calendar: reckoning, names: "en", name, from, years,
                                        months, days, remind, stamp: 0});
        assert.equal(unstamped(wasm.ics), unstamped(native), args.join(" "));
    }
});
