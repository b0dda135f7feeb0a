#pragma once
// The small modal questions of the desktop editor: message boxes, the file
// prompts for charts and bitmaps, and "save the changes?"; and the texts of
// the messages about chart files.

#include "view/AppHost.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace loopora::app {

// The application's name, the title of its message boxes.
inline const QString kAppName = QStringLiteral("Loopora");

void showMessage(QWidget* parent, const QString& text);
// The extension of chart files, without its dot.
inline const QString kChartExtension = QStringLiteral("loopora");

std::optional<std::string> askChartToOpen(QWidget* parent);
// The suggestion is the chart's file, or the name of a new chart.
std::optional<std::string> askChartToSave(QWidget* parent, const QString& suggestion);
// The bitmap export's save prompt: the bmp filter, the default extension and
// the question before an existing file is overwritten.
std::optional<std::string> askBitmapToSave(QWidget* parent);
SaveChanges askSaveChanges(QWidget* parent, const QString& chartName);
// A question answered "Да" (true) or "Нет".
bool askYesNo(QWidget* parent, const QString& question);
// A save was refused for this reason: true when the user chose
// "Сохранить как…" over "Отмена".
bool offerSaveAs(QWidget* parent, const QString& reason);
// A recent file that has gone was chosen from the File menu.
QString recentFileGone(const QString& path);

} // namespace loopora::app
