#pragma once
// What the application needs from the desktop (or from the script runner)
// beyond each chart's own window: windows for new charts, file prompts, the
// new-chart dialog that comes before any window, and the main window's own
// commands (about box, palettes, window arrangement, printing).

#include "view/ViewHost.h"

#include <optional>
#include <string>

namespace loopora {

class CPattraDoc;
class CPattraView;
class DialogModel;
class PatternDialogModel;

enum class ExportOutcome {
    Written,
    CannotOpen,  // the file could not be written, and what was there stays; the error says why
    OutOfMemory, // the picture could not be held in memory
    WriteFailed, // writing stopped part way; the error says why
};

// Writes a chart's sheet as a picture file; the desktop and the script runner
// give the application the bitmap writer.
class ChartExporter {
public:
    virtual ~ChartExporter() = default;
    virtual ExportOutcome exportChart(CPattraDoc& doc, const std::string& path, std::string& error) = 0;
};

// The print-quality formats a chart is exported to from the File menu.
enum class DrawingFormat { Pdf, Svg, Png };

// The answer to "save the changes?" when a modified chart is about to close.
enum class SaveChanges { Save, Discard, Cancel };

class AppHost {
public:
    virtual ~AppHost() = default;

    // A window for a new chart, captioned with the chart's name; the chart's
    // view talks to it from then on.
    virtual ViewHost& openChartWindow(const std::string& caption) = 0;
    virtual void closeChartWindow(ViewHost& window) = 0;
    // The active chart changed (a window opened, closed or was chosen).
    virtual void activeChartChanged() {}

    virtual bool runDialog(DialogModel& dialog) = 0;
    // The dialog that builds a chart from written instructions; true when
    // the user confirmed a text that builds (the model holds its chart).
    // Hosts with nobody to ask cancel it.
    virtual bool runPatternDialog(PatternDialogModel& dialog)
    {
        (void)dialog;
        return false;
    }
    virtual std::optional<std::string> askOpenFileName() = 0;
    // A file to save a chart to; the suggestion is the chart's file, or the
    // name of a chart that has none yet.
    virtual std::optional<std::string> askSaveFileName(const std::string& suggestion) = 0;
    virtual void messageBox(const std::string& text) = 0;
    // A modified chart is about to close (its window, or the program). Hosts
    // with nobody to ask, like the script runner, let it go unsaved.
    virtual SaveChanges askSaveChanges(const std::string& chartName)
    {
        (void)chartName;
        return SaveChanges::Discard;
    }
    // A question the user answers yes (true) or no. Hosts with nobody to
    // ask, like the script runner, answer no.
    virtual bool confirm(const std::string& question)
    {
        (void)question;
        return false;
    }
    // A chart asked to be opened again is open in this window: it comes to
    // the front (it is the active chart already).
    virtual void raiseChartWindow(ViewHost& window) { (void)window; }
    // A save was refused for the reason given; true when the user chose to
    // save the chart under another name instead.
    virtual bool offerSaveAs(const std::string& reason)
    {
        messageBox(reason);
        return false;
    }
    // A chart file was opened or saved: the desktop remembers recent files.
    virtual void chartFileUsed(const std::string& path) { (void)path; }
    // A chart was saved under another name: its window's caption follows.
    virtual void chartRenamed(ViewHost& window, const std::string& caption)
    {
        (void)window;
        (void)caption;
    }

    virtual void showAbout() {}
    virtual void togglePalette(uint16_t) {}
    virtual void arrangeWindows(uint16_t) {}
    virtual void print(CPattraView&) {}
    virtual void printPreview(CPattraView&) {}
    // Asks where and how, then writes the chart; the suggestion names the
    // chart as askSaveFileName's does.
    virtual void exportDrawing(CPattraView& view, DrawingFormat format, const std::string& suggestion)
    {
        (void)view;
        (void)format;
        (void)suggestion;
    }
    virtual void exit() {}
};

} // namespace loopora
