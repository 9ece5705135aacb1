// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page at a phone's and a desktop's width, light and dark, into the folder given: the
// worked example, a bad date, the Calendar in Gujarati with the sun at Mumbai and in Persian, the
// Schedule of the worked example, the Family view with four people and a bad entry, Help and
// About, and the month printed to PDF as the browser prints it.
import {spawn} from "node:child_process";
import {mkdirSync, mkdtempSync, rmSync} from "node:fs";
import {createRequire} from "node:module";
import os from "node:os";
import path from "node:path";
import {page as built, source} from "./module.mjs";

const shots = path.resolve(process.argv[2] || path.join(source, "shots/web"));
mkdirSync(shots, {recursive: true});
const modules = process.env.DALVANE_NODE_MODULES || path.join(source, "build/web-tests/node_modules");
const {chromium} = createRequire(path.join(modules, "noop.js"))("playwright-core");

const server = spawn("python3", ["-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
                                 "--directory", built], {stdio: ["ignore", "pipe", "inherit"]});
const url = await new Promise(resolve => server.stdout.on("data", data => {
    const port = /port (\d+)/.exec(String(data));
    if (port)
        resolve(`http://127.0.0.1:${port[1]}/`);
}));
const profile = mkdtempSync(path.join(os.tmpdir(), "dalvane-shots-"));
const browser = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.DALVANE_CHROMIUM || "/usr/bin/chromium", headless: true,
    locale: "en-GB", timezoneId: "Asia/Kolkata",
    args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking",
           "--disable-component-update", "--no-first-run", "--disable-sync"]});

async function shoot(name, width, scheme, hash, act = async () => {})
{
    const page = await browser.newPage();
    await page.setViewportSize({width, height: width < 800 ? 780 : 900});
    await page.emulateMedia({colorScheme: scheme});
    await page.goto(url + hash);
    await page.waitForSelector("html[data-ready=true]");
    await act(page);
    await page.screenshot({path: path.join(shots, `${name}-${width}-${scheme}.png`), fullPage: true});
    return page;
}

const example = async page => {
    const roz = page.locator("#roz");
    await roz.getByLabel("Date", {exact: true}).fill("20-08-2001");
    await roz.getByLabel("Year").fill("2005");
    await roz.getByRole("button", {name: "Calculate Roz"}).click();
};
// The family the Family view shows, opened as a spreadsheet's list, in a profile of its own.
const family = "person,kind,date,before_dawn,note\n" +
    "Dinshaw Mehta,death,2001-08-20,,\n" +
    "Piroja Mehta,death,2019-03-02,true,Her varsi at the agiary\n" +
    "Roshan Irani,birth,1990-02-14,,\n" +
    "Jamshed and Shirin,wedding,2012-03-21,,\n";
for (const width of [360, 1280]) {
    for (const scheme of ["light", "dark"]) {
        await (await shoot("roz-example", width, scheme, "#roz", example)).close();
        await (await shoot("calendar-gujarati-mumbai", width, scheme, "#calendar", async page => {
            await page.locator("#calendar").getByLabel("Place").selectOption("Mumbai");
            await page.getByLabel("Names", {exact: true}).selectOption("gu");
        })).close();
    }
    await (await shoot("roz-bad-date", width, "light", "#roz", async page => {
        await page.locator("#roz").getByLabel("Date", {exact: true}).fill("32-08-2001");
        await page.getByRole("button", {name: "Calculate Roz"}).click();
    })).close();
    await (await shoot("calendar-persian", width, "light", "#calendar", async page => {
        await page.locator("#calendar").getByLabel("Place").selectOption("");
        await page.getByLabel("Names", {exact: true}).selectOption("fa");
    })).close();
    await (await shoot("schedule", width, "dark", "#schedule", async page => {
        const form = page.locator("#schedule");
        await form.getByLabel("Date", {exact: true}).fill("20-08-2001");
        await form.getByLabel("Name").fill("Dinshaw Mehta");
    })).close();
    for (const scheme of ["light", "dark"]) {
        await (await shoot("family", width, scheme, "#family", async page => {
            await page.getByLabel("Open a copy").setInputFiles({
                name: "family.csv", mimeType: "text/csv", buffer: Buffer.from(family)});
            await page.waitForFunction(() => document.getElementById("family-status").textContent);
            await page.getByRole("button", {name: "Add person"}).click();
            await page.locator("#family-form").getByLabel("Date", {exact: true}).fill("32-08-2001");
            await page.getByRole("button", {name: "Save", exact: true}).click();
        })).close();
    }
    for (const view of ["help", "about"])
        await (await shoot(view, width, "light", "#" + view)).close();
}
const print = await shoot("calendar-print", 1280, "light", "#calendar", async page => {
    await page.getByLabel("Names", {exact: true}).selectOption("en");
});
await print.pdf({path: path.join(shots, "calendar-print.pdf"), landscape: true, format: "A4"});
await browser.close();
server.kill();
rmSync(profile, {recursive: true, force: true});
console.log(`The page's screenshots are in ${shots}`);
