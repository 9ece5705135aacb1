// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The page: reads the fields, asks the calendar (the program's own core, in WebAssembly) and
// lays out what it answers. Every date, roz, name, sunrise and message comes from the core;
// this file only places them, remembers the choices and moves between the views.
import Dalvane from "./dalvane.mjs";
import {startFamily} from "./family.js";

const $ = id => document.getElementById(id);
const language = navigator.language || "en-GB";
const stored = (key, fallback) => localStorage.getItem("dalvane." + key) ?? fallback;
const store = (key, value) => localStorage.setItem("dalvane." + key, value);

// The regional date order and separator, as the browser writes a short date: the order in
// which it puts day, month and year (1 day first, 2 month first, 3 year first).
function regionalDates()
{
    const parts = new Intl.DateTimeFormat(language, {year: "numeric", month: "2-digit",
                                                     day: "2-digit", timeZone: "UTC"})
        .formatToParts(new Date(Date.UTC(2001, 7, 20)));
    const fields = parts.filter(p => p.type === "day" || p.type === "month" || p.type === "year")
        .map(p => p.type[0]).join("");
    const literal = parts.find(p => p.type === "literal");
    return {order: fields === "dmy" ? 1 : fields === "mdy" ? 2 : 3,
            separator: literal ? literal.value.trimEnd() || literal.value : "/"};
}

// The first day of the week where the reader lives, 0 Sunday to 6 Saturday.
function weekStart()
{
    try {
        const locale = new Intl.Locale(language);
        const info = locale.getWeekInfo ? locale.getWeekInfo() : locale.weekInfo;
        if (info && info.firstDay)
            return info.firstDay % 7;
    } catch (e) {
        // No week data in this browser: the week of ISO 8601.
    }
    return 1;
}

// Today as the reader's clock has it.
function today()
{
    const now = new Date();
    return {year: now.getFullYear(), month: now.getMonth() + 1, day: now.getDate()};
}

// A date of the core (ISO) in the reader's own long form, as the window writes the regional
// long date; the core gives the date, the browser only its words. One formatter for them all:
// making one costs far more than using it, and a register's view writes a thousand.
let fullDate = null;
function longDate(iso)
{
    const [year, month, day] = iso.split("-").map(Number);
    const date = new Date(0);
    date.setUTCFullYear(year, month - 1, day);
    fullDate ??= new Intl.DateTimeFormat(language, {dateStyle: "full", timeZone: "UTC"});
    return fullDate.format(date);
}

function element(tag, attributes = {}, ...children)
{
    const node = document.createElement(tag);
    for (const [key, value] of Object.entries(attributes))
        if (value !== undefined && value !== null)
            node.setAttribute(key, value);
    node.append(...children.filter(c => c !== undefined && c !== null));
    return node;
}

const scripts = {en: {}, gu: {lang: "gu"}, fa: {lang: "fa", dir: "rtl"}};
function named(text, script, tag = "span")
{
    return element(tag, {...scripts[script], class: script === "en" ? null : "script"}, text);
}

let calendar;
const regional = regionalDates();

// ---- Roz ---------------------------------------------------------------------------------------

function showProblem(field, message)
{
    for (const id of ["date", "year"]) {
        const input = $(id), error = $(id + "-error");
        const bad = id === field;
        error.hidden = !bad;
        error.textContent = bad ? message : "";
        input.setAttribute("aria-invalid", bad ? "true" : "false");
        const described = [id === "date" ? "date-hint" : null, bad ? id + "-error" : null]
            .filter(Boolean).join(" ");
        if (described)
            input.setAttribute("aria-describedby", described);
        else
            input.removeAttribute("aria-describedby");
    }
}

function reckoningTitle(key)
{
    return key[0].toUpperCase() + key.slice(1);
}

