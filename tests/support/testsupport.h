// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/registry.h"
#include "platform/windowservices.h"
#include "tables.h"

#include <QDialog>
#include <QPrinter>
#include <QSet>
#include <QTest>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>

// Window services that show nothing and remember everything, on a clock at 21 August 2001 in
// London.
struct RecordingServices : WindowServices
{
    void ShowWarning(QWidget *, const QString &prompt) override { warnings << prompt; }
    void ShowMessage(QWidget *, const QString &prompt) override { messages << prompt; }
    // Every question is answered with `confirm`.
    bool Confirm(QWidget *, const QString &question) override
    {
        questions << question;
        return confirm;
    }
    void RepaintNow(QWidget *) override {}
    void ShowModal(QDialog *window) override
    {
        modal << window;
        onModal();
    }
    void EndProgram() override { ++ends; }
    void StartProgram(const QString &path) override
    {
        starts << path;
        if (!programs.contains(path))
            throw std::runtime_error("no program there");
    }
    QString FileTest(const QString &path) override
    {
        return files.contains(path) ? path.section(u'\\', -1) : QString();
    }
    CalendarDate Today() override { return *CalendarDate::fromYmd(2001, 8, 21); }
    QByteArray SystemTimeZoneId() override { return zone; }
    // The save dialog answers savePath; the print dialog chooses a PDF at printPath.
    QString SaveFileName(QWidget *, const QString &, const QString &suggested,
                         const QString &) override
    {
        suggestions << suggested;
        return savePath;
    }
    bool ChoosePrinter(QWidget *, QPrinter *printer) override
    {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(printPath);
        return true;
    }

    QSet<QString> files, programs;
    QStringList warnings, messages, questions, starts, suggestions;
    QString savePath, printPath;
    QByteArray zone = "Europe/London";
    QList<QDialog *> modal;
    int ends = 0;
    bool confirm = true;
    std::function<void()> onModal = [] {};
};

// A registry that holds exactly the values a test stores, by "key\value name", and returns
// their bytes as advapi32 does.
struct FakeRegistry final : Registry
{
    struct Value
    {
        std::string bytes; // as stored, a final NUL included if any
        std::uint32_t type = REG_SZ;
        std::optional<std::uint32_t> sizeOut = {}; // the size reported, if not the bytes' count
    };
    std::int32_t RegOpenKeyExA(std::uint32_t root, const char *key, std::uint32_t,
                               std::uint32_t mask, Handle *result) override
    {
        lastMask = mask;
        const auto found = values.lower_bound(key + std::string("\\"));
        if (root != HKEY_LOCAL_MACHINE || found == values.end() || !found->first.starts_with(key))
            return ERROR_FILE_NOT_FOUND;
        open[ *result = open.size() + 1] = key;
        return ERROR_SUCCESS;
    }
    std::int32_t RegQueryValueExA(Handle key, const char *name, std::uint32_t *,
                                  std::uint32_t *type, std::uint8_t *data,
                                  std::uint32_t *size) override
    {
        lastSizeIn = *size;
        const auto found = values.find(open.at(key) + '\\' + name);
        if (found == values.end() || found->second.bytes.size() > *size)
            return ERROR_MORE_DATA;
        *type = found->second.type;
        *size = found->second.sizeOut.value_or(found->second.bytes.size());
        std::memcpy(data, found->second.bytes.data(), found->second.bytes.size());
        return ERROR_SUCCESS;
    }
    std::int32_t RegCloseKey(Handle key) override { return !open.erase(key); }

    std::map<std::string, Value> values;
    std::map<Handle, std::string> open; // the keys not yet closed
    std::uint32_t lastMask = 0, lastSizeIn = 0;
};
