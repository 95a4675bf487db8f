// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ReportDialog.h"

#include "ui/WindowHost.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace varnolt {

ReportDialog::ReportDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ReportDialog"));
    auto* layout = new QVBoxLayout(this);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("ReportSummary"));
    summary_->setWordWrap(true);
    layout->addWidget(summary_);
    rows_ = new QTreeWidget(this);
    rows_->setObjectName(QStringLiteral("ReportRows"));
    rows_->setHeaderLabels({tr("Item"), tr("Reason")});
    rows_->setRootIsDecorated(false);
    rows_->setUniformRowHeights(true);
    rows_->header()->setSectionResizeMode(QHeaderView::Interactive);
    rows_->setAccessibleName(tr("Items not placed"));
    layout->addWidget(rows_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("&Copy list"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("ReportCopy"));
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(ListText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    resize(720, 360);
}

void ReportDialog::ShowRows(const QString& caption, const QString& summary,
                            const std::vector<ReportRow>& rows) {
    setWindowTitle(caption);
    summary_->setText(summary);
    rows_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const ReportRow& row : rows)
        items.push_back(
            new QTreeWidgetItem({QString::fromStdString(row.Path), QString::fromStdString(row.Reason)}));
    rows_->addTopLevelItems(items);
    rows_->resizeColumnToContents(0);
    show();
    raise();
}

QString ReportDialog::ListText() const {
    QString text;
    for (int row = 0; row < rows_->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = rows_->topLevelItem(row);
        text += item->text(0) + u'\t' + item->text(1) + u'\n';
    }
    return text;
}

} // namespace varnolt
