#include "qt/splash_window.h"

#include <QLabel>
#include <QScreen>

#include "desktop/window_design.h"
#include "desktop/window_layout.h"
#include "qt/conversions.h"
#include "qt/fonts.h"
#include "qt/pictures.h"
#include "qt/scoreboard_view.h"
#include "qt/window_look.h"

namespace quillbat::qt {
SplashWindow::SplashWindow(QWidget& mainWindow) : mainWindow_(mainWindow) {
    setObjectName("frmSplash");
    setWindowTitle(fromUtf8(kSplashTitle));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    paintBackground(this, kWhite);

    auto* name = new QLabel(fromUtf8(kSplashName), this);
    name->setObjectName("lblSplash");
    name->setFont(designedFont(kSplashNameFont));
    name->setAlignment(Qt::AlignCenter);
    setTextColour(name, kBlue);
    name->adjustSize();

    QSize screenSize = screen()->size();
    setGeometry(screen()->geometry());
    auto* picture = new QLabel(this);
    picture->setObjectName("picMain");
    picture->setPixmap(baseballPicture(screenSize.height() / 3));
    picture->adjustSize();

    SplashLayout layout = splashLayout(
        static_cast<float>(screenSize.width()), static_cast<float>(screenSize.height()),
        static_cast<float>(name->width()), static_cast<float>(name->height()),
        static_cast<float>(picture->width()), static_cast<float>(picture->height()));
    name->move(static_cast<int>(layout.name.left), static_cast<int>(layout.name.top));
    picture->move(static_cast<int>(layout.picture.left), static_cast<int>(layout.picture.top));

    timer_.setObjectName("tmrSplash");
    timer_.setSingleShot(true);
    // Qt's default coarse timer may fire up to 5% early; the splash stands its full time.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kSplashMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &SplashWindow::handOver);
    timer_.start();
}

void SplashWindow::handOver() {
    mainWindow_.showMaximized();
    close();
}

}  // namespace quillbat::qt
