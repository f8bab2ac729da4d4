#include "ui/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/window_layout.h"
#include "scripted_dialogs.h"

namespace quillbat::ui {
namespace {

const QColor kYellowText(255, 255, 0);
const QColor kWhiteText(255, 255, 255);

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    // A program folder with the test phrase files, and a league folder holding a game the
    // home team wins 5-3 as gm05.box, the visitors winning it 9-5 and a 5-5 tie.
    void makeProgramFolder() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        QDir phrases(QUILLBAT_SOURCE_DIR "/tests/ui/phrases");
        for (const QString& name : phrases.entryList({"*.dat"}, QDir::Files)) {
            QVERIFY(QFile::copy(phrases.filePath(name), path(name)));
        }
        QDir(folder_->path()).mkdir("league");
        const QString games = QUILLBAT_SOURCE_DIR "/tests/ui/boxscores/";
        for (auto [from, to] :
             {std::pair{"home-wins.box", "gm05.box"}, std::pair{"visitors-win.box", "won.box"},
              std::pair{"tie.box", "tie.box"}}) {
            QVERIFY(QFile::copy(games + from, path("league/") + to));
        }
    }
    QString path(const QString& name) const { return folder_->filePath(name); }
    void newWindow() {
        window_ = std::make_unique<MainWindow>(folder_->path().toStdString(), dialogs_);
    }
    QString label(const char* name) const { return window_->findChild<QLabel*>(name)->text(); }
    // The texts of the named labels, each followed by "|".
    QString labels(std::initializer_list<const char*> names) const {
        QString texts;
        for (const char* name : names) {
            texts += label(name) + "|";
        }
        return texts;
    }
    static QStringList texts(const QList<QAction*>& actions) {
        QStringList list;
        for (QAction* action : actions) {
            list << action->text();
        }
        return list;
    }
    QColor colour(const char* name) const {
        return window_->findChild<QLabel*>(name)->palette().color(QPalette::WindowText);
    }
    QPlainTextEdit* article() const { return window_->findChild<QPlainTextEdit*>("txtArticle"); }
    void load(const QString& boxscore) {
        dialogs_.files << (boxscore.isEmpty() ? QString() : path(boxscore));
        window_->loadBoxscore();
    }
    void expectTeamColours(const QColor& visitors, const QColor& home) const {
        for (const char* name :
             {"lblVisitors", "lblVisitorScore", "lblVisitorHits", "lblVisitorErrors"}) {
            QCOMPARE(colour(name), visitors);
        }
        for (const char* name : {"lblHome", "lblHomeScore", "lblHomeHits", "lblHomeErrors"}) {
            QCOMPARE(colour(name), home);
        }
    }

    std::unique_ptr<QTemporaryDir> folder_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<MainWindow> window_;

  private slots:
    void init() {
        dialogs_ = ScriptedDialogs();
        makeProgramFolder();
        newWindow();
        QApplication::clipboard()->setText("before");
    }
    void cleanup() { window_.reset(); }

    void looksAsDesigned() {
        QCOMPARE(window_->windowTitle(), QString("Quillbat - Recapulator"));
        QCOMPARE(window_->centralWidget()->palette().color(QPalette::Window), QColor(0, 64, 0));
        QCOMPARE(texts(window_->menuBar()->actions()),
                 QStringList({"Default &Team", "Load &Boxscore", "&Help", "E&xit"}));
        QCOMPARE(texts(window_->findChild<QMenu*>("mnuHelp")->actions()),
                 QStringList({"&About", "&Instructions"}));
        QCOMPARE(labels({"lblBallpark", "lblVisitors", "lblHome", "lblHomeScore", "lblInn",
                         "lblRuns", "lblHits", "lblErrors"}),
                 QString("Welcome|Visitors|Home|0||R|H|E|"));
        QCOMPARE(colour("lblVisitors"), kWhiteText);
        QCOMPARE(window_->findChild<QLabel*>("lblVisitors")->font().pointSizeF(), 27.75);
        QVERIFY(window_->findChild<QLabel*>("lblVisitors")->font().bold());
        QCOMPARE(window_->findChild<QLabel*>("lblDate")->font().pointSizeF(), 18.0);
        QCOMPARE(article()->font().pointSizeF(), 11.25);
        QVERIFY(!article()->isReadOnly());
        QCOMPARE(article()->toPlainText(), QString());
        QCOMPARE(label("lblMain"),
                 QString("This article has automatically been added to your clipboard, if you "
                         "wish to edit it above, when finished, click the COPY TO CLIPBOARD "
                         "button to add it to the clipboard.  To save as a text file in the "
                         "league folder, click SAVE TO FILE."));
        for (auto [name, text] : {std::pair{"cmdClipboard", "Copy To Clipboard"},
                                  std::pair{"cmdSaveFile", "Save To File"}}) {
            QCOMPARE(window_->findChild<QPushButton*>(name)->text(), QString(text));
            QVERIFY(window_->findChild<QPushButton*>(name)->isEnabled());
        }
    }

