// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QString>
#include <QStyle>
#include <algorithm>

namespace varnolt {

namespace {

QMessageBox::Icon ToQt(Icon icon) {
    switch (icon) {
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

// The buttons and the one that Enter presses.
void AddButtons(QMessageBox& box, Buttons buttons) {
    switch (buttons) {
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return;
    case Buttons::AbortRetryIgnore:
        box.setStandardButtons(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
        box.setDefaultButton(QMessageBox::Retry);
        return;
    case Buttons::Ok:
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
}

// Escape and the close box give the box's escape button: No, Abort or OK.
Answer FromQt(QMessageBox::StandardButton button, Buttons buttons) {
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Abort:
        return Answer::Abort;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Ignore:
        return Answer::Ignore;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        break;
    }
    switch (buttons) {
    case Buttons::YesNo:
        return Answer::No;
    case Buttons::AbortRetryIgnore:
        return Answer::Abort;
    case Buttons::Ok:
        break;
    }
    return Answer::Ok;
}

// A box as narrow as a short text would have its title elided by the window manager ("Inf...ion"): the
// box is kept as wide as the title with room for the title bar's icon and three buttons beside it.
void KeepTitleWhole(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    const QFontMetrics metrics(QApplication::font("QMdiSubWindowTitleBar"));
    const int titleBar = std::max(box.style()->pixelMetric(QStyle::PM_TitleBarHeight), metrics.height());
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 5 * titleBar;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

} // namespace

Answer QtMessageBoxes::Show(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) {
    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(QString::fromStdString(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    box.setIcon(ToQt(icon));
    AddButtons(box, buttons);
    KeepTitleWhole(box);
    box.exec();
    return FromQt(box.standardButton(box.clickedButton()), buttons);
}

} // namespace varnolt
