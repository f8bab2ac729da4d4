#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "scripted_dialogs.h"
#include "ui/about_window.h"
#include "ui/instructions_window.h"
#include "ui/main_window.h"
#include "ui/splash_window.h"

namespace quillbat::ui {
namespace {

template <typename Window>
QList<Window*> openWindows() {
    QList<Window*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible()) {
            windows << window;
        }
    }
    return windows;
}

QString labelText(QWidget* window, const char* name) {
    return window->findChild<QLabel*>(name)->text();
}

}  // namespace

class SmallWindowsTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    ScriptedDialogs dialogs_;

  private slots:
    void splashHandsOverToTheMainWindow() {
        MainWindow main(folder_.path().toStdString(), dialogs_);
        QElapsedTimer shown;
        shown.start();
        QPointer<SplashWindow> splash = new SplashWindow(main);
        splash->showMaximized();
        QCOMPARE(splash->windowTitle(), QString("Welcome to Quillbat"));
        QCOMPARE(labelText(splash, "lblSplash"), QString("Quillbat"));
        QCOMPARE(splash->findChild<QLabel*>("lblSplash")->font().pointSizeF(), 72.0);
        QVERIFY(!main.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(main.isVisible(), 10000);
        QVERIFY2(shown.elapsed() >= 2500, qPrintable(QString::number(shown.elapsed())));
        QVERIFY(main.isMaximized());
        QTRY_VERIFY(splash.isNull());
    }

    void aboutTwiceGivesOneWindow() {
        MainWindow main(folder_.path().toStdString(), dialogs_);
        main.showAbout();
        main.showAbout();
        QList<AboutWindow*> windows = openWindows<AboutWindow>();
        QCOMPARE(windows.size(), 1);
        AboutWindow* about = windows.first();
        QCOMPARE(about->windowTitle(), QString("About Quillbat"));
        QCOMPARE(labelText(about, "lblVersion"), QString("Version 2.1.4"));
        QCOMPARE(labelText(about, "lblTitle"), QString("Quillbat Software"));
        QCOMPARE(labelText(about, "lblName"), QString("Quillbat"));
        QCOMPARE(labelText(about, "lblDescription"),
                 QString("This application generates an article about a baseball game from "
                         "boxscore.  This program is not affiliated with Diamond Mind Baseball "
                         "or Imagine Sports in any manner."));
        QCOMPARE(about->palette().color(QPalette::Window), QColor(128, 255, 128));
        QPointer<AboutWindow> closed = about;
        about->findChild<QPushButton*>("cmdOk")->click();
        QTRY_VERIFY(closed.isNull());
        main.showAbout();
        QCOMPARE(openWindows<AboutWindow>().size(), 1);
    }

    void systemInfoIsUnavailableWithoutTheRegistry() {
#ifdef _WIN32
        QSKIP("the real registry may name the tool");
#endif
        MainWindow main(folder_.path().toStdString(), dialogs_);
        main.showAbout();
        openWindows<AboutWindow>().first()->findChild<QPushButton*>("cmdSysInfo")->click();
        QCOMPARE(dialogs_.messages, QStringList("System Information Is Unavailable At This Time"));
        QCOMPARE(openWindows<AboutWindow>().size(), 1);
    }

    void instructionsSayWhatTheyShould() {
        MainWindow main(folder_.path().toStdString(), dialogs_);
        main.showInstructions();
        main.showInstructions();
        QList<InstructionsWindow*> windows = openWindows<InstructionsWindow>();
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows.first()->windowTitle(), QString("Quillbat Instructions"));
        QStringList texts;
        for (QLabel* label : windows.first()->findChildren<QLabel*>()) {
            texts << label->text();
        }
        QCOMPARE(
            texts,
            QStringList(
                {"Player Names",
                 "Since all information is derived solely from the boxscores, each player must "
                 "have a unique name.  Common last names, should have an initial after them.  A "
                 "comma is okay, but a space is not.  Good examples are Smith,B or Smith,Br or "
                 "SmithB. A bad example would be Smith, B.",
                 "Default Team",
                 "Select a team ID number to pull up all home boxscores for that team.  Set to "
                 "-1 (negative 1) to choose from ALL boxscores. Team IDs can be found in the DMB "
                 "game by clicking on View-Organizer-Teams under the ID heading.  Disregard UID.",
                 "Load Boxscore",
                 "Choose the boxscore you want to generate an article for.  Once selected, the "
                 "article is copied to the clipboard for pasting and displayed in the text box "
                 "for editing.",
                 "Save To File",
                 "When you hit the Save To File button, Quillbat will save the contents of the "
                 "textbox to a file in the same folder with the same name as the boxscore with a "
                 ".txt extension."}));
        QVERIFY(windows.first()->findChildren<QLabel*>().first()->font().bold());
        QVERIFY(!windows.first()->findChildren<QLabel*>().at(1)->font().bold());
    }
};

}  // namespace quillbat::ui

QTEST_MAIN(quillbat::ui::SmallWindowsTest)
#include "small_windows_test.moc"
