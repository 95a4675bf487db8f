// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Regions drawn at a design size: the size they have at the design font. A larger font or a longer text
// makes them as large as their content needs; the design size never cuts their content.
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSize>
#include <QWidget>
#include <algorithm>

namespace varnolt {

class DesignSizedPanel : public QWidget {
  public:
    // A dimension of 0 in `design` follows the content alone.
    DesignSizedPanel(QSize design, QWidget* parent) : QWidget(parent), design_(design) {}

    // In a designed dimension the panel asks for what its content needs and no more: a text box's roomier
    // preference would otherwise widen the option column at every font.
    QSize sizeHint() const override {
        QSize hint = QWidget::sizeHint();
        const QSize need = minimumSizeHint();
        if (design_.width() > 0) hint.setWidth(need.width());
        if (design_.height() > 0) hint.setHeight(need.height());
        return hint;
    }
    QSize minimumSizeHint() const override { return QWidget::minimumSizeHint().expandedTo(design_); }

  private:
    QSize design_;
};

// A column that scrolls up and down when the screen is too low for its content, so that its content never
// decides the window's least height. It asks for its content's whole height and is as wide as the content,
// with room for the scroll bar only while the bar shows: with room to spare it looks like the content alone.
class VerticalScrollColumn : public QScrollArea {
  public:
    explicit VerticalScrollColumn(QWidget* parent) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setWidgetResizable(true);
        // The controls inside take the focus, not the column.
        setFocusPolicy(Qt::NoFocus);
        verticalScrollBar()->installEventFilter(this);
    }

    QSize sizeHint() const override { return {Width(), UnscrolledHeight()}; }
    QSize minimumSizeHint() const override { return {Width(), QScrollArea::minimumSizeHint().height()}; }

    // The height at which the whole content shows, wrapped texts included.
    int UnscrolledHeight() const {
        const QWidget* content = widget();
        if (!content) return 0;
        const QSize least = content->minimumSizeHint();
        const int wrapped = content->hasHeightForWidth() ? content->heightForWidth(least.width()) : 0;
        return std::max(least.height(), wrapped);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The scroll bar came or went, or the content needs another size (a font, a shown option).
        const QEvent::Type type = event->type();
        const bool bar = watched == verticalScrollBar() && (type == QEvent::Show || type == QEvent::Hide);
        if (bar || (watched == widget() && type == QEvent::LayoutRequest)) updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }

  private:
    // The content's width, and the scroll bar's while it shows (never before the column is first shown: its
    // height until then is not the one it gets).
    int Width() const {
        if (!widget()) return 0;
        const QScrollBar* bar = verticalScrollBar();
        const bool shown = isVisible() && bar->isVisibleTo(this);
        return widget()->minimumSizeHint().width() + (shown ? bar->sizeHint().width() : 0);
    }
};

} // namespace varnolt
