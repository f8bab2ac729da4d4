#include "qt/scoreboard_view.h"

#include "desktop/window_layout.h"
#include "qt/conversions.h"
#include "qt/fonts.h"

namespace quillbat::qt {

void setTextColour(QWidget* widget, Rgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, qColor(colour));
    widget->setPalette(palette);
}

QRect pixels(const Box& twips, float dotsPerInch) {
    return QRect(twipsToPixels(twips.left, dotsPerInch), twipsToPixels(twips.top, dotsPerInch),
                 twipsToPixels(twips.width, dotsPerInch), twipsToPixels(twips.height, dotsPerInch));
}

ScoreboardView::ScoreboardView(float dotsPerInch, QWidget* parent) : QFrame(parent) {
    setObjectName(fromUtf8(kScoreboardName));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const ControlDesign& design = kScoreboardLabels[i].design;
        auto* label = new QLabel(fromUtf8(design.caption), this);
        label->setObjectName(fromUtf8(design.name));
        label->setFont(designedFont(design.font));
        label->setAlignment(design.alignment == Alignment::Left ? Qt::AlignLeft | Qt::AlignVCenter
                                                                : Qt::Alignment(Qt::AlignCenter));
        label->setGeometry(pixels(design.place, dotsPerInch));
        setTextColour(label, kWhite);
        labels_[i] = label;
    }
}

void ScoreboardView::show(const ScoreboardValues& values) {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const ScoreboardField field = kScoreboardLabels[i].field;
        if (std::optional<std::string> text = scoreboardText(values, field)) {
            labels_[i]->setText(fromUtf8(*text));
        }
        if (std::optional<Rgb> colour = scoreboardColour(values, field)) {
            setTextColour(labels_[i], *colour);
        }
    }
}

}  // namespace quillbat::qt
