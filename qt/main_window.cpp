#include "qt/main_window.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <utility>

#include "desktop/desktop_arguments.h"
#include "desktop/window_design.h"
#include "desktop/window_layout.h"
#include "qt/about_window.h"
#include "qt/article_view.h"
#include "qt/conversions.h"
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

// An input box's prompt wraps at about this width, as input boxes do, instead of making the
// box as wide as the prompt.
constexpr int kPromptWidth = 420;

// Brings a small window forward, making it first.
template <typename Small>
void bringForward(QPointer<Small>& window) {
    if (!window) {
        window = new Small();
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

MainWindow::MainWindow(DesktopSession& session, QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    setWindowTitle(fromUtf8(kMainWindowTitle));
    auto* client = new QWidget(this);
    paintBackground(client, kDarkGreen);
    setCentralWidget(client);

    float dotsPerInch = static_cast<float>(screen()->logicalDotsPerInchY());
    scoreboard_ = new ScoreboardView(dotsPerInch, client);
    article_ = new ArticleView(client);
    panel_ = buildPanel(dotsPerInch);
    addMenuItems(menuBar(), kMenuBar);

    // Maximized is asked for when shown; without a window manager that does nothing, so the
    // window already covers the screen's work area.
    setGeometry(screen()->availableGeometry());
    layOutBlocks(dotsPerInch);
    setAcceptDrops(true);
    controller_.emplace(session, *this);
}

MainWindow::~MainWindow() {
    // The small windows have no parent, so that they outlive an Exit; with the main window gone
    // they are closed too.
    delete about_;
    delete instructions_;
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
        action->setCheckable(item.checkable);
        const MenuCommand command = std::get<MenuCommand>(item.action);
        connect(action, &QAction::triggered, this, [this, command] { controller_->run(command); });
        actions_[command] = action;
        menu->addAction(action);
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
    connect(copy, &QPushButton::clicked, this, [this] { controller_->copyToClipboard(); });
    QPushButton* save = colouredButton(kSaveButton, dotsPerInch, panel);
    connect(save, &QPushButton::clicked, this, [this] { controller_->saveToFile(); });
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

void MainWindow::loadWhenShown(const QString& path) {
    loadWhenShown_ = path;
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!loadWhenShown_.isEmpty()) {
        // After the window has been drawn, so that a message about the file stands over it.
        QTimer::singleShot(0, this, [this, path = std::exchange(loadWhenShown_, {})] {
            controller_->loadFile(toUtf8(path));
        });
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
        controller_->loadFile(toUtf8(path));
    }
}

std::optional<std::string> MainWindow::chooseBoxscore(const BoxscoreFilter& filter,
                                                      const std::string& startFolder) {
    // Native separators, so that path.dat and the saved article's name read as the system
    // writes them.
    const QString chosen = QDir::toNativeSeparators(
        QFileDialog::getOpenFileName(this, QString(), fromUtf8(startFolder), nameFilter(filter)));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return toUtf8(chosen);
}

std::optional<std::string> MainWindow::chooseFolder(std::string_view title,
                                                    const std::string& startFolder) {
    const QString chosen = QDir::toNativeSeparators(
        QFileDialog::getExistingDirectory(this, fromUtf8(title), fromUtf8(startFolder)));
    if (chosen.isEmpty()) {
        return std::nullopt;
    }
    return toUtf8(chosen);
}

std::optional<std::string> MainWindow::askText(std::string_view title, std::string_view prompt,
                                               const std::string& preset) {
    QInputDialog dialog(this);
    dialog.setWindowTitle(fromUtf8(title));
    dialog.setLabelText(fromUtf8(prompt));
    dialog.setTextValue(fromUtf8(preset));
    if (auto* label = dialog.findChild<QLabel*>()) {
        label->setWordWrap(true);
        label->setFixedWidth(kPromptWidth);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return toUtf8(dialog.textValue());
}

void MainWindow::showMessage(std::string_view title, const std::string& text, MessageKind kind) {
    if (kind == MessageKind::kWarning) {
        QMessageBox::warning(this, fromUtf8(title), fromUtf8(text));
    } else {
        QMessageBox::information(this, fromUtf8(title), fromUtf8(text));
    }
}

void MainWindow::showGame(const LoadedGame& game) {
    scoreboard_->show(game.scoreboard);
    article_->setArticle(game.article);
}

void MainWindow::clearArticle() {
    article_->setArticle({});
}

std::string MainWindow::articleText() {
    return article_->article();
}

bool MainWindow::putOnClipboard(const std::string& text, const std::optional<std::string>& html) {
    // Qt gives every application line feeds alone and writes the system's line breaks itself.
    const auto lineFeeds = [](const std::string& utf8) {
        return fromUtf8(utf8).replace("\r\n", "\n");
    };
    auto* copied = new QMimeData;
    if (html) {
        copied->setHtml(lineFeeds(*html));
    }
    copied->setText(lineFeeds(text));
    QGuiApplication::clipboard()->setMimeData(copied);
    return true;
}

bool MainWindow::openFolder(const std::string& folder) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fromUtf8(folder)));
}

bool MainWindow::openInBrowser(const std::string& page) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fromUtf8(page)));
}

void MainWindow::showWindow(SmallWindow window) {
    switch (window) {
        case SmallWindow::kAboutWindow:
            bringForward(about_);
            return;
        case SmallWindow::kInstructionsWindow:
            bringForward(instructions_);
            return;
    }
}

void MainWindow::setCommandEnabled(MenuCommand command, bool enabled) {
    actions_.at(command)->setEnabled(enabled);
}

void MainWindow::setCommandChecked(MenuCommand command, bool checked) {
    actions_.at(command)->setChecked(checked);
}

void MainWindow::showProgress(std::string_view title, const std::string& text, std::size_t done,
                              std::size_t total) {
    if (!progress_) {
        progress_ = new QProgressDialog(this);
        progress_->setObjectName("dlgProgress");
        progress_->setWindowTitle(fromUtf8(title));
        // The work cannot be stopped halfway; the dialog closes when it is done.
        progress_->setCancelButton(nullptr);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        progress_->setMinimumDuration(0);
        progress_->setWindowModality(Qt::WindowModal);
    }
    progress_->setLabelText(fromUtf8(text));
    progress_->setMaximum(static_cast<int>(total));
    // A window-modal dialog handles the waiting events here, so the windows stay painted.
    progress_->setValue(static_cast<int>(done));
}

void MainWindow::endProgress() {
    delete progress_;
}

void MainWindow::closeMainWindow() {
    close();
}

}  // namespace quillbat::qt
