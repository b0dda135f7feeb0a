#pragma once
// Exporting the active chart for print from the File menu: the save prompt
// of the format, then one small dialog of options (paper, orientation,
// margin, resolution, black lines, no background pattern, the drawing alone,
// the chart's key) that starts from the values last chosen,
// then the file, written whole or not at all.

#include "export/ExportOptions.h"
#include "view/AppHost.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace loopora {
class CPattraDoc;
}

namespace loopora::app {

class ExportOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the options the format takes, filled with the last ones chosen.
    ExportOptionsDialog(DrawingFormat format, QWidget* parent);

    ExportOptions options() const;
    // The options last confirmed, or the defaults the first time.
    static ExportOptions remembered();
    static void remember(const ExportOptions& options);

    QComboBox* paper() const { return paper_; }
    QComboBox* orientation() const { return orientation_; }
    QDoubleSpinBox* margin() const { return margin_; }
    QSpinBox* dpi() const { return dpi_; }
    QCheckBox* blackLines() const { return blackLines_; }
    QCheckBox* noBackground() const { return noBackground_; }
    QCheckBox* crop() const { return crop_; }
    QCheckBox* legend() const { return legend_; }
    QCheckBox* pattern() const { return pattern_; }
    QCheckBox* rounds() const { return rounds_; }

private:
    QComboBox* paper_;
    QComboBox* orientation_;
    QDoubleSpinBox* margin_;
    QSpinBox* dpi_;
    QCheckBox* blackLines_;
    QCheckBox* noBackground_;
    QCheckBox* crop_;
    QCheckBox* legend_;
    QCheckBox* pattern_;
    QCheckBox* rounds_;
};

// The whole export; the suggestion is the chart's file or name, whose
// extension the format's replaces. Failures are told in a message box.
void exportDrawing(CPattraDoc& doc, DrawingFormat format, const QString& suggestion, QWidget* parent);

} // namespace loopora::app
