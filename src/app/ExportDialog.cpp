#include "app/ExportDialog.h"

#include "app/Prompts.h"
#include "app/QtText.h"
#include "app/RecentFiles.h"
#include "app/TitleRoom.h"
#include "export/ChartExport.h"
#include "platform/Texts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

namespace loopora::app {
namespace {

struct FormatTexts {
    QString title;
    QString filter;
    QString extension;
};

FormatTexts textsOf(DrawingFormat format)
{
    switch (format) {
    case DrawingFormat::Svg: return {qs(_("Экспорт в SVG")), qs(_("Рисунки SVG (*.svg)")), QStringLiteral("svg")};
    case DrawingFormat::Png: return {qs(_("Экспорт в PNG")), qs(_("Рисунки PNG (*.png)")), QStringLiteral("png")};
    case DrawingFormat::Pdf:
    default: return {qs(_("Экспорт в PDF")), qs(_("Документы PDF (*.pdf)")), QStringLiteral("pdf")};
    }
}

ExportFormat exportFormatOf(DrawingFormat format)
{
    switch (format) {
    case DrawingFormat::Svg: return ExportFormat::Svg;
    case DrawingFormat::Png: return ExportFormat::Png;
    case DrawingFormat::Pdf:
    default: return ExportFormat::Pdf;
    }
}

const QString kGroup = QStringLiteral("Export");
const PaperSize kPapers[] = {PaperSize::A4, PaperSize::Letter, PaperSize::Chart};
const QString kPaperKeys[] = {QStringLiteral("A4"), QStringLiteral("Letter"), QStringLiteral("chart")};

std::optional<QString> askExportFile(QWidget* parent, DrawingFormat format, const QString& suggestion)
{
    const FormatTexts texts = textsOf(format);
    QFileDialog dialog(parent, texts.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({texts.filter, qs(_("Все файлы (*)"))});
    dialog.setDefaultSuffix(texts.extension);
    // The chart's own name with the format's extension; its folder when it has one.
    const QFileInfo chart(suggestion);
    const QString name = chart.completeBaseName() + QLatin1Char('.') + texts.extension;
    dialog.selectFile(suggestion.contains(QLatin1Char('/')) ? chart.dir().filePath(name) : name);
    // Overwriting is confirmed by the dialog itself (its default for save prompts).
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

ExportOptionsDialog::ExportOptionsDialog(DrawingFormat format, QWidget* parent)
    : QDialog(parent), paper_(new QComboBox(this)), orientation_(new QComboBox(this)),
      margin_(new QDoubleSpinBox(this)), dpi_(new QSpinBox(this)), blackLines_(new QCheckBox(qs(_("Все линии чёрные")), this)),
      noBackground_(new QCheckBox(qs(_("Без узора основы")), this)), crop_(new QCheckBox(qs(_("Только рисунок")), this)),
      legend_(new QCheckBox(qs(_("Добавить легенду")), this)),
      pattern_(new QCheckBox(qs(_("Добавить описание")), this)), rounds_(new QCheckBox(qs(_("Номера рядов")), this))
{
    setWindowTitle(qs(_("Параметры экспорта")));
    keepTitleShown(*this);
    paper_->setObjectName(QStringLiteral("paper"));
    paper_->addItems({QStringLiteral("A4"), QStringLiteral("Letter"), qs(_("По размеру схемы"))});
    orientation_->setObjectName(QStringLiteral("orientation"));
    orientation_->addItems({qs(_("Книжная")), qs(_("Альбомная"))});
    margin_->setObjectName(QStringLiteral("margin"));
    margin_->setRange(0, 50);
    margin_->setDecimals(1);
    dpi_->setObjectName(QStringLiteral("dpi"));
    dpi_->setRange(72, 2400);
    dpi_->setSingleStep(100);
    blackLines_->setObjectName(QStringLiteral("blackLines"));
    noBackground_->setObjectName(QStringLiteral("noBackground"));
    crop_->setObjectName(QStringLiteral("crop"));
    legend_->setObjectName(QStringLiteral("legend"));
    pattern_->setObjectName(QStringLiteral("pattern"));
    rounds_->setObjectName(QStringLiteral("rounds"));

    const ExportOptions last = remembered();
    for (int i = 0; i < 3; ++i)
        if (kPapers[i] == last.page.paper)
            paper_->setCurrentIndex(i);
    orientation_->setCurrentIndex(last.page.landscape ? 1 : 0);
    margin_->setValue(last.page.marginMm.value_or(10));
    dpi_->setValue(last.dpi);
    blackLines_->setChecked(last.blackLines);
    noBackground_->setChecked(!last.background);
    crop_->setChecked(last.crop);
    legend_->setChecked(last.legend);
    pattern_->setChecked(last.pattern);
    rounds_->setChecked(last.rounds);

    // A chart-sized page has the chart's orientation, and a cropped drawing's
    // page is its own size; SVG has no page at all, only the margin round a
    // cropped drawing. Black lines leave the background pattern out anyway.
    auto pageOptionsShow = [this, format] {
        const bool page = format != DrawingFormat::Svg && !crop_->isChecked();
        paper_->setEnabled(page);
        orientation_->setEnabled(page && paper_->currentIndex() != 2);
        margin_->setEnabled(format != DrawingFormat::Svg || crop_->isChecked());
        noBackground_->setEnabled(!blackLines_->isChecked());
    };
    connect(paper_, &QComboBox::currentIndexChanged, this, pageOptionsShow);
    connect(crop_, &QCheckBox::toggled, this, pageOptionsShow);
    connect(blackLines_, &QCheckBox::toggled, this, pageOptionsShow);
    pageOptionsShow();

    auto* form = new QFormLayout;
    if (format != DrawingFormat::Svg) {
        form->addRow(qs(_("Бумага:")), paper_);
        form->addRow(qs(_("Ориентация:")), orientation_);
    } else {
        paper_->hide();
        orientation_->hide();
    }
    form->addRow(qs(_("Поля, мм:")), margin_);
    if (format == DrawingFormat::Png)
        form->addRow(qs(_("Разрешение, dpi:")), dpi_);
    else
        dpi_->hide();
    form->addRow(crop_);
    form->addRow(blackLines_);
    form->addRow(noBackground_);
    form->addRow(legend_);
    form->addRow(pattern_);
    form->addRow(rounds_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(qs(_("ОК")));
    buttons->button(QDialogButtonBox::Cancel)->setText(qs(_("Отмена")));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    setLayout(form);
}

ExportOptions ExportOptionsDialog::options() const
{
    ExportOptions o;
    o.page.paper = kPapers[std::clamp(paper_->currentIndex(), 0, 2)];
    o.page.landscape = orientation_->currentIndex() == 1;
    o.page.marginMm = margin_->value();
    o.dpi = dpi_->value();
    o.blackLines = blackLines_->isChecked();
    o.background = !noBackground_->isChecked();
    o.crop = crop_->isChecked();
    o.legend = legend_->isChecked();
    o.pattern = pattern_->isChecked();
    o.rounds = rounds_->isChecked();
    o.legendLanguage = uiLanguage();
    return o;
}

ExportOptions ExportOptionsDialog::remembered()
{
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kGroup);
    ExportOptions o;
    const QString paper = settings.value(QStringLiteral("Paper"), kPaperKeys[0]).toString();
    for (int i = 0; i < 3; ++i)
        if (paper == kPaperKeys[i])
            o.page.paper = kPapers[i];
    o.page.landscape = settings.value(QStringLiteral("Landscape"), false).toBool();
    o.page.marginMm = std::clamp(settings.value(QStringLiteral("Margin"), 10.0).toDouble(), 0.0, 50.0);
    o.dpi = std::clamp(settings.value(QStringLiteral("Dpi"), 300).toInt(), 72, 2400);
    o.blackLines = settings.value(QStringLiteral("BlackLines"), false).toBool();
    o.background = !settings.value(QStringLiteral("NoBackground"), false).toBool();
    o.crop = settings.value(QStringLiteral("Crop"), false).toBool();
    o.legend = settings.value(QStringLiteral("Legend"), false).toBool();
    o.pattern = settings.value(QStringLiteral("Pattern"), false).toBool();
    o.rounds = settings.value(QStringLiteral("Rounds"), false).toBool();
    o.legendLanguage = uiLanguage();
    return o;
}

void ExportOptionsDialog::remember(const ExportOptions& o)
{
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kGroup);
    for (int i = 0; i < 3; ++i)
        if (kPapers[i] == o.page.paper)
            settings.setValue(QStringLiteral("Paper"), kPaperKeys[i]);
    settings.setValue(QStringLiteral("Landscape"), o.page.landscape);
    settings.setValue(QStringLiteral("Margin"), o.page.marginMm.value_or(10));
    settings.setValue(QStringLiteral("Dpi"), o.dpi);
    settings.setValue(QStringLiteral("BlackLines"), o.blackLines);
    settings.setValue(QStringLiteral("NoBackground"), !o.background);
    settings.setValue(QStringLiteral("Crop"), o.crop);
    settings.setValue(QStringLiteral("Legend"), o.legend);
    settings.setValue(QStringLiteral("Pattern"), o.pattern);
    settings.setValue(QStringLiteral("Rounds"), o.rounds);
}

void exportDrawing(CPattraDoc& doc, DrawingFormat format, const QString& suggestion, QWidget* parent)
{
    const std::optional<QString> path = askExportFile(parent, format, suggestion);
    if (!path)
        return;
    ExportOptionsDialog dialog(format, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ExportOptions options = dialog.options();
    ExportOptionsDialog::remember(options);
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = exportChartFile(doc, utf8(*path), exportFormatOf(format), options, error);
    QApplication::restoreOverrideCursor();
    if (!written)
        showMessage(parent, qs(_("Не удалось экспортировать схему.")) + QLatin1Char('\n') + QString::fromStdString(error));
}

} // namespace loopora::app
