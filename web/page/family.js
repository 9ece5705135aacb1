// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The family register in the browser: its people kept in IndexedDB as the entries of the family
// document, in the order they were added; the form, the people, what is coming, and the copies
// and calendar file. The core checks every entry, reads and writes every document, CSV and
// calendar file and says what falls when; this file keeps, lays out and downloads.

// ---- The store ---------------------------------------------------------------------------------

// One object store of the document's entry objects, under an auto-increment key: the key order is
// the order they were added, as the desktop's ids are.
const DATABASE = "dalvane", PEOPLE = "people";
let opened = null;

function database()
{
    opened ??= new Promise((resolve, reject) => {
        const request = indexedDB.open(DATABASE, 1);
        request.onupgradeneeded = () => request.result.createObjectStore(PEOPLE, {autoIncrement: true});
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
    });
    return opened;
}

// A transaction over the people, settled when it has been written (or failed whole).
async function transaction(mode, work)
{
    const db = await database();
    return new Promise((resolve, reject) => {
        const t = db.transaction(PEOPLE, mode);
        const result = work(t.objectStore(PEOPLE));
        t.oncomplete = () => resolve(result);
        t.onerror = t.onabort = () => reject(t.error);
    });
}

// Every person: [{id, entry}], in the order added.
export async function people()
{
    const db = await database();
    return new Promise((resolve, reject) => {
        const request = db.transaction(PEOPLE).objectStore(PEOPLE);
        const keys = request.getAllKeys(), values = request.getAll();
        values.onsuccess = () => resolve(values.result.map((entry, i) => ({id: keys.result[i], entry})));
        values.onerror = () => reject(values.error);
    });
}

// Entries added in one transaction: all of them, or none when any fails.
export function addPeople(entries)
{
    return transaction("readwrite", store => {
        for (const entry of entries)
            store.add(entry);
    });
}

export function replacePerson(id, entry)
{
    return transaction("readwrite", store => store.put(entry, id));
}

export function removePerson(id)
{
    return transaction("readwrite", store => store.delete(id));
}

// ---- The view ----------------------------------------------------------------------------------

let page;            // what app.js lends: the core, the helpers and the regional date order
let register = [];   // the people as last read: [{id, entry}]
let editing = null;  // the id of the person being edited, or null for a new one
let listed = [];     // the core's list of the register, one object a person, in order
let written = null;  // the register as the family document, written once a change

const fields = ["person", "date", "time", "place", "days", "months", "note"];

// The register as the family document, exactly as the desktop exports it.
function documentText()
{
    written ??= page.calendar.familyDocument(JSON.stringify(register.map(p => p.entry)));
    return written;
}

// Today as the ISO date the core counts from, by the reader's clock.
function todayIso()
{
    const t = page.today();
    return `${String(t.year).padStart(4, "0")}-${String(t.month).padStart(2, "0")}-` +
           `${String(t.day).padStart(2, "0")}`;
}

