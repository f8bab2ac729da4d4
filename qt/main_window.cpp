#include "qt/main_window.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <utility>

#include "app/default_team.h"
#include "app/desktop_arguments.h"
#include "app/desktop_menu.h"
#include "app/desktop_session.h"
#include "app/window_design.h"
#include "app/window_layout.h"
#include "qt/about_window.h"
#include "qt/article_view.h"
#include "qt/dialogs.h"
#include "qt/fonts.h"
#include "qt/instructions_window.h"
#include "qt/scoreboard_view.h"
#include "qt/window_look.h"

namespace quillbat::qt {
namespace {

QPushButton* colouredButton(const ButtonDesign& button, float dotsPerInch, QWidget* parent) {
    auto* shown = new QPushButton(fromUtf8(button.design.caption), parent);
    shown->setObjectName(fromUtf8(button.design.name));
    shown->setFont(designedFont(button.design.font));
    const QString face = qColor(button.face).name();
    shown->setStyleSheet(QString("QPushButton { background-color: %1; color: black; border: 2px "
                                 "outset %1; } QPushButton:pressed { border-style: inset; }")
                             .arg(face));
    shown->setGeometry(pixels(button.design.place, dotsPerInch));
    return shown;
}

// The one local .box file among dropped files, or an empty text.
QString droppedBoxscore(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    std::vector<std::string> paths;
    for (const QUrl& url : data->urls()) {
        paths.push_back(url.isLocalFile() ? toUtf8(QDir::toNativeSeparators(url.toLocalFile()))
                                          : std::string());
    }
    return fromUtf8(quillbat::droppedBoxscore(paths).value_or(std::string()));
}

}  // namespace

MainWindow::MainWindow(DesktopSession& session, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), session_(session), dialogs_(dialogs) {
    setObjectName("frmMain");
    setWindowTitle(fromUtf8(kMainWindowTitle));
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
    addMenuItems(menuBar(), kMenuBar);
}

void MainWindow::addMenuItems(QWidget* menu, std::span<const MenuItem> items) {
    for (const MenuItem& item : items) {
        if (const auto* submenuItems = std::get_if<std::span<const MenuItem>>(&item.action)) {
            auto* submenu = new QMenu(fromUtf8(item.text), menu);
            submenu->setObjectName(fromUtf8(item.name));
            addMenuItems(submenu, *submenuItems);
            menu->addAction(submenu->menuAction());
            continue;
        }
        auto* action = new QAction(fromUtf8(item.text), menu);
        action->setObjectName(fromUtf8(item.name));
        const MenuCommand command = std::get<MenuCommand>(item.action);
        action->setCheckable(item.checkable);
        action->setChecked(session_.isChecked(command));
        if (item.needsGame) {
            action->setEnabled(false);
            actionsNeedingGame_.push_back(action);
        }
        connect(action, &QAction::triggered, this, [this, command] { run(command); });
        menu->addAction(action);
    }
}

void MainWindow::run(MenuCommand command) {
    switch (command) {
        case MenuCommand::DefaultTeam:
            chooseDefaultTeam();
            return;
        case MenuCommand::LoadBoxscore:
            loadBoxscore();
            return;
        case MenuCommand::About:
            showAbout();
            return;
        case MenuCommand::Instructions:
            showInstructions();
            return;
        case MenuCommand::Exit:
            close();
            return;
        case MenuCommand::CopyAsText:
        case MenuCommand::CopyAsBbcode:
        case MenuCommand::CopyAsMarkdown:
        case MenuCommand::CopyAsHtml:
            copyAs(*copyAsFormat(command));
            return;
        case MenuCommand::NewspaperNames:
            switchNewspaperNames();
            return;
        case MenuCommand::OpenPhraseFolder:
            openPhraseFolder();
            return;
    }
}

QFrame* MainWindow::buildPanel(float dotsPerInch) {
    auto* panel = new QFrame(centralWidget());
    panel->setObjectName(fromUtf8(kPanelName));
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);

    auto* text = new QLabel(fromUtf8(kPanelText.caption), panel);
    text->setObjectName(fromUtf8(kPanelText.name));
    text->setFont(designedFont(kPanelText.font));
    text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text->setWordWrap(true);
    setTextColour(text, kWhite);
    text->setGeometry(pixels(kPanelText.place, dotsPerInch));

    QPushButton* copy = colouredButton(kCopyButton, dotsPerInch, panel);
    connect(copy, &QPushButton::clicked, this, &MainWindow::copyToClipboard);
    QPushButton* save = colouredButton(kSaveButton, dotsPerInch, panel);
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
        for (QAction* action : actionsNeedingGame_) {
            action->setEnabled(true);
        }
        scoreboard_->show(load.game->scoreboard);
        article_->setArticle(load.game->article);
        if (load.complete) {
            copyToClipboard();
        }
    }
    if (!load.message.empty()) {
        dialogs_.showMessage(fromUtf8(kLoadBoxscoreTitle), shownText(load.message));
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

void MainWindow::copyAs(ArticleFormat format) {
    const std::optional<std::string> rendering = session_.renderAs(format, article_->article());
    if (!rendering) {
        return;
    }
    QString text = shownText(*rendering);
    text.replace("\r\n", "\n");
    auto* clipboardData = new QMimeData;
    if (format == ArticleFormat::kHtml) {
        clipboardData->setHtml(text);
    }
    clipboardData->setText(text);
    QGuiApplication::clipboard()->setMimeData(clipboardData);
}

void MainWindow::switchNewspaperNames() {
    const NameStyle style = session_.nameStyle() == NameStyle::kNewspaper ? NameStyle::kBoxscore
                                                                          : NameStyle::kNewspaper;
    const std::string message = session_.setNameStyle(style);
    if (!message.empty()) {
        dialogs_.showMessage(fromUtf8(kNewspaperNamesTitle), fromUtf8(message));
    }
}

void MainWindow::saveToFile() {
    std::string message = session_.saveArticle(article_->article());
    if (!message.empty()) {
        dialogs_.showMessage(fromUtf8(kSaveToFileTitle), shownText(message));
    }
}

void MainWindow::openPhraseFolder() {
    const DesktopSession::PhraseFolderOpening opening = session_.openPhraseFolder();
    if (!opening.message.empty()) {
        dialogs_.showMessage(fromUtf8(kOpenPhraseFolderTitle), fromUtf8(opening.message));
    } else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(fromUtf8(opening.folder)))) {
        dialogs_.showMessage(fromUtf8(kOpenPhraseFolderTitle),
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
