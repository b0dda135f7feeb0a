#pragma once
// The application without its windows: the open charts with their documents
// and views, the active chart, the size remembered from the last new chart,
// and the routing of every command id to the application, the active
// document or the active view. The desktop editor and the script runner run
// the same code on different hosts.

#include "document/Document.h"
#include "platform/FileStatus.h"
#include "view/AppHost.h"
#include "view/ChartView.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace loopora {

struct ChartSession {
    std::unique_ptr<CPattraDoc> document;
    ViewHost* window = nullptr;
    std::unique_ptr<CPattraView> view;
    std::string path;         // empty until the chart is saved or opened from a file
    std::string untitledName; // what a new chart is called until it has a file: "Схема1", "Схема2", ...
    // The file as it was when the chart was read from it or last written to
    // it, to tell whether another program changed it since.
    std::optional<FileStamp> stamp;
};

class CPattraApp {
public:
    // The painter draws the charts' windows at every zoom but 100 %; without
    // one they show the charts' bitmaps enlarged or reduced.
    CPattraApp(AppHost& host, ChartExporter& exporter, ChartPainter* painter = nullptr);
    ~CPattraApp();
    CPattraApp(const CPattraApp&) = delete;
    CPattraApp& operator=(const CPattraApp&) = delete;

    // Start-up, called once by the main window when it starts: without a
    // file a new chart (false when its dialog is cancelled: the program
    // ends); with one, that chart (false when it cannot be opened, after
    // saying why).
    bool InitInstance(const std::vector<std::string>& files);

    // New chart through the chart parameters dialog; false when cancelled.
    bool newChart();
    // A chart built from written instructions through their dialog, opened
    // as openMadeChart opens it; false when cancelled.
    bool chartFromPattern();
    // New chart with these parameters, as if the dialog was confirmed with them.
    bool newChart(int width, int height, int background, int spacing);
    // Opens a chart in a new window; a file that cannot be read is reported
    // (error, or a message box when error is null) and opens nothing. A
    // chart already open, through whatever name or link, is not read again:
    // its window comes to the front.
    bool openChart(const std::string& path, std::string* error = nullptr);
    // Saves the active chart to its file, asking for one when it has none.
    bool saveChart();
    // Saves the active chart to a file the user chooses, which becomes its file.
    bool saveChartAs();
    // Nothing is written over the file of a chart open in another window,
    // nor over a write-protected file (the desktop offers another name).
    // The chart's own file changed by another program since it was read or
    // written, and labels that would lose characters to the file's code
    // page, ask first; without a yes nothing is written. With error given
    // the refusal is put there instead of into a message box.
    bool saveChartAs(const std::string& path, std::string* error = nullptr);
    // Closes a chart without asking; closing any chart empties the element clipboard.
    void closeChart(size_t index);
    void closeAll();

    // --- Unsaved changes ---
    bool isModified(size_t index) const;
    // What a chart is called in its window's caption and when the user is
    // asked about it: its file's name, or before it has a file the
    // document's default name numbered in the order new charts were made.
    std::string chartName(size_t index) const;
    // Before a modified chart closes, makes it active and asks whether to
    // save it (saving when told to); true when it may close: it was not
    // modified, it was saved, or its changes were discarded.
    bool queryClose(size_t index);
    // queryClose for every open chart, stopping at the first that stays.
    bool queryCloseAll();
    // Closes a chart once queryClose let it; false when it stays open.
    bool requestClose(size_t index);
    // Writes the active chart's sheet as a bitmap, asking for the file name.
    void exportBitmap();
    bool exportBitmap(const std::string& path);
    // Hands the active chart to the host's print-quality export.
    void exportDrawing(DrawingFormat format);

    size_t chartCount() const { return charts_.size(); }
    ChartSession& chart(size_t index) { return *charts_[index]; }
    ChartSession* active();
    CPattraView* activeView();
    void activate(size_t index);
    size_t activeIndex() const { return active_; }

    // A command from a menu, palette, accelerator or context menu: handled by
    // the application, the active chart's document, or its view. False when
    // nothing handled it (or no chart is open for a chart command).
    bool onCommand(uint16_t id);
    bool isCommandChecked(uint16_t id) const;

    Size rememberedSize() const { return rememberedSize_; }

    // Opens a chart made by the program (built from a pattern) in a new
    // window, unsaved and without a file.
    void openMadeChart(std::unique_ptr<CPattraDoc> doc);

    // The open chart whose file the path names, through whatever name or link.
    std::optional<size_t> chartOfFile(const std::string& path) const;

private:
    // Refuses (error, or a message) and returns false.
    bool refuseSave(const std::string& message, std::string* error);
    ChartSession& addChart(std::unique_ptr<CPattraDoc> doc, std::string path);

    AppHost& host_;
    ChartExporter& exporter_;
    ChartPainter* painter_;
    std::vector<std::unique_ptr<ChartSession>> charts_;
    size_t active_ = 0;
    Size rememberedSize_{0, 0};
    int newChartsMade_ = 0;
};

} // namespace loopora
