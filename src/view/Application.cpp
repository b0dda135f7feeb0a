#include "view/Application.h"

#include "document/ChartFile.h"
#include "document/Clipboard.h"
#include "document/LabelEncoding.h"
#include "platform/Texts.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"
#include "view/dialogs/Dialogs.h"
#include "view/dialogs/PatternDialogModel.h"

#include <filesystem>
#include <new>

namespace loopora {

CPattraApp::CPattraApp(AppHost& host, ChartExporter& exporter, ChartPainter* painter)
    : host_(host), exporter_(exporter), painter_(painter)
{
}

CPattraApp::~CPattraApp() { closeAll(); }

bool CPattraApp::InitInstance(const std::vector<std::string>& files)
{
    if (files.empty())
        return newChart();
    bool any = false;
    for (const std::string& file : files)
        any = openChart(file) || any;
    return any;
}

bool CPattraApp::newChart()
{
    dialogs::Dialog<dialogs::ChartParameters> dialog({.width = 600, .height = 600, .background = 1, .spacing = 30});
    if (!host_.runDialog(dialog.model()))
        return false;
    const dialogs::ChartParameters chart = dialog.values();
    return newChart(chart.width, chart.height, chart.background, chart.spacing);
}

bool CPattraApp::newChart(int width, int height, int background, int spacing)
{
    auto doc = std::make_unique<CPattraDoc>();
    doc->setChartSize(width, height);
    doc->canvas().setBackgroundKind(background);
    doc->canvas().setLineSpacing(spacing);
    rememberedSize_ = {width, height};
    addChart(std::move(doc), {});
    return true;
}

bool CPattraApp::chartFromPattern()
{
    PatternDialogModel dialog;
    if (!host_.runPatternDialog(dialog))
        return false;
    std::unique_ptr<CPattraDoc> chart = dialog.takeChart();
    if (!chart)
        return false;
    openMadeChart(std::move(chart));
    return true;
}

void CPattraApp::openMadeChart(std::unique_ptr<CPattraDoc> doc)
{
    doc->markModified();
    addChart(std::move(doc), {});
}

bool CPattraApp::openChart(const std::string& path, std::string* error)
{
    // Two windows on one file would each save over the other's work.
    if (const auto open = chartOfFile(path)) {
        activate(*open);
        host_.raiseChartWindow(*charts_[*open]->window);
        host_.chartFileUsed(charts_[*open]->path);
        return true;
    }
    // Taken before reading, so that a change made while it is read counts as one.
    const std::optional<FileStamp> stamp = stampOf(path);
    ChartLoadResult loaded;
    try {
        loaded = loadChartFile(path);
    } catch (const std::bad_alloc&) {
        loaded.error = path + ": there is not enough memory to read the file";
    }
    if (!loaded.document) {
        if (error)
            *error = loaded.error;
        else
            host_.messageBox(_("Не удалось открыть схему.") + ("\n" + loaded.error));
        return false;
    }
    addChart(std::move(loaded.document), path).stamp = stamp;
    host_.chartFileUsed(path);
    return true;
}

std::optional<size_t> CPattraApp::chartOfFile(const std::string& path) const
{
    const std::optional<FileStamp> wanted = stampOf(path);
    if (!wanted)
        return std::nullopt;
    for (size_t i = 0; i < charts_.size(); ++i) {
        const std::optional<FileStamp> file = stampOf(charts_[i]->path);
        if (file && file->sameFile(*wanted))
            return i;
    }
    return std::nullopt;
}

namespace {

// The document template's name for a chart without a file, numbered.
constexpr const char* kUntitledChart = N_("Схема%1");

std::string fileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

} // namespace

ChartSession& CPattraApp::addChart(std::unique_ptr<CPattraDoc> doc, std::string path)
{
    auto session = std::make_unique<ChartSession>();
    session->document = std::move(doc);
    session->path = std::move(path);
    // Numbers are not reused: a chart closed unsaved leaves its number behind.
    if (session->path.empty())
        session->untitledName = withValues(_(kUntitledChart), {std::to_string(++newChartsMade_)});
    session->window = &host_.openChartWindow(session->path.empty() ? session->untitledName : fileNameOf(session->path));
    session->view = std::make_unique<CPattraView>(*session->document, *session->window, rememberedSize_, painter_);
    session->view->OnInitialUpdate();
    charts_.push_back(std::move(session));
    active_ = charts_.size() - 1;
    host_.activeChartChanged();
    return *charts_.back();
}

ChartSession* CPattraApp::active() { return active_ < charts_.size() ? charts_[active_].get() : nullptr; }

CPattraView* CPattraApp::activeView()
{
    ChartSession* s = active();
    return s ? s->view.get() : nullptr;
}

void CPattraApp::activate(size_t index)
{
    if (index < charts_.size() && index != active_) {
        active_ = index;
        host_.activeChartChanged();
    }
}

void CPattraApp::closeChart(size_t index)
{
    if (index >= charts_.size())
        return;
    std::unique_ptr<ChartSession> session = std::move(charts_[index]);
    charts_.erase(charts_.begin() + std::ptrdiff_t(index));
    // The view goes first, then the window, then the document with its canvas.
    session->view.reset();
    host_.closeChartWindow(*session->window);
    session->document.reset();
    // Closing any chart empties the clipboard every chart pastes from.
    ElementClipboard::clear();
    if (active_ >= charts_.size())
        active_ = charts_.empty() ? 0 : charts_.size() - 1;
    host_.activeChartChanged();
}

void CPattraApp::closeAll()
{
    while (!charts_.empty())
        closeChart(charts_.size() - 1);
}

bool CPattraApp::isModified(size_t index) const
{
    return index < charts_.size() && charts_[index]->document->isModified();
}

std::string CPattraApp::chartName(size_t index) const
{
    if (index >= charts_.size())
        return {};
    const ChartSession& s = *charts_[index];
    return s.path.empty() ? s.untitledName : fileNameOf(s.path);
}

bool CPattraApp::queryClose(size_t index)
{
    if (!isModified(index))
        return true;
    activate(index);
    switch (host_.askSaveChanges(chartName(index))) {
    case SaveChanges::Save: return saveChart();
    case SaveChanges::Discard: return true;
    case SaveChanges::Cancel: return false;
    }
    return false;
}

bool CPattraApp::queryCloseAll()
{
    for (size_t i = 0; i < charts_.size(); ++i)
        if (!queryClose(i))
            return false;
    return true;
}

bool CPattraApp::requestClose(size_t index)
{
    if (index >= charts_.size() || !queryClose(index))
        return false;
    closeChart(index);
    return true;
}

bool CPattraApp::saveChart()
{
    ChartSession* s = active();
    if (!s)
        return false;
    if (s->path.empty())
        return saveChartAs();
    return saveChartAs(s->path);
}

bool CPattraApp::saveChartAs()
{
    ChartSession* s = active();
    if (!s)
        return false;
    auto chosen = host_.askSaveFileName(s->path.empty() ? s->untitledName : s->path);
    return chosen && saveChartAs(*chosen);
}

bool CPattraApp::refuseSave(const std::string& message, std::string* error)
{
    if (error)
        *error = message;
    else
        host_.messageBox(message);
    return false;
}

bool CPattraApp::saveChartAs(const std::string& path, std::string* error)
{
    ChartSession* s = active();
    if (!s)
        return false;
    const std::optional<size_t> openAs = chartOfFile(path);
    if (openAs && *openAs != active_)
        return refuseSave(withValues(_("Схема «%1» открыта в другом окне. Закройте то окно или сохраните эту схему "
                                       "под другим именем."),
                                     {chartName(*openAs)}),
                          error);
    // The rename that replaces a file would go round its protection.
    if (isWriteProtected(path)) {
        const std::string refused = withValues(_("Файл «%1» защищён от записи. Схема не сохранена."), {path});
        if (error) {
            *error = refused;
            return false;
        }
        return host_.offerSaveAs(refused) && saveChartAs();
    }
    if (openAs && s->stamp) {
        const std::optional<FileStamp> now = stampOf(path);
        if (now && !now->unchangedSince(*s->stamp) &&
            !host_.confirm(withValues(_("Файл «%1» изменён другой программой после того, как схема была открыта или "
                                        "сохранена. Заменить его этой схемой?"),
                                      {path})))
            return error ? refuseSave(withValues(_("Схема не сохранена: файл «%1» изменён другой программой после "
                                                   "того, как схема была открыта или сохранена."),
                                                 {path}),
                                      error)
                         : false;
    }
    if (const auto losses = labelsLosingCharacters(s->document->canvas()); !losses.empty()) {
        std::string lost = describeLabelLosses(losses);
        const std::string head = _("В схеме тексты меток хранятся в кодировке Windows-1251. Этих знаков в ней нет, "
                                   "при сохранении они будут заменены на «?»:");
        if (!host_.confirm(head + "\n" + lost + _("Сохранить схему?"))) {
            if (error) {
                lost.pop_back(); // the last line's break
                *error = _("Схема не сохранена: в кодировке Windows-1251 нет этих знаков меток:") + ("\n" + lost);
            }
            return false;
        }
    }
    std::string message;
    if (!saveChartFile(*s->document, path, message))
        return refuseSave(error ? message : _("Не удалось сохранить схему.") + ("\n" + message), error);
    const bool renamed = s->path != path;
    s->path = path;
    s->stamp = stampOf(path);
    s->document->markSaved();
    if (renamed)
        host_.chartRenamed(*s->window, fileNameOf(path));
    host_.chartFileUsed(path);
    return true;
}

void CPattraApp::exportBitmap()
{
    ChartSession* s = active();
    if (!s)
        return;
    if (auto path = s->window->askBitmapFileName())
        exportBitmap(*path);
}

bool CPattraApp::exportBitmap(const std::string& path)
{
    ChartSession* s = active();
    if (!s)
        return false;
    std::string error;
    switch (exporter_.exportChart(*s->document, path, error)) {
    case ExportOutcome::Written: return true;
    case ExportOutcome::CannotOpen: s->window->messageBox(error); return false;
    case ExportOutcome::OutOfMemory:
        s->window->messageBox(_("内存申请失败，请稍后再试"));
        s->window->messageBox(_("保存失败，请稍后重试"));
        return false;
    case ExportOutcome::WriteFailed:
        s->window->messageBox(error);
        s->window->messageBox(_("保存失败，请稍后重试"));
        return false;
    }
    return false;
}

void CPattraApp::exportDrawing(DrawingFormat format)
{
    if (ChartSession* s = active())
        host_.exportDrawing(*s->view, format, s->path.empty() ? s->untitledName : s->path);
}

bool CPattraApp::onCommand(uint16_t id)
{
    if (paletteOfToggle(id)) {
        host_.togglePalette(id);
        return true;
    }
    switch (id) {
    case cmd::kNew: newChart(); return true;
    case cmd::kChartFromPattern: chartFromPattern(); return true;
    case cmd::kOpen:
        if (auto path = host_.askOpenFileName())
            openChart(*path);
        return true;
    case cmd::kAbout: host_.showAbout(); return true;
    case cmd::kExit:
        // Nothing closes while one modified chart is kept by the user's Cancel.
        if (!queryCloseAll())
            return true;
        closeAll();
        host_.exit();
        return true;
    case cmd::kStatusBar:
    case cmd::kToggleLegend:
    case cmd::kTogglePattern:
    case cmd::kRoundNumbers: host_.togglePalette(id); return true;
    case cmd::kCascade:
    case cmd::kTile:
    case cmd::kArrange: host_.arrangeWindows(id); return true;
    case cmd::kNewWindow:
        // A second window on the same chart is refused: it would show a
        // canvas of its own, with none of the chart's elements.
        return true;
    default: break;
    }
    ChartSession* s = active();
    if (!s)
        return false;
    switch (id) {
    case cmd::kSave: saveChart(); return true;
    case cmd::kSaveAs: saveChartAs(); return true;
    case cmd::kClose: requestClose(active_); return true;
    case cmd::kSaveBitmap: exportBitmap(); return true;
    case cmd::kPrint:
    case cmd::kPrintDirect: host_.print(*s->view); return true;
    case cmd::kPrintPreview: host_.printPreview(*s->view); return true;
    case cmd::kExportPdf: exportDrawing(DrawingFormat::Pdf); return true;
    case cmd::kExportSvg: exportDrawing(DrawingFormat::Svg); return true;
    case cmd::kExportPng: exportDrawing(DrawingFormat::Png); return true;
    default: return s->view->onCommand(id);
    }
}

bool CPattraApp::isCommandChecked(uint16_t id) const
{
    if (active_ >= charts_.size())
        return false;
    return charts_[active_]->view->isCommandChecked(id);
}

} // namespace loopora