    void blocksAreCentredOnTheScreen() {
        float dpi = static_cast<float>(window_->screen()->logicalDotsPerInchY());
        QSize screen = window_->screen()->size();
        MainWindowLayout layout = mainWindowLayout(pixelsToTwips(screen.width(), dpi),
                                                   pixelsToTwips(screen.height(), dpi));
        QRect board = window_->findChild<QWidget*>("fraScoreboard")->geometry();
        QCOMPARE(board.left(), twipsToPixels(layout.scoreboard.left, dpi));
        QCOMPARE(board.width(), twipsToPixels(7695, dpi));
        QCOMPARE(article()->geometry().top(), twipsToPixels(layout.article.top, dpi));
        QCOMPARE(window_->findChild<QWidget*>("fraClipboard")->geometry().top(),
                 twipsToPixels(layout.panel.top, dpi));
    }

    void loadFillsScoreboardArticleAndClipboard() {
        load("league/gm05.box");
        QCOMPARE(dialogs_.messages, QStringList());
        QCOMPARE(dialogs_.filters, QStringList({"Boxscores (*.box) (*.box)"}));
        QCOMPARE(dialogs_.startFolders, QStringList({"c:\\"}));
        QCOMPARE(labels({"lblVisitors", "lblVisitorScore", "lblVisitorHits", "lblVisitorErrors",
                         "lblHome", "lblHomeScore", "lblHomeHits", "lblHomeErrors", "lblInn",
                         "lblBallpark", "lblDate"}),
                 QString("Riverton|3|8|1|Harbor City|5|9|0| |Lakeside Park|April 10, 1999|"));
        expectTeamColours(kWhiteText, kYellowText);
        QString text = article()->toPlainText();
        QVERIFY2(text.startsWith("On April 10, 1999"), qPrintable(text));
        QVERIFY2(text.contains("The Harbor City beat the Riverton 5-3.  "), qPrintable(text));
        QCOMPARE(QApplication::clipboard()->text(), text);
        QCOMPARE(fileBytes(path("path.dat")),
                 "\"" + QDir::toNativeSeparators(path("league")).toUtf8() + "\"\r\n");
    }

    void cancelChangesNothing() {
        load("league/gm05.box");
        QString clipboard = QApplication::clipboard()->text();
        QByteArray pathFile = fileBytes(path("path.dat"));
        load("");
        QCOMPARE(article()->toPlainText(), QString());
        QCOMPARE(labels({"lblHome", "lblHomeScore"}), QString("Harbor City|5|"));
        expectTeamColours(kWhiteText, kYellowText);
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
        QCOMPARE(fileBytes(path("path.dat")), pathFile);
        QCOMPARE(dialogs_.messages, QStringList());
    }

    void tieKeepsTheColours() {
        load("league/won.box");
        expectTeamColours(kYellowText, kWhiteText);
        load("league/tie.box");
        QCOMPARE(label("lblVisitorScore") + label("lblHomeScore"), QString("55"));
        expectTeamColours(kYellowText, kWhiteText);
        load("league/gm05.box");
        expectTeamColours(kWhiteText, kYellowText);
    }

    void copyPutsTheEditedTextUnchanged() {
        load("league/gm05.box");
        article()->setPlainText("  My own words.  ");
        window_->findChild<QPushButton*>("cmdClipboard")->click();
        QCOMPARE(QApplication::clipboard()->text(), QString("  My own words.  "));
    }

    void saveWritesTheTrimmedTextOfSixteenCharactersOrMoreBesideTheBoxscore() {
        load("league/gm05.box");
        article()->setPlainText("123456789012345");
        window_->saveToFile();
        QVERIFY(!QFile::exists(path("league/gm05.txt")));
        article()->setPlainText("  The edited article.\nSecond line.  ");
        window_->findChild<QPushButton*>("cmdSaveFile")->click();
        QCOMPARE(fileBytes(path("league/gm05.txt")),
                 QByteArray("The edited article.\r\nSecond line.\r\n"));
        article()->setPlainText("1234567890123456");
        window_->saveToFile();
        QCOMPARE(fileBytes(path("league/gm05.txt")), QByteArray("1234567890123456\r\n"));
        QCOMPARE(dialogs_.messages, QStringList());
    }