function showAnswer(a)
{
    const answer = $("answer");
    answer.replaceChildren();
    const same = a.same_roz_date ? longDate(a.same_roz_date) : a.same_roz_text;
    answer.append(
        element("p", {class: "sentence", id: "sentence"}, "For the English Date ",
                element("strong", {id: "entered"}, a.entered_text),
                " that you have entered, the Zoroastrian Roz is ",
                element("strong", {id: "roz-name"}, a.name), " and is ",
                element("em", {id: "meaning"}, a.meaning), " and in the year ",
                element("strong", {}, a.year), " it falls on ",
                element("strong", {id: "same-roz"}, same), "."));
    const rows = a.reckonings.map(r => element(
        "tr", {}, element("th", {scope: "row"}, reckoningTitle(r.calendar)),
        element("td", {}, `${r.name} (${r.roz})`),
        element("td", {}, r.mah_name ?? "No mah (Gatha days)"), element("td", {}, String(r.yz_year))));
    answer.append(element("table", {class: "reckonings"},
                          element("caption", {}, "The roz in the three reckonings"),
                          element("thead", {}, element("tr", {}, element("th", {scope: "col"}, "Reckoning"),
                                                       element("th", {scope: "col"}, "Roz"),
                                                       element("th", {scope: "col"}, "Mah"),
                                                       element("th", {scope: "col"}, "YZ"))),
                          element("tbody", {}, ...rows)));
    if (a.place) {
        const line = a.time
            ? `${a.time} in ${a.gah} Gah, ${a.before_sunrise ? "before" : "after"} sunrise at ` +
                  `${a.place.name} (${a.sunrise}): the roz of the day${a.before_sunrise ? " before" : ""}`
            : `Sunrise ${a.sunrise}, sunset ${a.sunset} at ${a.place.name}`;
        answer.append(element("p", {class: "sun"}, line));
    }
}

function calculate()
{
    const time = $("time").value;
    const place = $("place").value;
    const question = {date: $("date").value, order: regional.order, separator: regional.separator,
                      year: $("year").value, beforeDawn: $("before-dawn").checked,
                      calendar: "shahenshahi"};
    if (place) {
        question.place = place;
        if (time) {
            const [hour, minute] = time.split(":");
            question.hour = Number(hour);
            question.minute = Number(minute);
        }
    }
    const a = calendar.calculate(question);
    if (!a.ok) {
        showProblem(a.field, a.message);
        $("answer").replaceChildren();
        $(a.field).focus();
        return;
    }
    showProblem(null);
    showAnswer(a);
}

function todaysRoz()
{
    const t = today();
    $("date").value = calendar.dateText(t.year, t.month, t.day, regional.order, regional.separator);
    $("year").value = String(t.year);
    $("before-dawn").checked = false;
    calculate();
}

// ---- Schedule ----------------------------------------------------------------------------------

let scheduled = null;

// A field's problem beside it, the others of the form cleared.
function markFields(ids, field, message)
{
    for (const id of ids) {
        const input = $(id), error = $(id + "-error");
        const bad = id === field;
        error.hidden = !bad;
        error.textContent = bad ? message : "";
        input.setAttribute("aria-invalid", bad ? "true" : "false");
        const hint = $(id + "-hint");
        const described = [hint ? hint.id : null, bad ? error.id : null].filter(Boolean).join(" ");
        if (described)
            input.setAttribute("aria-describedby", described);
        else
            input.removeAttribute("aria-describedby");
    }
}

function drawSchedule()
{
    const years = $("schedule-years").valueAsNumber, months = $("schedule-months").valueAsNumber;
    const a = calendar.schedule({
        date: $("schedule-date").value, order: regional.order, separator: regional.separator,
        beforeDawn: $("schedule-before-dawn").checked, calendar: $("schedule-reckoning").value,
        names: $("names").value, name: $("schedule-name").value, from: $("schedule-from").value,
        years: Number.isFinite(years) ? years : 10, months: Number.isFinite(months) ? months : 0,
        days: $("schedule-days").value, remind: 2, stamp: Math.floor(Date.now() / 1000)});
    const fields = ["schedule-date", "schedule-from", "schedule-days"];
    scheduled = a.ok ? a : null;
    if (!a.ok) {
        markFields(fields, "schedule-" + a.field, a.message);
        $("schedule-answer").replaceChildren();
        return;
    }
    markFields(fields, null);
    const titles = ["Observance", "Date", "Roz", "Mah", "YZ", "Note"];
    const cell = (text, i) => element("td", {"data-label": titles[i]}, text);
    const rows = a.observances.map(o => element(
        "tr", {}, element("th", {scope: "row"}, o.label), cell(longDate(o.date), 1),
        cell(o.roz, 2), cell(o.mah, 3), cell(String(o.yz_year), 4), cell(o.note, 5)));
    $("schedule-answer").replaceChildren(
        element("p", {class: "sentence", id: "schedule-heading"}, a.heading,
                element("br"), element("em", {}, a.meaning)),
        element("table", {class: "reckonings observances"},
                element("caption", {}, "Observances"),
                element("thead", {}, element("tr", {}, ...titles.map(
                                                 t => element("th", {scope: "col"}, t)))),
                element("tbody", {}, ...rows)));
}

