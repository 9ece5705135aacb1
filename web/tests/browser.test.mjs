// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page in Debian's chromium, headless: the calculator as a person uses it, a month in
// Persian, the page offline and after a new build, its fit at a phone's and a desktop's width,
// and an accessibility scan.
import {after, before, test} from "node:test";
import assert from "node:assert/strict";
import {execFileSync} from "node:child_process";
import {cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync} from "node:fs";
import os from "node:os";
import path from "node:path";
import {chromium, contextOptions, launchOptions, overflow, serve as serveFolder, stop,
        violations} from "./chromium.mjs";
import {loadCalendar, page as built, source} from "./module.mjs";

const scratch = mkdtempSync(path.join(os.tmpdir(), "dalvane-page-"));
const served = path.join(scratch, "site");
cpSync(built, served, {recursive: true});
const serve = () => serveFolder(served);

let browser, site;
before(async () => {
    site = await serve();
    browser = await chromium.launchPersistentContext(path.join(scratch, "profile"),
                                                     {...launchOptions, ...contextOptions});
});

after(async () => {
    await browser?.close();
    if (site)
        await stop(site.server);
    rmSync(scratch, {recursive: true, force: true});
});

async function open(hash = "", width = 1280)
{
    const page = await browser.newPage();
    await page.setViewportSize({width, height: 900});
    await page.goto(site.url + hash);
    await page.waitForSelector("html[data-ready=true]");
    return page;
}

test("the calculator: a date and a year in en-GB, before dawn, and bad input beside its field",
     async () => {
    const page = await open();
    const roz = page.locator("#roz");
    const date = roz.getByLabel("Date", {exact: true}), year = roz.getByLabel("Year");
    await date.fill("20-08-2001");
    await year.fill("2005");
    await roz.getByRole("button", {name: "Calculate Roz"}).click();
    assert.equal(await page.locator("#roz-name").textContent(), "VAHISHTOIST");
    assert.match(await page.locator("#same-roz").textContent(), /19 August 2005/);
    assert.match(await page.locator("#sentence").textContent(),
                 /^For the English Date 20-Aug-2001 that you have entered, the Zoroastrian Roz is VAHISHTOIST/);

    // The day after, before dawn, is the same roz.
    await date.fill("21/08/2001");
    await roz.getByLabel("Before dawn").check();
    await roz.getByRole("button", {name: "Calculate Roz"}).click();
    assert.equal(await page.locator("#roz-name").textContent(), "VAHISHTOIST");
    await roz.getByLabel("Before dawn").uncheck();

    for (const [field, typed, message] of [
             [date, "32-08-2001", "Please Enter a Valid date in the Format: dd-mm-yyyy"],
             [year, "20O5", "Please Enter a Valid Year"]]) {
        const before = await field.inputValue();
        await field.fill(typed);
        await roz.getByRole("button", {name: "Calculate Roz"}).click();
        assert.equal(await field.getAttribute("aria-invalid"), "true");
        const described = (await field.getAttribute("aria-describedby")).split(" ");
        const error = page.locator(`#${described.find(id => id.endsWith("-error"))}`);
        assert.equal(await error.textContent(), message);
        assert.ok(await error.isVisible());
        await field.fill(before);
    }
    await page.close();
});

test("a schedule of observances, a bad day list beside its field, and its calendar file",
     async () => {
    const page = await open("#schedule");
    const form = page.locator("#schedule");
    await form.getByLabel("Date", {exact: true}).fill("20-08-2001");
    await form.getByLabel("Name").fill("Dinshaw Mehta");
    await form.getByLabel("From").fill("2026");
    await form.getByLabel("Years").fill("2");
    await form.getByLabel("Months").fill("1");
    await form.getByLabel("Days").fill("4, x");
    const days = form.getByLabel("Days");
    assert.equal(await days.getAttribute("aria-invalid"), "true");
    assert.equal(await page.locator("#schedule-days-error").textContent(),
                 "Please Enter the Days as numbers from 1 to 36500, such as 4, 10, 30");
    await days.fill("4, 10");
    assert.equal(await days.getAttribute("aria-invalid"), "false");
    assert.deepEqual(await page.locator(".observances tbody th").allTextContents(),
                     ["Year 2026", "Year 2027", "Month 1", "Day 4", "Day 10"]);
    const [download] = await Promise.all([
        page.waitForEvent("download"),
        form.getByRole("button", {name: "Add to phone calendar"}).click()]);
    const file = readFileSync(await download.path(), "utf8");
    assert.match(file, /^BEGIN:VCALENDAR\r\n/);
    assert.match(file, /SUMMARY:Dinshaw Mehta: VAHISHTOIST\\, year 2026/);
    if (process.env.DALVANE_CLI) {
        const written = execFileSync(process.env.DALVANE_CLI, [
            "schedule", "--order", "dmy", "--from", "2026", "--years", "2", "--months", "1",
            "--days", "4, 10", "--remind", "2", "--name", "Dinshaw Mehta", "--ics", "-",
            "20-08-2001"], {encoding: "utf8"});
        const unstamped = text => text.replace(/^DTSTAMP:.*\r\n/gm, "");
        assert.equal(unstamped(file), unstamped(written));
    }
    await page.close();
});

