// The Qt windows over a desktop session, on the offscreen platform: the dialogs answer from a
// script and the session writes into memory. What the session decides is tested with it; these
// tests check that each window shows it and passes the user's answers on.

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "app/default_team.h"
#include "app/desktop_session.h"
#include "app/save_article.h"
#include "qt/about_window.h"
#include "qt/dialogs.h"
#include "qt/main_window.h"
#include "qt/splash_window.h"
#include "tests/app/test_env.h"

namespace quillbat::qt {
namespace {

const QString kGame = fromUtf8(kWorkedExample);

// Dialogs that answer from a script and note what they were asked and told.
class ScriptedDialogs final : public Dialogs {
  public:
    QString chooseOpenFile(const QString& nameFilter, const QString& startFolder) override {
        asked << nameFilter + "|" + startFolder;
        return file;
    }
    std::optional<QString> askText(const QString& title, const QString& prompt,
                                   const QString& preset) override {
        asked << title + "|" + prompt + "|" + preset;
        return typed;
    }
    void showMessage(const QString& title, const QString& text) override {
        messages << title + ": " + text;
    }

    QString file;                  // chosen in the Open dialog; empty for a cancel
    std::optional<QString> typed;  // typed into the input box; nothing for a cancel
    QStringList asked;
    QStringList messages;
};

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

    FakeEnv env_;
    std::unique_ptr<DesktopSession> session_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<MainWindow> window_;

  private slots:
    void init() {
        env_ = FakeEnv();
        // No settings files: both settings at their defaults. Every write goes to env_.
        session_ = std::make_unique<DesktopSession>(
            testLocations(kSourceFolder / "tests/qt", kTestPhrases), env_, 7);
        dialogs_ = ScriptedDialogs();
        window_ = std::make_unique<MainWindow>(*session_, dialogs_);
        QApplication::clipboard()->setText("before");
    }
    void cleanup() { window_.reset(); }

    void loadFillsTheScoreboardTheArticleBoxAndTheClipboard() {
        dialogs_.file = kGame;
        window_->loadBoxscore();
        QCOMPARE(dialogs_.asked, QStringList("Boxscores (*.box)|c:\\"));
        const QString text = shownText(exampleArticle());
        QCOMPARE(shown(), "Lakeside Park|April 10, 1999|R|H|E|Riverton|3|8|1|Harbor City|5|9|0| |" +
                              text + "|" + text);
        QCOMPARE(window_->findChild<QLabel*>("lblHomeHits")->palette().color(QPalette::WindowText),
                 QColor(255, 255, 0));
        QCOMPARE(dialogs_.messages, QStringList());
    }

    void refusedFileLeavesTheWindowAsItWas() {
        window_->loadFile(kGame);
        const QString before = shown();
        const QString missing = fromUtf8(pathToUtf8(kSourceFolder / "tests/qt/missing.box"));
        window_->loadFile(missing);
        QCOMPARE(shown(), before);
        QCOMPARE(dialogs_.messages,
                 QStringList("Load Boxscore: " + missing + ": cannot be opened: no such file"));
    }

    void saveToFile_data() {
        QTest::addColumn<QString>("edited");    // a null text: the article as loaded
        QTest::addColumn<QByteArray>("saved");  // a null text: the write fails
        QTest::newRow("as loaded, in Windows-1252")
            << QString() << QByteArray::fromStdString(savedArticleText(exampleArticle()));
        QTest::newRow("edited") << "  The edited article.\nSecond line.  "
                                << QByteArray("The edited article.\r\nSecond line.\r\n");
        QTest::newRow("beyond Windows-1252")
            << QString::fromUtf8("se\xc3\xb1or \xe2\x86\x92 an arrow")
            << QByteArray("se\xc3\xb1or \xe2\x86\x92 an arrow\r\n");
        QTest::newRow("failed write") << QString() << QByteArray();
    }
    void saveToFile() {
        QFETCH(QString, edited);
        QFETCH(QByteArray, saved);
        window_->loadFile(kGame);
        if (!edited.isNull()) {
            article()->setPlainText(edited);
        }
        env_.files.clear();
        env_.failWrites = saved.isNull();
        window_->findChild<QPushButton*>("cmdSaveFile")->click();
        const std::string file = articleFileName(toUtf8(kGame));
        QCOMPARE(QByteArray::fromStdString(env_.files[pathFromUtf8(file)]), saved);
        QCOMPARE(dialogs_.messages.join(""),
                 saved.isNull()
                     ? "Save To File: cannot write " + fromUtf8(file) + ": No space left on device"
                     : QString());
    }

    void defaultTeam_data() {
        QTest::addColumn<std::optional<QString>>("typed");  // nothing: a cancel
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("message");
        QTest::newRow("12") << std::optional<QString>("12")
                            << "Boxscores (*120.box *121.box *122.box)" << QString();
        QTest::newRow("cancel") << std::optional<QString>() << "Boxscores (*.box)" << QString();
        QTest::newRow("40000") << std::optional<QString>("40000") << "Boxscores (*.box)"
                               << "Default Team Number: The default team must be a team ID from "
                                  "0 to 32767, or -1 for all boxscores; it stays -1.";
    }
    void defaultTeam() {
        QFETCH(std::optional<QString>, typed);
        QFETCH(QString, filter);
        QFETCH(QString, message);
        dialogs_.typed = typed;
        window_->findChild<QAction*>("mnuTeam")->trigger();
        window_->loadBoxscore();
        QCOMPARE(dialogs_.asked,
                 QStringList({QString("Default Team Number|") + kDefaultTeamPrompt + "|-1",
                              filter + "|c:\\"}));
        QCOMPARE(dialogs_.messages.join(""), message);
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
        window_->loadFile(kGame);
        article()->setPlainText("An edited article.");
        html->trigger();
        const QString expected =
            shownText(*session_->renderAs(ArticleFormat::kHtml, "An edited article."));
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(html->isEnabled() && expected.contains(">An edited article.</p>"));
        QCOMPARE(copied->html(), expected);
        QCOMPARE(copied->text(), expected);
    }

    void newspaperNamesIsCheckedAndRemembered() {
        auto* names = window_->findChild<QAction*>("mnuNewspaperNames");
        QVERIFY(names->isCheckable() && !names->isChecked());
        names->trigger();
        QVERIFY(names->isChecked());
        QCOMPARE(env_.files[kSourceFolder / "tests/qt/names.dat"], "newspaper\r\n");
        QCOMPARE(session_->nameStyle(), NameStyle::kNewspaper);
    }

    void aboutOpenedTwiceIsOneWindow() {
        window_->showAbout();
        window_->showAbout();
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
