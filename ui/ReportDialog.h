// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The items a command did not place, each with its reason: a window of its own beside the main window,
// so that the user can look at the result while reading it, with a button that copies the list.
#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QTreeWidget;

namespace varnolt {

struct ReportRow;

class ReportDialog : public QDialog {
    Q_OBJECT

  public:
    explicit ReportDialog(QWidget* parent);
    // Replaces what is shown; `summary` heads the list.
    void ShowRows(const QString& caption, const QString& summary, const std::vector<ReportRow>& rows);
    // The list as text, a row a line: the path, a tab, the reason.
    QString ListText() const;

  private:
    QLabel* summary_;
    QTreeWidget* rows_;
};

} // namespace varnolt