function download(text, type, name)
{
    const {element} = page;
    const link = element("a", {href: URL.createObjectURL(new Blob([text], {type})), download: name});
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

function say(message)
{
    page.$("family-status").textContent = message;
}

function ids(names)
{
    return names.map(name => "family-" + name);
}

function openForm(person)
{
    const {$, calendar, regional} = page;
    editing = person ? person.id : null;
    const e = person ? person.entry : {};
    $("family-form-title").textContent = person ? `Edit ${e.person}` : "Add person";
    $("family-person").value = e.person ?? "";
    $("family-kind").value = e.kind ?? "death";
    $("family-reckoning").value = e.calendar ?? "shahenshahi";
    if (e.date) {
        const [year, month, day] = e.date.split("-").map(Number);
        $("family-date").value = calendar.dateText(year, month, day, regional.order, regional.separator);
    } else {
        $("family-date").value = "";
    }
    $("family-before-dawn").checked = Boolean(e.before_dawn);
    $("family-time").value = e.time ?? "";
    $("family-place").value = e.place ?? "";
    $("family-days").value = e.days ? e.days.join(", ") : $("family-days").defaultValue;
    $("family-months").value = e.months ?? $("family-months").defaultValue;
    $("family-note").value = e.note ?? "";
    page.markFields(ids(fields), null);
    $("family-form-error").hidden = true;
    showDeathOnly();
    $("family-form").hidden = false;
    $("family-person").focus();
}

function closeForm()
{
    page.$("family-form").hidden = true;
    editing = null;
    page.$("family-add").focus();
}

// Days and months are kept for a death only.
function showDeathOnly()
{
    page.$("family-death-only").hidden = page.$("family-kind").value !== "death";
}

async function save()
{
    const {$, calendar, regional} = page;
    const death = $("family-kind").value === "death";
    const checked = calendar.familyCheck({
        person: $("family-person").value, kind: $("family-kind").value,
        date: $("family-date").value, order: regional.order, separator: regional.separator,
        beforeDawn: $("family-before-dawn").checked, time: $("family-time").value,
        place: $("family-place").value, calendar: $("family-reckoning").value,
        // Hidden for another kind, whose days and months the core sets itself: the form's own.
        days: death ? $("family-days").value : $("family-days").defaultValue,
        months: Number(death ? $("family-months").value : $("family-months").defaultValue),
        note: $("family-note").value});
    const formError = $("family-form-error");
    if (!checked.ok) {
        const field = fields.includes(checked.field) ? "family-" + checked.field : null;
        page.markFields(ids(fields), field, checked.message);
        formError.hidden = Boolean(field);
        formError.textContent = field ? "" : checked.message;
        (field ? $(field) : $("family-person")).focus();
        return;
    }
    page.markFields(ids(fields), null);
    formError.hidden = true;
    if (editing === null)
        await addPeople([checked.entry]);
    else
        await replacePerson(editing, checked.entry);
    requestPersistence();
    await refresh();
    closeForm();
}

// Asked once the register holds something worth keeping: a browser may otherwise clear it
// when the device runs short of room.
function requestPersistence()
{
    if (navigator.storage && navigator.storage.persist)
        navigator.storage.persisted().then(kept => kept || navigator.storage.persist()).catch(() => {});
}

// A kind's or a reckoning's words as the form's own choice says them.
function optionWords(select)
{
    return new Map([...page.$(select).options].map(o => [o.value, o.textContent]));
}

// One row a person; their Edit and Remove are answered by the table (changePerson), a thousand
// people being a thousand rows.
function drawPeople()
{
    const {$, element, longDate} = page;
    if (!register.length) {
        $("family-people").replaceChildren(
            element("p", {id: "family-empty"}, "No one yet: Add person, or open a copy."));
        return;
    }
    const kinds = optionWords("family-kind"), reckonings = optionWords("family-reckoning");
    const titles = ["Person", "Kind", "Date", "Roz", "Mah", "Reckoning", ""];
    const cell = (text, i) => element("td", {"data-label": titles[i]}, text);
    const change = (what, words, person) => element(
        "button", {type: "button", "data-change": what, "aria-label": `${words} ${person}`}, words);
    // A Gatha day has no mah: "-", as the desktop's tables write it.
    const rows = listed.map((p, i) => element(
        "tr", {"data-row": String(i)},
        element("th", {scope: "row"}, p.person), cell(kinds.get(p.kind) ?? p.kind, 1),
        cell(longDate(p.entered), 2), cell(`${p.name} (${p.roz})`, 3), cell(p.mah_name ?? "-", 4),
        cell(reckonings.get(p.calendar) ?? p.calendar, 5),
        element("td", {class: "actions"}, change("edit", "Edit", p.person),
                change("remove", "Remove", p.person))));
    $("family-people").replaceChildren(element(
        "table", {class: "reckonings observances", id: "family-people-table"},
        element("caption", {}, "The people"),
        element("thead", {}, element("tr", {}, ...titles.map(
                                          t => element("th", {scope: "col"}, t || element("span", {class: "unseen"}, "Change"))))),
        element("tbody", {}, ...rows)));
}

function changePerson(event)
{
    const button = event.target.closest("button[data-change]");
    if (!button)
        return;
    const row = Number(button.closest("tr").dataset.row);
    if (button.dataset.change === "edit")
        openForm(register[row]);
    else
        askToRemove(register[row].id, listed[row].person);
}

// What is coming in the next DAYS days, as the core lists it.
function coming(days)
{
    return page.calendar.familyUpcoming(documentText(), todayIso(), days);
}

function comingTable(upcoming, id, caption)
{
    const {element, longDate} = page;
    const titles = ["Date", "Person", "Observance", "Roz", "Mah", "YZ", "Note"];
    const cell = (text, i) => element("td", {"data-label": titles[i]}, text);
    const rows = upcoming.observances.map(o => element(
        "tr", {"data-date": o.date},
        element("th", {scope: "row"}, longDate(o.date)), cell(o.person, 1), cell(o.label, 2),
        cell(`${o.name} (${o.roz})`, 3), cell(o.mah_name ?? "-", 4), cell(String(o.yz_year), 5),
        cell(o.note ?? "", 6)));
    return element("table", {class: "reckonings observances", id},
                   element("caption", {}, caption),
                   element("thead", {}, element("tr", {}, ...titles.map(
                                                    t => element("th", {scope: "col"}, t)))),
                   element("tbody", {}, ...rows));
}

function drawComing()
{
    const {$, element} = page;
    const started = performance.now();
    const span = Number($("family-span").value);
    const upcoming = coming(span);
    window.dalvaneTimings.upcoming = performance.now() - started;
    const words = $("family-span").selectedOptions[0].textContent.toLowerCase();
    $("family-coming").replaceChildren(upcoming.observances.length
        ? comingTable(upcoming, "family-coming-table", `Coming up in the next ${words}`)
        : element("p", {}, `Nothing in the next ${words}.`));
}

// The opening screen's week: shown above today's roz when anything falls in it.
export function drawWeek()
{
    const {$} = page;
    if (!register.length) {
        $("coming-week").replaceChildren();
        return;
    }
    const week = coming(7);
    $("coming-week").replaceChildren(...(week.observances.length
        ? [comingTable(week, "coming-week-table", "Coming up in the next seven days")] : []));
}

export async function refresh()
{
    const started = performance.now();
    register = await people();
    written = null;
    listed = register.length ? page.calendar.familyList(documentText()) : [];
    drawPeople();
    drawComing();
    drawWeek();
    window.dalvaneTimings.family = performance.now() - started;
}

function askToRemove(id, person)
{
    const {$} = page;
    const dialog = $("family-remove-dialog");
    $("family-remove-question").textContent = `Remove ${person} from the register?`;
    dialog.returnValue = "";
    dialog.onclose = async () => {
        if (dialog.returnValue === "remove") {
            await removePerson(id);
            await refresh();
            say(`Removed ${person}.`);
        }
        $("family-add").focus();
    };
    dialog.showModal();
    $("family-remove-no").focus();
}

function documentFile()
{
    return new File([documentText()], "family.json", {type: "application/json"});
}

async function openCopy(input)
{
    const file = input.files[0];
    if (!file)
        return;
    const started = performance.now();
    const answer = page.calendar.familyOpen(documentText(), await file.text());
    input.value = "";
    if (!answer.ok) {
        say(answer.message);
        return;
    }
    await addPeople(answer.people);
    requestPersistence();
    await refresh();
    window.dalvaneTimings.import = performance.now() - started;
    say(answer.message);
}

export function startFamily(lent)
{
    page = lent;
    const {$, calendar, regional} = page;
    $("family-date-hint").textContent = calendar.dateHint(regional.order);
    for (const place of calendar.places())
        $("family-places").append(page.element("option", {value: place.name}));
    $("family-add").addEventListener("click", () => openForm(null));
    $("family-people").addEventListener("click", changePerson);
    $("family-cancel").addEventListener("click", closeForm);
    $("family-kind").addEventListener("change", showDeathOnly);
    $("family-form").addEventListener("submit", event => {
        event.preventDefault();
        save();
    });
    $("family-span").addEventListener("change", drawComing);
    $("family-save-copy").addEventListener("click", () => {
        download(documentText(), "application/json", "family.json");
    });
    const share = $("family-share");
    share.hidden = !(navigator.canShare && navigator.canShare({files: [documentFile()]}));
    share.addEventListener("click", () => {
        navigator.share({files: [documentFile()], title: "Family register"}).catch(() => {});
    });
    $("family-calendar").addEventListener("click", () => {
        download(calendar.familyCalendar(documentText(), todayIso(), 365, 1,
                                         Math.floor(Date.now() / 1000)),
                 "text/calendar", "family.ics");
    });
    $("family-open").addEventListener("change", event => openCopy(event.target));
    return refresh();
}
