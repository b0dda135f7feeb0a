#include "app/AboutDialog.h"

#include "BuildInfo.h"
#include "app/ProgramIcon.h"
#include "app/QtText.h"
#include "app/TitleRoom.h"
#include "platform/Texts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace loopora::app {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(qs(_("О программе Loopora")));
    auto* row = new QHBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(programIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    row->addWidget(icon);
    auto* texts = new QVBoxLayout;
    texts->addWidget(new QLabel(qs(_("Loopora Russian")), this));
    texts->addWidget(new QLabel(qs(_("Версия %1")).arg(qs(kVersion)), this));
    texts->addWidget(new QLabel(qs(_("Схемы для вязания крючком: каждая петля своим знаком.")), this));
    row->addLayout(texts, 1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    row->addWidget(ok, 0, Qt::AlignTop);
    keepTitleShown(*this);
}

} // namespace loopora::app
