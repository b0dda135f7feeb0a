#pragma once
// Printing a chart: the print dialog, then the whole sheet as the shapes the
// PDF export draws, at the printer's resolution, scaled to fit the page and
// centred; and the print preview of the same pages. Printing to a PDF file is
// one of the dialog's choices; that file is written whole or not at all, and
// a failure is told as export and save tell theirs.

#include <QString>

class QPrinter;
class QWidget;

namespace loopora {
class CPattraDoc;
}

namespace loopora::app {

// False, with what went wrong in error, when nothing could be printed.
bool printSheet(const CPattraDoc& doc, QPrinter& printer, QString& error);
// False when the dialog was cancelled or printing failed (after saying why).
bool printChart(const CPattraDoc& doc, QWidget* parent);
// The preview of the printed page, from which the user may print it.
void previewChart(const CPattraDoc& doc, QWidget* parent);

} // namespace loopora::app
