#pragma once
// Printing a chart: the print dialog, then the whole sheet, drawn by the core
// as the bitmap export draws it, scaled to fit the page and centred. Printing
// to a PDF file is one of the dialog's choices.

class QPrinter;
class QWidget;

namespace loopora {
class CPattraDoc;
}

namespace loopora::app {

void printSheet(CPattraDoc& doc, QPrinter& printer);
// False when the dialog was cancelled.
bool printChart(CPattraDoc& doc, QWidget* parent);

} // namespace loopora::app
