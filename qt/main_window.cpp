#include "qt/main_window.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <utility>

#include "app/default_team.h"
#include "app/desktop_session.h"
#include "app/window_layout.h"
#include "qt/about_window.h"
#include "qt/article_view.h"
#include "qt/dialogs.h"
#include "qt/fonts.h"
#include "qt/instructions_window.h"
#include "qt/scoreboard_view.h"

namespace quillbat::qt {
namespace {

const QColor kDarkGreen(0, 64, 0);
const char* const kPanelText =
    "This article has automatically been added to your clipboard, if you wish to edit it "
    "above, when finished, click the COPY TO CLIPBOARD button to add it to the clipboard.  To "
    "save as a text file in the league folder, click SAVE TO FILE.";

void paintBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QRect pixels(float left, float top, float width, float height, float dotsPerInch) {
    return QRect(twipsToPixels(left, dotsPerInch), twipsToPixels(top, dotsPerInch),
                 twipsToPixels(width, dotsPerInch), twipsToPixels(height, dotsPerInch));
}

QRect pixels(const Box& box, float dotsPerInch) {
    return pixels(box.left, box.top, box.width, box.height, dotsPerInch);
}

QPushButton* colouredButton(const char* name, const char* caption, const QColor& face,
                            QWidget* parent) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(verdanaFont(8.25, true));
    button->setStyleSheet(QString("QPushButton { background-color: %1; color: black; border: 2px "
                                  "outset %1; } QPushButton:pressed { border-style: inset; }")
                              .arg(face.name()));
    return button;
}

// The one local .box file among dropped files, or an empty text.
QString droppedBoxscore(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl& url = data->urls().front();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(".box", Qt::CaseInsensitive)) {
        return {};
    }
    return QDir::toNativeSeparators(url.toLocalFile());
}

}  // namespace

MainWindow::MainWindow(DesktopSession& session, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), session_(session), dialogs_(dialogs) {
    setObjectName("frmMain");
    setWindowTitle("Quillbat - Recapulator");
    auto* client = new QWidget(this);
    paintBackground(client, kDarkGreen);
    setCentralWidget(client);

    float dotsPerInch = static_cast<float>(screen()->logicalDotsPerInchY());
    scoreboard_ = new ScoreboardView(dotsPerInch, client);
    article_ = new ArticleView(client);
    panel_ = buildPanel(dotsPerInch);
    buildMenu();

    // Maximized is asked for when shown; without a window manager that does nothing, so the
    // window already covers the screen's work area.
    setGeometry(screen()->availableGeometry());
    layOutBlocks(dotsPerInch);
    setAcceptDrops(true);
}

MainWindow::~MainWindow() {
    // The small windows have no parent, so that they outlive an Exit; with the main window gone
    // they are closed too.
    delete about_;
    delete instructions_;
}

void MainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    QAction* team = bar->addAction("Default &Team");
    team->setObjectName("mnuTeam");
    connect(team, &QAction::triggered, this, &MainWindow::chooseDefaultTeam);
    QAction* load = bar->addAction("Load &Boxscore");
    load->setObjectName("mnuLoad");
    connect(load, &QAction::triggered, this, &MainWindow::loadBoxscore);
    QAction* phrases = bar->addAction("Open &Phrase Folder");
    phrases->setObjectName("mnuPhrases");
    connect(phrases, &QAction::triggered, this, &MainWindow::openPhraseFolder);
    QMenu* help = bar->addMenu("&Help");
    help->setObjectName("mnuHelp");
    QAction* about = help->addAction("&About");
    about->setObjectName("mnuAbout");
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
    QAction* instructions = help->addAction("&Instructions");
    instructions->setObjectName("mnuInstructions");
    connect(instructions, &QAction::triggered, this, &MainWindow::showInstructions);
    QAction* exit = bar->addAction("E&xit");
    exit->setObjectName("mnuExit");
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

