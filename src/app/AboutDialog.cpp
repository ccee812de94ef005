// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutDialog.h"

#include "Version.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarn {

QString AboutDialog::aboutText() {
    //: %1: the program's version
    return tr("Tarnlink downloads and uploads PLU and ingredient data for price-computing, "
              "label-printing retail scales.\n"
              "Version %1\n"
              "Contact: your scale dealer or the Tarnlink developers, tarnlink@example.org")
        .arg(QString::fromLatin1(programVersion()));
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About"));
    setWindowModality(Qt::ApplicationModal);
    auto* text = new QPlainTextEdit(aboutText(), this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setReadOnly(true);
    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignRight);
    resize(420, 200);
}

} // namespace tarn
