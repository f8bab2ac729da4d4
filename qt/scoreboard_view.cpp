#include "qt/scoreboard_view.h"

#include "app/window_layout.h"
#include "qt/dialogs.h"
#include "qt/fonts.h"

namespace quillbat::qt {

void setTextColour(QWidget* widget, Rgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    widget->setPalette(palette);
}

ScoreboardView::ScoreboardView(float dotsPerInch, QWidget* parent)
    : QFrame(parent), dotsPerInch_(dotsPerInch) {
    setObjectName("fraScoreboard");
    setFrameStyle(QFrame::Box | QFrame::Sunken);

    const QFont heading = impactFont(18);
    const QFont big = impactFont(27.75, true);
    const Qt::Alignment centred = Qt::AlignCenter;
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;

    ballpark_ = addLabel("lblBallpark", "Welcome", 120, 0, 6855, 495, heading, centred);
    date_ = addLabel("lblDate", "", 120, 600, 4455, 495, heading, left);
    addLabel("lblRuns", "R", 4800, 600, 495, 375, heading, centred);
    addLabel("lblHits", "H", 5640, 600, 495, 375, heading, centred);
    addLabel("lblErrors", "E", 6480, 600, 495, 375, heading, centred);
    teamName_[kVisitors] = addLabel("lblVisitors", "Visitors", 120, 960, 4215, 735, big, left);
    runs_[kVisitors] = addLabel("lblVisitorScore", "0", 4680, 960, 735, 735, big, centred);
    hits_[kVisitors] = addLabel("lblVisitorHits", "0", 5520, 960, 735, 735, big, centred);
    errors_[kVisitors] = addLabel("lblVisitorErrors", "0", 6360, 960, 735, 735, big, centred);
    teamName_[kHome] = addLabel("lblHome", "Home", 120, 1560, 4215, 735, big, left);
    runs_[kHome] = addLabel("lblHomeScore", "0", 4680, 1560, 735, 735, big, centred);
    hits_[kHome] = addLabel("lblHomeHits", "0", 5520, 1560, 735, 735, big, centred);
    errors_[kHome] = addLabel("lblHomeErrors", "0", 6360, 1560, 735, 735, big, centred);
    innings_ = addLabel("lblInn", "", 6960, 1373, 600, 375, heading, centred);
}

QLabel* ScoreboardView::addLabel(const char* name, const char* caption, int left, int top,
                                 int width, int height, const QFont& font,
                                 Qt::Alignment alignment) {
    auto* label = new QLabel(QString::fromLatin1(caption), this);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(alignment);
    label->setGeometry(twipsToPixels(static_cast<float>(left), dotsPerInch_),
                       twipsToPixels(static_cast<float>(top), dotsPerInch_),
                       twipsToPixels(static_cast<float>(width), dotsPerInch_),
                       twipsToPixels(static_cast<float>(height), dotsPerInch_));
    setTextColour(label, kWhite);
    return label;
}

void ScoreboardView::show(const ScoreboardValues& values) {
    for (int team : {kVisitors, kHome}) {
        teamName_[team]->setText(shownText(values.teamName[team]));
        runs_[team]->setText(shownText(values.runs[team]));
        hits_[team]->setText(shownText(values.hits[team]));
        errors_[team]->setText(shownText(values.errors[team]));
    }
    innings_->setText(shownText(values.innings));
    ballpark_->setText(shownText(values.ballparkName));
    date_->setText(shownText(values.gameDate));
    if (values.colours) {
        for (int team : {kVisitors, kHome}) {
            Rgb colour = team == kVisitors ? values.colours->visitors : values.colours->home;
            for (QLabel* label : {teamName_[team], runs_[team], hits_[team], errors_[team]}) {
                setTextColour(label, colour);
            }
        }
    }
}

}  // namespace quillbat::qt
