// SPDX-FileCopyrightText: 2026 The Dalvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;
class Registry;
class WindowServices;

// The program's name and version, its emblem, the notice of rights and the System Info command,
// which finds the operating system's system-information program in the registry and starts it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    frmAbout(WindowServices &services, Registry &registry, QWidget *parent = nullptr);
    ~frmAbout() override;

    // Starts the system-information program, or tells the user it is unavailable. Never fails.
    void StartSysInfo();
    // Reads a registry value into `KeyVal`; true when it was read. Errors pass to the caller.
    bool GetKeyValue(std::uint32_t KeyRoot, const QString &KeyName, const QString &SubKeyRef,
                     QString &KeyVal);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void createConnections();

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    WindowServices &m_services;
    Registry &m_registry;

    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Picture2 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;
};
