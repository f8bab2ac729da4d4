#include "qt/application.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "desktop/window_design.h"

namespace quillbat::qt {
namespace {

// A message Qt gave while the application was being made, its context kept as copies.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

// The handler's state while the application is made: one application a program.
QtMessageHandler qtHandler = nullptr;
std::vector<HeldMessage> heldMessages;
bool displayMissing = false;

const char* orNull(const QByteArray& bytes) {
    return bytes.isNull() ? nullptr : bytes.constData();
}

void passOnHeldMessages() {
    for (const HeldMessage& held : heldMessages) {
        const QMessageLogContext context(orNull(held.file), held.line, orNull(held.function),
                                         orNull(held.category));
        qtHandler(held.type, context, held.text);
    }
    heldMessages.clear();
}

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // The xcb platform's warning when no X server answers (DISPLAY unset, or naming none that
    // runs); Qt then tries no other platform and stops with a fatal message.
    if (text.contains(QLatin1String("could not connect to display"))) {
        displayMissing = true;
    }
    if (type == QtFatalMsg && displayMissing) {
        std::fprintf(stderr, "%s\n", std::string(kNoDisplay).c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (type == QtFatalMsg) {
        // Qt aborts when this returns: first everything it said, as it said it.
        passOnHeldMessages();
        qtHandler(type, context, text);
        return;
    }
    heldMessages.push_back({type, QByteArray(context.file), context.line,
                            QByteArray(context.function), QByteArray(context.category), text});
}

}  // namespace

std::unique_ptr<QApplication> makeApplication(int& argc, char** argv) {
    qtHandler = qInstallMessageHandler(holdBack);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtHandler);
    passOnHeldMessages();
    return application;
}

}  // namespace quillbat::qt
