#pragma once
// "Создать по описанию": the written instructions in a text box, or a shape
// picked with its stitch and rounds to fill it, and the chart they build
// shown beside them. Typing rebuilds the chart once the user pauses for a
// moment; a line the chart cannot be built from is marked and the reason
// shown under the box, and OK waits until the text builds.

#include "view/dialogs/PatternDialogModel.h"

#include <QDialog>
#include <QImage>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTimer;

namespace loopora {
class ChartPainter;
}

namespace loopora::app {

// The chart fitted into the widget, drawn by the model's preview.
class PatternPreview : public QWidget {
    Q_OBJECT
public:
    PatternPreview(const PatternDialogModel& model, ChartPainter* painter, QWidget* parent);
    // The chart changed: it is drawn again.
    void refresh();
    // What the widget shows, in device pixels.
    const QImage& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const PatternDialogModel& model_;
    ChartPainter* painter_;
    QImage picture_;
};

class PatternDialog : public QDialog {
    Q_OBJECT
public:
    PatternDialog(PatternDialogModel& model, ChartPainter* painter, QWidget* parent);

    // Runs the dialog modally; true when a text that builds was confirmed.
    static bool run(PatternDialogModel& model, ChartPainter* painter, QWidget* parent);

    void accept() override;

    // How long typing must pause before the chart is built again.
    static constexpr int kTypingPauseMs = 100;

private:
    // What the user typed goes to the model, which builds it.
    void takeText();
    // The controls, the mark, the message, OK and the preview show the model.
    void showModel();

    PatternDialogModel& model_;
    QComboBox* shape_;
    QComboBox* stitch_;
    QSpinBox* rounds_;
    QComboBox* language_;
    QComboBox* terms_;
    QPlainTextEdit* text_;
    QLabel* message_;
    PatternPreview* preview_;
    QPushButton* ok_;
    QTimer* typing_;
};

} // namespace loopora::app
