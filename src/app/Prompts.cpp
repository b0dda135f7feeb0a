#include "app/Prompts.h"

#include "app/QtText.h"
#include "platform/Texts.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace loopora::app {
namespace {

// Charts are saved with their own extension; files without it, as charts
// were once saved, still open through "every file".
QStringList chartFilters()
{
    return {qs(_("Схемы Loopora (*.%1)")).arg(kChartExtension), qs(_("Все файлы (*)"))};
}

std::optional<std::string> chosen(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    return utf8(path);
}

} // namespace

void showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, kAppName, text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<std::string> askChartToOpen(QWidget* parent)
{
    QFileDialog dialog(parent, qs(_("Открыть")));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(chartFilters());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

std::optional<std::string> askChartToSave(QWidget* parent, const QString& suggestion)
{
    QFileDialog dialog(parent, qs(_("Сохранить как")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(chartFilters());
    // A name typed without an extension gets the charts' one; a new chart is
    // offered its name with it.
    dialog.setDefaultSuffix(kChartExtension);
    const bool hasFile = suggestion.contains(QLatin1Char('/'));
    dialog.selectFile(hasFile ? suggestion : suggestion + QLatin1Char('.') + kChartExtension);
    // Overwriting is confirmed by the dialog itself (its default for save prompts).
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

QString recentFileGone(const QString& path)
{
    return qs(_("Файл «%1» не найден. Он удалён из списка последних файлов.")).arg(QDir::toNativeSeparators(path));
}

std::optional<std::string> askBitmapToSave(QWidget* parent)
{
    QFileDialog dialog(parent, qs(_("Сохранить в формате BMP")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({qs(_("BMP 文件(*.bmp)")), qs(_("所有文件(*.*)"))});
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    // Overwriting is confirmed by the dialog itself (its default for save prompts).
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return chosen(dialog.selectedFiles().constFirst());
}

SaveChanges askSaveChanges(QWidget* parent, const QString& chartName)
{
    QMessageBox box(QMessageBox::Question, kAppName, qs(_("Сохранить изменения в «%1»?")).arg(chartName),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Save)->setText(qs(_("Сохранить")));
    box.button(QMessageBox::Discard)->setText(qs(_("Не сохранять")));
    box.button(QMessageBox::Cancel)->setText(qs(_("Отмена")));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save: return SaveChanges::Save;
    case QMessageBox::Discard: return SaveChanges::Discard;
    default: return SaveChanges::Cancel;
    }
}

bool askYesNo(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, kAppName, question, QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(qs(_("Да")));
    box.button(QMessageBox::No)->setText(qs(_("Нет")));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool offerSaveAs(QWidget* parent, const QString& reason)
{
    QMessageBox box(QMessageBox::Warning, kAppName, reason, QMessageBox::NoButton, parent);
    QPushButton* elsewhere = box.addButton(qs(_("Сохранить как…")), QMessageBox::AcceptRole);
    elsewhere->setObjectName(QStringLiteral("saveAs"));
    box.addButton(qs(_("Отмена")), QMessageBox::RejectRole);
    box.setDefaultButton(elsewhere);
    box.exec();
    return box.clickedButton() == elsewhere;
}

} // namespace loopora::app