    void saveKeepsWindows1252Text() {
        load("league/gm05.box");
        QByteArray scores;
        for (const char* category : {"close", "double", "extra", "normal", "rout", "shutout"}) {
            scores += QByteArray(category) + ",\"Se\xf1or #winners# won.  \"\r\n";
        }
        writeFile(path("score.dat"), scores);
        load("league/gm05.box");
        QVERIFY2(article()->toPlainText().contains(QString::fromUtf8("Se\xc3\xb1or")),
                 qPrintable(article()->toPlainText()));
        window_->saveToFile();
        QVERIFY(fileBytes(path("league/gm05.txt")).contains("Se\xf1or"));

        // An arrow has no Windows-1252 byte: the whole text is then saved as UTF-8, not lost.
        article()->setPlainText(article()->toPlainText() + QString::fromUtf8("\xe2\x86\x92"));
        window_->saveToFile();
        QByteArray saved = fileBytes(path("league/gm05.txt"));
        QVERIFY(saved.contains("Se\xc3\xb1or"));
        QVERIFY(saved.endsWith("\xe2\x86\x92\r\n"));
    }

    void saveBeforeAnyBoxscoreAsksForOne() {
        article()->setPlainText("Sixteen chars...");
        window_->saveToFile();
        QCOMPARE(
            dialogs_.messages,
            QStringList("Please load a boxscore first: the article is saved beside it, under its "
                        "name."));
    }

    void refusedBoxscoreIsReportedAndChangesNothing() {
        load("league/gm05.box");
        writeFile(path("league/bad.box"), "not a boxscore\r\n");
        QString clipboard = QApplication::clipboard()->text();
        load("league/bad.box");
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY2(dialogs_.messages.first().contains("bad.box"),
                 qPrintable(dialogs_.messages.first()));
        QCOMPARE(label("lblHome"), QString("Harbor City"));
        QCOMPARE(QApplication::clipboard()->text(), clipboard);
    }

    // The team typed is kept in team.dat and narrows the next boxscore dialog; a cancel or a
    // number out of range keeps the team before.
    void defaultTeamReadings_data() {
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<QByteArray>("teamFile");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("messages");
        const QString third = "Boxscores (*.box) (*030.box *031.box *032.box)";
        QTest::newRow("12") << std::optional<QString>("12") << QByteArray("12\r\n")
                            << "Boxscores (*.box) (*120.box *121.box *122.box)" << 0;
        QTest::newRow("7.9") << std::optional<QString>("7.9") << QByteArray("7\r\n")
                             << "Boxscores (*.box) (*070.box *071.box *072.box)" << 0;
        QTest::newRow("abc") << std::optional<QString>("abc") << QByteArray("0\r\n")
                             << "Boxscores (*.box) (*000.box *001.box *002.box)" << 0;
        QTest::newRow("-1") << std::optional<QString>("-1") << QByteArray("-1\r\n")
                            << "Boxscores (*.box) (*.box)" << 0;
        QTest::newRow("cancel") << std::optional<QString>() << QByteArray("3\r\n") << third << 0;
        QTest::newRow("-5") << std::optional<QString>("-5") << QByteArray("3\r\n") << third << 1;
        QTest::newRow("40000") << std::optional<QString>("40000") << QByteArray("3\r\n") << third
                               << 1;
    }
    void defaultTeamReadings() {
        QFETCH(std::optional<QString>, typed);
        QFETCH(QByteArray, teamFile);
        QFETCH(QString, filter);
        QFETCH(int, messages);
        dialogs_.texts << QString("3") << typed;
        window_->chooseDefaultTeam();
        QVERIFY(dialogs_.asked.first().startsWith(
            "Default Team Number|Select a team ID number to pull up all home boxscores for that "
            "team.  Set to -1"));
        QVERIFY(dialogs_.asked.first().endsWith("|-1"));
        window_->chooseDefaultTeam();
        QVERIFY(dialogs_.asked.last().endsWith("|3"));
        QCOMPARE(fileBytes(path("team.dat")), teamFile);
        QCOMPARE(dialogs_.messages.size(), messages);
        load("");
        QCOMPARE(dialogs_.filters.last(), filter);
    }

    void settingsAreReadWhenTheWindowLoads() {
        writeFile(path("team.dat"), "12\r\n");
        writeFile(path("path.dat"), "\"/leagues/AL, 1999\"\r\n");
        newWindow();
        load("");
        QCOMPARE(dialogs_.filters.last(),
                 QString("Boxscores (*.box) (*120.box *121.box *122.box)"));
        QCOMPARE(dialogs_.startFolders.last(), QString("/leagues/AL, 1999"));
    }

    void exitClosesTheWindow() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->findChild<QAction*>("mnuExit")->trigger();
        QVERIFY(!window_->isVisible());
    }
};

}  // namespace quillbat::ui

QTEST_MAIN(quillbat::ui::MainWindowTest)
#include "main_window_test.moc"