QFrame* MainWindow::buildPanel(float dotsPerInch) {
    auto* panel = new QFrame(centralWidget());
    panel->setObjectName("fraClipboard");
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);

    auto* text = new QLabel(kPanelText, panel);
    text->setObjectName("lblMain");
    text->setFont(verdanaFont(9.75, true));
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text->setWordWrap(true);
    setTextColour(text, kWhite);
    text->setGeometry(pixels(120, 0, 9015, 975, dotsPerInch));

    QPushButton* copy =
        colouredButton("cmdClipboard", "Copy To Clipboard", QColor(128, 255, 128), panel);
    copy->setGeometry(pixels(2520, 840, 2055, 495, dotsPerInch));
    connect(copy, &QPushButton::clicked, this, &MainWindow::copyToClipboard);
    QPushButton* save = colouredButton("cmdSaveFile", "Save To File", QColor(128, 255, 255), panel);
    save->setGeometry(pixels(4800, 840, 2055, 495, dotsPerInch));
    connect(save, &QPushButton::clicked, this, &MainWindow::saveToFile);
    return panel;
}

void MainWindow::layOutBlocks(float dotsPerInch) {
    QSize screenSize = screen()->size();
    MainWindowLayout layout = mainWindowLayout(pixelsToTwips(screenSize.width(), dotsPerInch),
                                               pixelsToTwips(screenSize.height(), dotsPerInch));
    scoreboard_->setGeometry(pixels(layout.scoreboard, dotsPerInch));
    article_->setGeometry(pixels(layout.article, dotsPerInch));
    panel_->setGeometry(pixels(layout.panel, dotsPerInch));
}

void MainWindow::loadBoxscore() {
    // The article box is emptied before the dialog shows, so a cancel leaves it empty.
    article_->setArticle({});
    QString path = dialogs_.chooseOpenFile(nameFilter(session_.openDialogFilter()),
                                           fromUtf8(session_.openDialogFolder()));
    if (!path.isEmpty()) {
        loadFile(path);
    }
}

void MainWindow::loadFile(const QString& path) {
    const GameLoad load = session_.load(toUtf8(path));
    if (load.game) {
        scoreboard_->show(load.game->scoreboard);
        article_->setArticle(load.game->article);
        if (load.complete) {
            copyToClipboard();
        }
    }
    if (!load.message.empty()) {
        dialogs_.showMessage("Load Boxscore", shownText(load.message));
    }
}

void MainWindow::loadWhenShown(const QString& path) {
    loadWhenShown_ = path;
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!loadWhenShown_.isEmpty()) {
        // After the window has been drawn, so that a message about the file stands over it.
        QTimer::singleShot(0, this,
                           [this, path = std::exchange(loadWhenShown_, {})] { loadFile(path); });
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedBoxscore(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    QString path = droppedBoxscore(event->mimeData());
    if (!path.isEmpty()) {
        event->acceptProposedAction();
        loadFile(path);
    }
}

void MainWindow::chooseDefaultTeam() {
    std::optional<QString> typed = dialogs_.askText(kDefaultTeamTitle, kDefaultTeamPrompt,
                                                    fromUtf8(session_.defaultTeamPreset()));
    std::string message =
        session_.setDefaultTeam(typed ? std::optional(toUtf8(*typed)) : std::nullopt);
    if (!message.empty()) {
        dialogs_.showMessage(kDefaultTeamTitle, fromUtf8(message));
    }
}

void MainWindow::copyToClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(article_->toPlainText());
}

void MainWindow::saveToFile() {
    std::string message = session_.saveArticle(article_->article());
    if (!message.empty()) {
        dialogs_.showMessage("Save To File", shownText(message));
    }
}

void MainWindow::openPhraseFolder() {
    const DesktopSession::PhraseFolderOpening opening = session_.openPhraseFolder();
    if (!opening.message.empty()) {
        dialogs_.showMessage("Open Phrase Folder", fromUtf8(opening.message));
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(fromUtf8(opening.folder)))) {
        dialogs_.showMessage("Open Phrase Folder",
                             "The phrase files are in " + fromUtf8(opening.folder));
    }
}

void MainWindow::showAbout() {
    if (!about_) {
        about_ = new AboutWindow(dialogs_);
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::showInstructions() {
    if (!instructions_) {
        instructions_ = new InstructionsWindow();
    }
    instructions_->show();
    instructions_->raise();
    instructions_->activateWindow();
}

}  // namespace quillbat::qt
