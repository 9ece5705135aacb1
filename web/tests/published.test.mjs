// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's calculations against the published dates and times the native tests check.
import {test} from "node:test";
import assert from "node:assert/strict";
import {loadCalendar, placeOf, table} from "./module.mjs";

const calendar = await loadCalendar();

// An ISO date typed in each of the three orders: the core reads them all alike.
function typed(iso, order)
{
    const [y, m, d] = iso.split("-");
    return order === 1 ? `${d}-${m}-${y}` : order === 2 ? `${m}-${d}-${y}` : iso;
}

function ask(date, extra = {})
{
    return calendar.calculate({date, order: 3, separator: "-", year: date.slice(0, 4),
                               beforeDawn: false, calendar: "shahenshahi", ...extra});
}

test("the roz and mah of published dates", () => {
    for (const [name, date, reckoning, expected] of table("published-reckonings.txt")) {
        const a = ask(date, {calendar: reckoning});
        assert.equal(`roz ${a.roz} mah ${a.mah ?? 0} YZ ${a.yz_year}`, expected, name);
    }
});

test("the worked reckonings from 20 August 2001, in every date order", () => {
    for (const [name, date, beforeDawn, roz] of table("roz-reckonings.txt")) {
        for (const order of [1, 2, 3]) {
            const a = calendar.calculate({date: typed(date, order), order, separator: "/",
                                          year: "9999", beforeDawn: beforeDawn === "1",
                                          calendar: "shahenshahi"});
            assert.equal(a.ok ? String(a.roz) : "0", roz, `${name}, order ${order}`);
        }
    }
});

test("the festivals of published years", () => {
    for (const [name, reckoning, festival, year, expected] of table("published-festivals.txt")) {
        const found = calendar.festivals(Number(year), 1, reckoning)
            .filter(o => o.name === festival).map(o => `${o.date} ${o.days}`).join(";");
        assert.equal(found, expected === "-" ? "" : expected, name);
    }
});

test("sunrise and sunset at places, within a minute of the published times", () => {
    const minutes = clock => Number(clock.split(":")[0]) * 60 + Number(clock.split(":")[1]);
    for (const [name, place, date, rise, set] of table("published-sunrise.txt")) {
        const a = ask(date, {place: placeOf(place)});
        if (set === undefined) {
            assert.deepEqual([a.field, a.message], ["date", rise], name);
            continue;
        }
        for (const [got, published] of [[a.sunrise, rise], [a.sunset, set]])
            if (published !== "-")
                assert.ok(Math.abs(minutes(got) - minutes(published)) <= 1,
                          `${name}: ${got}, published ${published}`);
    }
});
