// The Qt program as a user starts it, without a display: --help and --version answer before
// any display is needed, and the windows' start ends with one line instead of Qt's abort.

#include <QProcess>
#include <QtTest>

#include "core/version.h"
#include "desktop/desktop_arguments.h"
#include "desktop/window_design.h"

namespace quillbat::qt {

// Runs quillbat with the arguments on the Qt platform given, without a display.
void runWithoutADisplay(QProcess& program, const QString& platform, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", platform);
    program.setProcessEnvironment(environment);
    program.start(QUILLBAT_BUILD_DIR "/quillbat", arguments);
    QVERIFY(program.waitForFinished(-1));
}

class ProgramTest : public QObject {
    Q_OBJECT

  private slots:
    void answersWithoutADisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const auto text = [](std::string_view utf8) {
            return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        };
        QTest::newRow("help") << QStringList{"--help"} << 0 << text(desktopHelp()) << "";
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << "quillbat " + text(programVersion()) + "\n"
                                 << "";
        QTest::newRow("the windows") << QStringList{} << 1 << "" << text(kNoDisplay) + "\n";
        QTest::newRow("a boxscore to show")
            << QStringList{"--seed", "7", "gm05.box"} << 1 << "" << text(kNoDisplay) + "\n";
    }
    void answersWithoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        // The platform a Linux desktop session chooses: X11 through xcb.
        runWithoutADisplay(program, "xcb", arguments);
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), out);
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
        QCOMPARE(program.exitCode(), status);
    }

    // A platform that cannot start for another reason than a missing display is Qt's to tell.
    void anotherFailureToStartIsLeftToQt() {
        QProcess program;
        runWithoutADisplay(program, "no-such-platform", {});
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);
        QVERIFY2(err.startsWith("qt.qpa.plugin: Could not find the Qt platform plugin "
                                "\"no-such-platform\""),
                 qPrintable(err));
    }
};

}  // namespace quillbat::qt

QTEST_GUILESS_MAIN(quillbat::qt::ProgramTest)
#include "program_test.moc"
