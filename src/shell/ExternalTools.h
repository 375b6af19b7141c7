#pragma once

#include <QString>

// The product's online help page, opened by the toolbar's help button.
inline const QString OnlineHelpAddress = QStringLiteral(
    "https://www.kalmora.de/html-editor/hilfe/");

// Starts the command interpreter in a terminal window; returns the shell result code (above
// 32 on success). An empty program fails with "file not found".
int StartCommandInterpreter(const QString &program);
// The command interpreter the settings choose: the environment's, or the configured one.
QString CommandInterpreterProgram();
// Opens the online help page with the first browser, or with the desktop's browser.
void OpenOnlineHelp();
