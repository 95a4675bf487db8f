#pragma once
// Regions drawn at a design size: the size they have at the design font. A larger font or a longer text
// makes them as large as their content needs; the design size never cuts their content.
#include <QSize>
#include <QWidget>

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

} // namespace varnolt
