#include "ui/main_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <exception>

#include "app/default_team.h"
#include "app/folder_phrase_source.h"
#include "app/load_command.h"
#include "app/save_article.h"
#include "app/text_encoding.h"
#include "app/window_layout.h"
#include "ui/about_window.h"
#include "ui/article_view.h"
#include "ui/fonts.h"
#include "ui/instructions_window.h"
#include "ui/scoreboard_view.h"
#include "ui/user_dialogs.h"

namespace quillbat::ui {
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

}  // namespace

MainWindow::MainWindow(std::filesystem::path programFolder, UserDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      programFolder_(std::move(programFolder)),
      dialogs_(dialogs),
      settings_(programFolder_) {
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
    settings_.load();
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
    DialogBoxscoreChooser chooser(dialogs_);
    SystemClipboard clipboard;
    FolderPhraseSource phrases(programFolder_);
    LoadSeams seams{chooser, *scoreboard_, *article_, clipboard, settings_, phrases};
    LoadOutcome outcome;
    try {
        outcome = runLoadCommand(seams);
    } catch (const std::exception& error) {
        outcome.status = LoadOutcome::Status::Failed;
        outcome.message = error.what();
    }
    if (!outcome.boxscorePath.empty()) {
        lastBoxscore_ = outcome.boxscorePath;
    }
    if (!outcome.message.empty()) {
        dialogs_.showMessage("Load Boxscore", fromUtf8(displayText(outcome.message)));
    }
}

void MainWindow::chooseDefaultTeam() {
    DialogTextInputBox inputBox(dialogs_);
    std::string message = runDefaultTeamCommand(inputBox, settings_);
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
    std::string message = quillbat::saveToFile(lastBoxscore_, article_->text());
    if (!message.empty()) {
        dialogs_.showMessage("Save To File", fromUtf8(message));
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

}  // namespace quillbat::ui
