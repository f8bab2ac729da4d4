#include <QApplication>

#include "app/file_system.h"
#include "ui/main_window.h"
#include "ui/pictures.h"
#include "ui/splash_window.h"
#include "ui/user_dialogs.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    application.setApplicationName("Quillbat");
    application.setWindowIcon(QIcon(quillbat::ui::baseballPicture(64)));

    quillbat::ui::QtUserDialogs dialogs;
    quillbat::ui::MainWindow mainWindow(quillbat::programFolder(), dialogs);

    auto* splash = new quillbat::ui::SplashWindow(mainWindow);
    splash->showMaximized();
    return application.exec();
}
