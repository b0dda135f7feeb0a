#include "app/PatternDialog.h"

#include "app/QtText.h"
#include "app/TitleRoom.h"
#include "platform/Texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

#include <cstring>

namespace loopora::app {

PatternPreview::PatternPreview(const PatternDialogModel& model, ChartPainter* painter, QWidget* parent)
    : QWidget(parent), model_(model), painter_(painter)
{
    setMinimumSize(320, 320);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PatternPreview::refresh()
{
    const qreal ratio = devicePixelRatioF();
    const Size size{int32_t(width() * ratio), int32_t(height() * ratio)};
    const PixelBuffer pixels = model_.preview(size, painter_);
    QImage picture(pixels.width(), pixels.height(), QImage::Format_RGB32);
    for (int32_t y = 0; y < pixels.height(); ++y)
        std::memcpy(picture.scanLine(y), pixels.row(y), size_t(pixels.width()) * sizeof(Pixel));
    picture.setDevicePixelRatio(ratio);
    picture_ = std::move(picture);
    update();
}

void PatternPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), picture_);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PatternPreview::resizeEvent(QResizeEvent*) { refresh(); }

PatternDialog::PatternDialog(PatternDialogModel& model, ChartPainter* painter, QWidget* parent)
    : QDialog(parent), model_(model), shape_(new QComboBox(this)), stitch_(new QComboBox(this)),
      rounds_(new QSpinBox(this)), language_(new QComboBox(this)), terms_(new QComboBox(this)),
      text_(new QPlainTextEdit(this)), message_(new QLabel(this)), preview_(new PatternPreview(model, painter, this)),
      typing_(new QTimer(this))
{
    setWindowTitle(qs(PatternDialogModel::title()));
    shape_->setObjectName(QStringLiteral("shape"));
    stitch_->setObjectName(QStringLiteral("stitch"));
    rounds_->setObjectName(QStringLiteral("rounds"));
    language_->setObjectName(QStringLiteral("lang"));
    terms_->setObjectName(QStringLiteral("terms"));
    text_->setObjectName(QStringLiteral("text"));
    message_->setObjectName(QStringLiteral("message"));
    preview_->setObjectName(QStringLiteral("preview"));

    // Once the box holds a text of the user's own, no shape is shown picked.
    shape_->setPlaceholderText(qs(_("свой текст")));
    for (const std::string& name : PatternDialogModel::shapeNames())
        shape_->addItem(qs(name));
    rounds_->setRange(PatternDialogModel::kFewestRounds, PatternDialogModel::kMostRounds);
    language_->addItems({QStringLiteral("Русский"), QStringLiteral("English")});
    terms_->addItems({qs(_("американские (US)")), qs(_("британские (UK)"))});
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setMinimumWidth(460);
    message_->setWordWrap(true);
    message_->setStyleSheet(QStringLiteral("color: #b00000"));

    auto* form = new QFormLayout;
    form->addRow(qs(_("Форма:")), shape_);
    form->addRow(qs(_("Столбик:")), stitch_);
    form->addRow(qs(_("Круговых рядов:")), rounds_);
    form->addRow(qs(_("Язык описания:")), language_);
    form->addRow(qs(_("Термины:")), terms_);
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(new QLabel(qs(_("Описание:")), this));
    left->addWidget(text_, 1);
    left->addWidget(message_);
    auto* sides = new QHBoxLayout;
    sides->addLayout(left, 3);
    sides->addWidget(preview_, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(qs(_("ОК")));
    ok_->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setText(qs(_("Отмена")));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PatternDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(sides, 1);
    column->addWidget(buttons);

    typing_->setSingleShot(true);
    typing_->setInterval(kTypingPauseMs);
    connect(typing_, &QTimer::timeout, this, &PatternDialog::takeText);
    connect(text_, &QPlainTextEdit::textChanged, typing_, qOverload<>(&QTimer::start));
    connect(shape_, &QComboBox::activated, this, [this](int index) {
        typing_->stop();
        model_.pickShape(pattern::Shape(index));
        showModel();
    });
    connect(stitch_, &QComboBox::activated, this, [this](int index) {
        takeText();
        model_.pickStitch(size_t(index));
        showModel();
    });
    connect(rounds_, &QSpinBox::valueChanged, this, [this](int rounds) {
        takeText();
        model_.pickRounds(rounds);
        showModel();
    });
    connect(language_, &QComboBox::activated, this, [this](int index) {
        takeText();
        model_.setLanguage(index == 0 ? Language::Russian : Language::English);
        showModel();
    });
    connect(terms_, &QComboBox::activated, this, [this](int index) {
        takeText();
        model_.setTerms(index == 0 ? pattern::Terms::Us : pattern::Terms::Uk);
        showModel();
    });
    showModel();
    keepTitleShown(*this);
}

void PatternDialog::takeText()
{
    typing_->stop();
    model_.setText(utf8(text_->toPlainText()));
    showModel();
}

void PatternDialog::showModel()
{
    {
        const QSignalBlocker blockShape(shape_), blockStitch(stitch_), blockRounds(rounds_), blockLanguage(language_),
            blockTerms(terms_), blockText(text_);
        shape_->setCurrentIndex(model_.shape() ? int(*model_.shape()) : -1);
        stitch_->clear();
        for (const std::string& name : model_.stitchNames())
            stitch_->addItem(qs(name));
        stitch_->setCurrentIndex(int(model_.stitch()));
        stitch_->setEnabled(model_.shape() && model_.stitchApplies());
        rounds_->setValue(model_.rounds());
        rounds_->setEnabled(model_.shape().has_value());
        language_->setCurrentIndex(model_.language() == Language::Russian ? 0 : 1);
        terms_->setCurrentIndex(model_.terms() == pattern::Terms::Us ? 0 : 1);
        // Russian instructions have terms of their own.
        terms_->setEnabled(model_.language() == Language::English);
        // The text is put in only when the model wrote it, so that typing keeps its cursor.
        const QString text = qs(model_.text());
        if (text_->toPlainText() != text)
            text_->setPlainText(text);
    }
    QList<QTextEdit::ExtraSelection> marks;
    if (const std::optional<int> line = model_.errorLine()) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(text_->document()->findBlockByNumber(*line - 1));
        mark.format.setBackground(QColor(255, 208, 208));
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks.push_back(mark);
    }
    text_->setExtraSelections(marks);
    message_->setText(qs(model_.message()));
    ok_->setEnabled(model_.canConfirm());
    preview_->refresh();
}

void PatternDialog::accept()
{
    // What was typed since the last pause counts.
    if (typing_->isActive())
        takeText();
    if (!model_.canConfirm())
        return;
    QDialog::accept();
}

bool PatternDialog::run(PatternDialogModel& model, ChartPainter* painter, QWidget* parent)
{
    PatternDialog dialog(model, painter, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace loopora::app
