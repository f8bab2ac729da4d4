// The Qt windows over a desktop session with its files in memory, on the offscreen platform,
// through the real controller. What the controller decides is tested against a view in memory;
// these tests check what only the Qt widgets do: they show the game, carry the names that tests
// and accessibility find them by, put HTML on the clipboard and show refusals with the warning
// icon.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/save_article.h"
#include "desktop/desktop_session.h"
#include "desktop/window_design.h"
#include "qt/about_window.h"
#include "qt/conversions.h"
#include "qt/main_window.h"
#include "qt/splash_window.h"
#include "tests/support/memory_env.h"
#include "tests/support/test_games.h"

namespace quillbat::qt {
namespace {

// The settings and the boxscore in one folder, the phrase files in another.
const std::filesystem::path kPhrases = kMemoryFolder / "phrases";

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QPlainTextEdit* article() const { return window_->findChild<QPlainTextEdit*>("txtArticle"); }
    // What the window shows: the scoreboard's labels, the article box and the clipboard.
    QString shown() const {
        QString texts;
        for (QLabel* label :
             window_->findChild<QWidget*>("fraScoreboard")->findChildren<QLabel*>()) {
            texts += label->text() + "|";
        }
        return texts + article()->toPlainText() + "|" + QApplication::clipboard()->text();
    }
    // The article of the worked example with seed 7, the session's first.
    static std::string exampleArticle() { return testArticle(kWorkedExample, 7); }

    void load() { window_->controller().loadFile(pathToUtf8(kMemoryFolder / "gm05.box")); }

    // A start of the program over the files in memory: the session reads the settings files.
    void start() {
        window_.reset();
        session_ = std::make_unique<DesktopSession>(
            FileLocations{kMemoryFolder, kPhrases, kPhrases, kPhrases, "c:\\"}, env_, 7);
        window_ = std::make_unique<MainWindow>(*session_);
    }