test("a month with its roz named in Persian, right to left", async () => {
    const page = await open("#calendar");
    await page.getByLabel("Names").selectOption("fa");
    const name = page.locator("[role=gridcell] [lang=fa]").first();
    assert.equal(await name.getAttribute("dir"), "rtl");
    assert.match(await name.textContent(), /^[\u0600-\u06FF\u200C ]+$/);
    assert.equal(await name.evaluate(node => getComputedStyle(node).direction), "rtl");
    // The week runs from the right: of two days in one week, the earlier stands to the right.
    const pair = await page.locator("[role=gridcell][data-date]").evaluateAll(cells => {
        const boxes = cells.map(cell => cell.getBoundingClientRect());
        const i = boxes.findIndex((box, k) => boxes[k + 1] && boxes[k + 1].y === box.y);
        return [boxes[i].x, boxes[i + 1].x];
    });
    assert.ok(pair[0] > pair[1], String(pair));
    assert.equal(await page.locator("[role=gridcell][data-date]").count() >= 28, true);
    await page.getByLabel("Names").selectOption("en");
    await page.close();
});

test("the page fits 360 and 1280 pixels wide, every view, nothing clipped", async () => {
    for (const width of [360, 1280]) {
        for (const view of ["#roz", "#schedule", "#calendar", "#help", "#about"]) {
            const page = await open(view, width);
            if (view === "#schedule")
                await page.locator("#schedule").getByLabel("Date", {exact: true}).fill("20-08-2001");
            assert.deepEqual(await overflow(page), [0, []], `${view} at ${width} px`);
            await page.close();
        }
    }
});

test("no serious or critical accessibility violation, light and dark", async () => {
    for (const scheme of ["light", "dark"]) {
        for (const view of ["#roz", "#schedule", "#calendar", "#help", "#about"]) {
            const page = await open(view);
            await page.emulateMedia({colorScheme: scheme});
            assert.deepEqual(await violations(page), [], `${view}, ${scheme}`);
            await page.close();
        }
    }
});

test("installable; after one visit the page opens and answers offline, and times its work",
     async () => {
    const page = await open();
    await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
    });
    const devtools = await browser.newCDPSession(page);
    const {installabilityErrors} = await devtools.send("Page.getInstallabilityErrors");
    assert.deepEqual(installabilityErrors, []);
    await page.close();
    await stop(site.server);
    try {
        await offlineVisit();
    } finally {
        site = await serve();
    }
});

async function offlineVisit()
{
    const offline = await browser.newPage();
    await offline.goto(site.url);
    await offline.waitForSelector("html[data-ready=true]");
    assert.ok((await offline.locator("#roz-name").textContent()).length > 0);
    await offline.locator("#roz").getByLabel("Date", {exact: true}).fill("20-08-2001");
    await offline.locator("#roz").getByLabel("Year").fill("2005");
    await offline.getByRole("button", {name: "Calculate Roz"}).click();
    assert.equal(await offline.locator("#roz-name").textContent(), "VAHISHTOIST");

    // The month redrawn with names, sunrise and sunset at a place.
    await offline.goto(site.url + "#calendar");
    await offline.waitForSelector("html[data-ready=true]");
    await offline.locator("#calendar").getByLabel("Place").selectOption("Mumbai");
    await offline.getByLabel("Names", {exact: true}).selectOption("gu");
    const redraws = [];
    for (let i = 0; i < 12; ++i) {
        await offline.getByRole("button", {name: "Next month"}).click();
        redraws.push(await offline.evaluate(() => window.dalvaneTimings.month));
    }
    const today = await offline.evaluate(() => window.dalvaneTimings.today);
    console.log(`# today's roz shown ${today.toFixed(1)} ms after opening from the cache; ` +
                `a month redrawn in ${Math.max(...redraws).toFixed(2)} ms at most`);
    assert.ok(today < 300, `today's roz after ${today} ms`);
    assert.ok(Math.max(...redraws) < 16, `a month redrawn in ${Math.max(...redraws)} ms`);
    await offline.locator("#calendar").getByLabel("Place").selectOption("");
    await offline.getByLabel("Names", {exact: true}).selectOption("en");
    await offline.close();
}

test("a new build replaces the old on the next visit, whole", async () => {
    const page = await open("#about");
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.close();
    // The next build of the same version: the page's own files with one text changed,
    // assembled as the build does.
    const pageSource = path.join(scratch, "page-two");
    cpSync(path.join(source, "web/page"), pageSource, {recursive: true});
    const index = path.join(pageSource, "index.html");
    writeFileSync(index, readFileSync(index, "utf8").replace("Copyright (C)", "Build two. Copyright (C)"));
    const assembled = path.join(scratch, "site-two");
    execFileSync("cmake", [`-DOUT=${assembled}`, `-DPAGE=${pageSource}`, `-DWASM_DIR=${built}`,
                           `-DVERSION=${(await loadCalendar()).version()}`, `-DICON=${path.join(source, "packaging/icons/dalvane.svg")}`,
                           "-DRSVG=rsvg-convert", "-P", path.join(source, "web/assemble.cmake")]);
    rmSync(served, {recursive: true});
    cpSync(assembled, served, {recursive: true});

    const next = await browser.newPage();
    await next.goto(site.url + "#about");
    await next.waitForFunction(() => document.body.textContent.includes("Build two."), null,
                               {timeout: 15000});
    // Every file the page runs is the new build's: its worker's cache holds nothing older.
    const caches = await next.evaluate(async () => (await caches.keys()));
    assert.equal(caches.length, 1);
    await next.close();
});
