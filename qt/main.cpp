// quillbat: the desktop program.
//   quillbat [--seed N] [BOXSCORE]
//   quillbat --version
//   quillbat --help

#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "core/phrase_folders.h"
#include "core/version.h"
#include "desktop/desktop_arguments.h"
#include "desktop/desktop_session.h"
#include "qt/application.h"
#include "qt/conversions.h"
#include "qt/main_window.h"
#include "qt/pictures.h"
#include "qt/splash_window.h"

int main(int argc, char* argv[]) {
    // Read before Qt starts, so that bad arguments get their one line and exit status also
    // without a display (Qt would stop the program first) and without Qt's own warnings.
    auto parsed = quillbat::parseDesktopArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (auto* error = std::get_if<quillbat::DesktopUsageError>(&parsed)) {
        std::fprintf(stderr, "%s\n", error->message.c_str());
        return 2;
    }
    const auto& given = std::get<quillbat::DesktopArguments>(parsed);
    switch (given.start) {
        case quillbat::DesktopStart::kPrintVersion:
            std::printf("quillbat %s\n", std::string(quillbat::programVersion()).c_str());
            return 0;
        case quillbat::DesktopStart::kPrintHelp:
            std::fputs(quillbat::desktopHelp().c_str(), stdout);
            return 0;
        case quillbat::DesktopStart::kWindows:
            break;
    }

    const std::unique_ptr<QApplication> application = quillbat::qt::makeApplication(argc, argv);
    application->setApplicationName("Quillbat");
    application->setWindowIcon(QIcon(quillbat::qt::baseballPicture(64)));

    quillbat::DesktopSession session(quillbat::thisProgramsFileLocations(), quillbat::systemEnv(),
                                     given.seed);
    quillbat::qt::MainWindow mainWindow(session);
    if (given.boxscore) {
        mainWindow.loadWhenShown(quillbat::qt::fromUtf8(*given.boxscore));
    }

    auto* splash = new quillbat::qt::SplashWindow(mainWindow);
    splash->showMaximized();
    return application->exec();
}