    // What act showed in a message box, which is closed; an empty text when it showed none.
    struct ShownMessage {
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
    };
    static ShownMessage closeMessageOf(const std::function<void()>& act) {
        ShownMessage shown;
        QObject whileActing;
        QTimer::singleShot(0, &whileActing, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = {box->text(), box->icon()};
                box->accept();
            }
        });
        act();
        return shown;
    }

    MemoryEnv env_;
    std::unique_ptr<DesktopSession> session_;
    std::unique_ptr<MainWindow> window_;

  private slots:
    void init() {
        env_ = MemoryEnv();
        env_.copyFromDisk(kTestPhrases, kPhrases);
        env_.files[kMemoryFolder / "gm05.box"] =
            systemEnv().readFile(kWorkedExample, kWorkedExample);
        // No settings files: every setting at its default.
        start();
        QApplication::clipboard()->setText("before");
    }
    void cleanup() { window_.reset(); }

    void loadFillsTheScoreboardTheArticleBoxAndTheClipboardAndSaveGivesTheBytesBack() {
        load();
        const QString text = shownText(exampleArticle());
        QCOMPARE(shown(), "Lakeside Park|April 10, 1999|R|H|E|Riverton|3|8|1|Harbor City|5|9|0| |" +
                              text + "|" + text);
        QCOMPARE(window_->findChild<QLabel*>("lblHomeHits")->palette().color(QPalette::WindowText),
                 QColor(255, 255, 0));
        // The article box gives back the bytes it was shown from (Windows-1252 here).
        window_->findChild<QPushButton*>("cmdSaveFile")->click();
        QCOMPARE(env_.files[kMemoryFolder / "gm05.txt"], savedArticleText(exampleArticle()));
    }

    // The splash is checked by what it asks of its timer and by what it does when the timer
    // fires, never by the time that passes.
    void splashAsksForAPreciseSingleShotAndThenHandsOver() {
        QWidget mainWindow;
        QPointer<SplashWindow> splash = new SplashWindow(mainWindow);
        splash->show();
        auto* timer = splash->findChild<QTimer*>("tmrSplash");
        QVERIFY(timer != nullptr);
        QVERIFY(timer->isActive() && timer->isSingleShot());
        QCOMPARE(timer->interval(), 2500);
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        QVERIFY(!mainWindow.isVisible());
        QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
        QVERIFY(mainWindow.isVisible() && mainWindow.isMaximized());
        QVERIFY(!splash->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(splash.isNull());
    }

    // Copy As renders what the article box shows now, edits kept; HTML also goes as HTML.
    void copyAsWaitsForAGameAndKeepsTheEdits() {
        auto* html = window_->findChild<QAction*>("mnuCopyAsHtml");
        QVERIFY(!html->isEnabled());
        load();
        article()->setPlainText("An edited article.");
        html->trigger();
        const QString expected =
            shownText(*session_->renderAs(ArticleFormat::kHtml, "An edited article."));
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(html->isEnabled() && expected.contains(">An edited article.</p>"));
        QCOMPARE(copied->html(), expected);
        QCOMPARE(copied->text(), expected);
    }

    // A setting of the Options menu (its text is the table's, as for every item): an item with a
    // check mark, off at first; chosen, it is checked and says what it has to say, and a restart
    // shows it checked.
    void settingsAreCheckedAndStayCheckedAfterARestart_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("Newspaper Names") << "mnuNewspaperNames" << fromUtf8(kNewspaperNamesOn);
        QTest::newRow("Game Story") << "mnuGameStory" << fromUtf8(kGameStoryOn);
    }
    void settingsAreCheckedAndStayCheckedAfterARestart() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        auto* setting = window_->findChild<QAction*>(name);
        QVERIFY(setting != nullptr);
        QVERIFY(setting->isCheckable() && !setting->isChecked());
        const ShownMessage shown = closeMessageOf([setting] { setting->trigger(); });
        QVERIFY(setting->isChecked());
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.icon, QMessageBox::Information);
        start();
        QVERIFY(window_->findChild<QAction*>(name)->isChecked());
        for (const QAction* other : window_->findChild<QMenu*>("mnuOptions")->actions()) {
            QCOMPARE(other->isChecked(), other->objectName() == name);
        }
    }

    // Every command of the menu table is an action of the menu it belongs to, found by its name.
    void everyMenuRowIsAnActionByItsName() {
        forEachMenuCommand([this](const MenuItem& item, MenuCommand) {
            auto* action = window_->findChild<QAction*>(fromUtf8(item.name));
            QVERIFY2(action != nullptr, item.name.data());
            QCOMPARE(action->text(), fromUtf8(item.text));
        });
    }

    // A refusal or a failure shows in a message box with the warning icon.
    void refusalsCarryTheWarningIcon_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("Save To File before a load")
            << "cmdSaveFile" << fromUtf8(kLoadBoxscoreFirst);
        QTest::newRow("System Info") << "cmdSysInfo" << fromUtf8(kSystemInfoUnavailable);
    }
    void refusalsCarryTheWarningIcon() {
        QFETCH(QString, button);
        QFETCH(QString, text);
        article()->setPlainText("An article typed before any game was loaded.");
        window_->findChild<QAction*>("mnuAbout")->trigger();
        QPushButton* pressed = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            pressed = pressed != nullptr ? pressed : widget->findChild<QPushButton*>(button);
        }
        QVERIFY(pressed != nullptr);
        const ShownMessage shown = closeMessageOf([pressed] { pressed->click(); });
        QCOMPARE(shown.text, text);
        QCOMPARE(shown.icon, QMessageBox::Warning);
    }

    // The progress of long work shows in a dialog over the window until it ends.
    void progressShowsUntilTheWorkEnds() {
        window_->show();
        window_->showProgress("League Paper", "Writing the league paper: 1 of 2 games", 1, 2);
        auto* progress = window_->findChild<QProgressDialog*>("dlgProgress");
        QVERIFY(progress != nullptr && progress->isVisible());
        QCOMPARE(progress->windowTitle(), "League Paper");
        QCOMPARE(progress->labelText(), "Writing the league paper: 1 of 2 games");
        QCOMPARE(progress->value(), 1);
        QCOMPARE(progress->maximum(), 2);
        window_->endProgress();
        QVERIFY(window_->findChild<QProgressDialog*>("dlgProgress") == nullptr);
    }

    void aboutOpenedTwiceIsOneWindow() {
        window_->findChild<QAction*>("mnuAbout")->trigger();
        window_->findChild<QAction*>("mnuAbout")->trigger();
        int shown = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            shown += qobject_cast<AboutWindow*>(widget) != nullptr && widget->isVisible() ? 1 : 0;
        }
        QCOMPARE(shown, 1);
    }
};

}  // namespace quillbat::qt

QTEST_MAIN(quillbat::qt::MainWindowTest)
#include "main_window_test.moc"