// The calendar file, as dalvane-cli schedule --ics writes it, handed to the phone to open.
function addToCalendar()
{
    drawSchedule();
    if (!scheduled)
        return;
    const link = element("a", {href: URL.createObjectURL(new Blob([scheduled.ics],
                                                                 {type: "text/calendar"})),
                               download: (scheduled.person || "dalvane") + ".ics"});
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

// ---- Calendar ----------------------------------------------------------------------------------

const shown = {year: today().year, month: today().month};
const weekdayNames = ["Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"];

function drawMonth()
{
    const started = performance.now();
    const names = $("names").value, place = $("calendar-place").value;
    const start = weekStart();
    const m = calendar.month({year: shown.year, month: shown.month, calendar: $("reckoning").value,
                              names, week_start: start, place: place || undefined,
                              zone: Intl.DateTimeFormat().resolvedOptions().timeZone || "UTC"});
    const title = new Intl.DateTimeFormat(language, {year: "numeric", month: "long",
                                                      timeZone: "UTC"});
    const first = new Date(0);
    first.setUTCFullYear(shown.year, shown.month - 1, 1);
    $("month-title").textContent = title.format(first);
    $("month-mahs").replaceChildren(
        "Mah ", ...m.mahs.flatMap((name, i) => [i ? ", " : "", named(name, name === "Gatha days" ? "en" : names)]),
        `; YZ ${m.yz_years.join(", ")}; ${reckoningTitle($("reckoning").value)}`);

    // In Persian the week runs from right to left, as Persian calendars print it.
    const grid = element("div", {class: "grid", role: "grid", dir: names === "fa" ? "rtl" : null,
                                 "aria-label": $("month-title").textContent});
    const head = element("div", {role: "row", class: "weekdays"});
    for (let i = 0; i < 7; ++i)
        head.append(element("div", {role: "columnheader"}, weekdayNames[(start + i) % 7]));
    grid.append(head);
    let row = element("div", {role: "row", class: "week"});
    for (let i = 0; i < m.blanks; ++i)
        row.append(element("div", {role: "gridcell", class: "blank"}));
    let filled = m.blanks;
    for (const cell of m.cells) {
        const box = element("div", {role: "gridcell", class: "day" + (cell.mah_begins ? " mah-begins" : "") +
                                                             (cell.festivals.length ? " festival" : ""),
                                    "data-date": cell.date},
                            element("span", {class: "number"}, String(cell.day)),
                            element("span", {class: "roz"}, String(cell.roz)),
                            named(cell.name, names, "span"));
        if (cell.festivals.length)
            box.append(element("span", {class: "feast"}, cell.festivals.join(", ")));
        if (cell.sunrise)
            box.append(element("span", {class: "sun"}, `${cell.sunrise}–${cell.sunset}`));
        for (const phase of m.moon.filter(p => p.day === cell.day))
            box.append(element("span", {class: "phase", "data-phase": phase.phase},
                               `${phase.name} ${phase.time}`));
        row.append(box);
        if (++filled % 7 === 0) {
            grid.append(row);
            row = element("div", {role: "row", class: "week"});
        }
    }
    if (row.childNodes.length) {
        while (row.childNodes.length < 7)
            row.append(element("div", {role: "gridcell", class: "blank"}));
        grid.append(row);
    }
    $("month").replaceChildren(grid);

    const festivals = m.cells.filter(c => c.festivals.length)
        .map(c => element("li", {}, `${c.day}: ${c.festivals.join(", ")}`));
    $("month-festivals").replaceChildren(...festivals);
    $("month-moon").replaceChildren(
        ...m.moon.map(p => element("li", {}, `${p.name}: ${p.day}, ${p.time}`)));
    $("previous-month").disabled = !m.previous;
    $("next-month").disabled = !m.next;
    shown.previous = m.previous;
    shown.next = m.next;
    window.dalvaneTimings.month = performance.now() - started;
}

function step(to)
{
    if (!to)
        return;
    shown.year = to.year;
    shown.month = to.month;
    drawMonth();
}

// ---- Views -------------------------------------------------------------------------------------

function showView()
{
    const view = (location.hash || "#roz").slice(1);
    for (const section of document.querySelectorAll("main > section"))
        section.hidden = section.id !== view;
    for (const link of document.querySelectorAll("nav a"))
        if (link.dataset.view === view)
            link.setAttribute("aria-current", "page");
        else
            link.removeAttribute("aria-current");
    if (view === "calendar")
        drawMonth();
}

function fillPlaces()
{
    for (const id of ["place", "calendar-place"]) {
        const select = $(id);
        for (const place of calendar.places())
            select.append(element("option", {value: place.name}, place.name));
    }
}

function remember(id, key)
{
    const input = $(id);
    input.value = stored(key, input.value);
    input.addEventListener("change", () => store(key, input.value));
}

async function start()
{
    window.dalvaneTimings = {};
    calendar = await Dalvane();
    fillPlaces();
    const hint = calendar.dateHint(regional.order);
    $("date-hint").textContent = hint;
    $("schedule-date-hint").textContent = hint;
    for (const node of document.querySelectorAll(".version"))
        node.textContent = calendar.version();
    for (const [id, key] of [["reckoning", "reckoning"], ["names", "names"],
                             ["calendar-place", "calendar.place"], ["place", "place"]])
        remember(id, key);
    $("schedule-from").value = String(today().year);
    for (const id of ["schedule-date", "schedule-before-dawn", "schedule-name", "schedule-reckoning",
                      "schedule-from", "schedule-years", "schedule-months", "schedule-days"])
        $(id).addEventListener("input", () => $("schedule-date").value && drawSchedule());
    $("schedule-reckoning").addEventListener("change", () => $("schedule-date").value && drawSchedule());
    $("add-to-calendar").addEventListener("click", addToCalendar);

    $("roz-form").addEventListener("submit", event => {
        event.preventDefault();
        calculate();
    });
    $("today").addEventListener("click", todaysRoz);
    // With a time and a place the sun decides, and the tick gives way, as in the Schedule window.
    const tickGivesWay = () => {
        $("before-dawn").disabled = Boolean($("time").value && $("place").value);
    };
    $("time").addEventListener("input", tickGivesWay);
    $("place").addEventListener("change", tickGivesWay);
    $("date-picker").addEventListener("change", event => {
        const [year, month, day] = event.target.value.split("-").map(Number);
        if (year)
            $("date").value = calendar.dateText(year, month, day, regional.order, regional.separator);
    });
    for (const id of ["reckoning", "names", "calendar-place"])
        $(id).addEventListener("change", drawMonth);
    $("previous-month").addEventListener("click", () => step(shown.previous));
    $("next-month").addEventListener("click", () => step(shown.next));
    $("print-month").addEventListener("click", () => window.print());
    window.addEventListener("hashchange", showView);

    todaysRoz();
    window.dalvaneTimings.today = performance.now();
    await startFamily({calendar, $, element, longDate, markFields, regional, today});
    document.documentElement.dataset.ready = "true";
    showView();

    if ("serviceWorker" in navigator) {
        // A new build's worker takes over once it holds all of its files: the page then loads
        // again, whole from the new build, rather than go on with the old one's.
        const hadController = Boolean(navigator.serviceWorker.controller);
        navigator.serviceWorker.addEventListener("controllerchange", () => {
            if (hadController)
                location.reload();
        });
        navigator.serviceWorker.register("sw.js").catch(() => {});
    }
}

start();
